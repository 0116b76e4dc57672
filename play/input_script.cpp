#include "input_script.h"

#include <algorithm>
#include <cctype>

#include "editor_error.h"

namespace quelbrook::play {

namespace {
// Frames beyond this are surely a typing slip; it keeps the arithmetic far from overflow.
constexpr long kLastFrame = 100'000'000;

std::vector<std::string> Split(const std::string& text, char separator) {
  std::vector<std::string> parts;
  std::string::size_type start = 0;
  for (;;) {
    const auto end = text.find(separator, start);
    parts.push_back(text.substr(start, end == std::string::npos ? std::string::npos : end - start));
    if (end == std::string::npos) return parts;
    start = end + 1;
  }
}

[[noreturn]] void Refuse(const std::string& entry, const std::string& problem) {
  throw EditorError("Input script entry \"" + entry + "\": " + problem);
}

long FrameNumber(const std::string& entry, const std::string& text) {
  if (text.empty() || text.size() > 9 ||
      !std::all_of(text.begin(), text.end(), [](unsigned char c) { return std::isdigit(c); }))
    Refuse(entry, "\"" + text + "\" is not a frame number");
  const long frame = std::stol(text);
  if (frame > kLastFrame) Refuse(entry, "frame " + text + " is beyond " + std::to_string(kLastFrame));
  return frame;
}

PadPress ParseEntry(const std::string& entry) {
  const auto colon = entry.find(':');
  if (colon == std::string::npos) Refuse(entry, "expected BUTTON:FRAME or BUTTON:FIRST-LAST");
  const std::string name = entry.substr(0, colon);
  const auto button = PadButtonNamed(name);
  if (!button) Refuse(entry, "\"" + name + "\" is not a button (up down left right a b start select)");
  const std::string frames = entry.substr(colon + 1);
  if (frames.empty()) Refuse(entry, "no frame after \":\"");
  const std::vector<std::string> range = Split(frames, '-');
  if (range.size() > 2) Refuse(entry, "a range has one \"-\"");
  // "-5" or "5-": the whole text is the slip (a negative frame, a range cut short), not its
  // empty half.
  if (range.front().empty() || range.back().empty())
    Refuse(entry, "\"" + frames + "\" is not a frame number or a range FIRST-LAST (frames count from 0)");
  const long first = FrameNumber(entry, range.front());
  const long last = FrameNumber(entry, range.back());
  if (last < first) Refuse(entry, "the range ends before it starts");
  return {*button, first, last};
}
}  // namespace

InputScript InputScript::Parse(const std::string& text) {
  InputScript script;
  for (const std::string& entry : Split(text, ',')) {
    if (entry.empty()) throw EditorError("Input script \"" + text + "\": an entry is empty");
    script.presses_.push_back(ParseEntry(entry));
  }
  return script;
}

PadState InputScript::PadAt(long frame) const {
  PadState pad;
  for (const PadPress& press : presses_)
    if (frame >= press.first && frame <= press.last) pad.Set(press.button, true);
  return pad;
}

}  // namespace quelbrook::play
