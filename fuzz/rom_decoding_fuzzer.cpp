// Any bytes of any length as a cartridge image: every decoder either reads its
// region or fails with EditorError exactly when the file is too short for it, and
// none of them changes a byte of the file.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "byte_map.h"
#include "editor_error.h"
#include "fuzz_support.h"
#include "rom_image.h"
#include "screen_decoding.h"
#include "text_codec.h"

namespace {

using quelbrook::EditorError;
using quelbrook::RomImage;
using quelbrook::fuzzing::Check;

// Runs one decoder; only EditorError may come out of it, any other exception
// escapes to libFuzzer and is reported as a crash.
template <typename Decode>
bool Succeeds(RomImage& rom, Decode decode) {
  try {
    decode(rom);
    return true;
  } catch (const EditorError& error) {
    Check(error.what()[0] != '\0', "an EditorError without text");
    return false;
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static quelbrook::fuzzing::MemoryFile file("rom");
  file.Fill(data, size);
  const std::vector<std::uint8_t> before(data, data + size);
  const auto fits = [size](long offset, long length) { return offset + length <= static_cast<long>(size); };

  RomImage rom(file.path());
  rom.Open();

  std::optional<int> start;
  Check(Succeeds(rom, [&](RomImage& r) { start = quelbrook::ReadStartScreen(r); }) ==
            fits(quelbrook::kStartScreenOffset, 1),
        "start screen read and file size disagree");
  if (start) Check(*start >= 1 && *start <= 128, "start screen " + std::to_string(*start));

  std::u16string ending;
  Check(Succeeds(rom, [&](RomImage& r) { ending = quelbrook::ReadEndingText(r); }) ==
            fits(quelbrook::kEndingTextOffset, quelbrook::kEndingTextLength),
        "ending text read and file size disagree");
  if (fits(quelbrook::kEndingTextOffset, quelbrook::kEndingTextLength)) {
    Check(ending.size() == 116, "ending text of " + std::to_string(ending.size()) + " characters");
    auto bytes = quelbrook::EncodeText(ending, 116);
    Check(bytes && std::equal(bytes->begin(), bytes->end(), data + quelbrook::kEndingTextOffset),
          "ending text does not encode back to its bytes");
  }

  quelbrook::EndScreenHook end;
  const bool hook = fits(quelbrook::kEndScreenHookOffset, 1) && data[quelbrook::kEndScreenHookOffset] == 0x20;
  Check(Succeeds(rom, [&](RomImage& r) { end = quelbrook::ReadEndScreen(r); }) ==
            fits(quelbrook::kEndScreenHookOffset, hook ? 3 : 1),
        "end screen read and file size disagree");
  if (!end.hookPresent) Check(end.operand == 0 && end.endScreen == 0, "end screen without a hook");

  // Every record goes through the same code, so a few do: both ends, one picked by
  // the input, and the last one that fits with the first one that does not.
  const int picked = static_cast<int>(size % quelbrook::kScreenCount) + 1;
  const long past =
      static_cast<long>(size) - quelbrook::kFirstScreenRecordOffset - quelbrook::kScreenRecordLength;
  const int lastFitting = past < 0 ? 0 : static_cast<int>(past / quelbrook::kScreenStride) + 1;
  std::set<int> screens{1, quelbrook::kScreenCount, picked};
  for (int screen : {lastFitting, lastFitting + 1})
    if (screen >= 1 && screen <= quelbrook::kScreenCount) screens.insert(screen);
  for (int screen : screens) {
    const long offset = quelbrook::ScreenRecordOffset(screen);
    quelbrook::RecordBytes bytes{};
    const bool read = Succeeds(rom, [&](RomImage& r) { bytes = quelbrook::ReadRecordBytes(r, screen); });
    Check(read == fits(offset, quelbrook::kScreenRecordLength), "record read and file size disagree");
    if (!read) continue;
    Check(std::equal(bytes.begin(), bytes.end(), data + offset), "record bytes are not the file's");
    quelbrook::ScreenData decoded;
    Check(Succeeds(rom, [&](RomImage& r) { decoded = quelbrook::ReadScreenRecord(r, screen); }),
          "a record that was read cannot be decoded");
    Check(decoded.message.size() == 16,
          "message of " + std::to_string(decoded.message.size()) + " characters");
    quelbrook::RecordBytes encoded{};
    Check(Succeeds(rom, [&](RomImage&) { encoded = quelbrook::EncodeScreenRecord(decoded); }) &&
              encoded == bytes,
          "screen " + std::to_string(screen) + " does not encode back to its record");
  }

  rom.Close();
  Check(file.Contents() == before, "decoding changed the file");
  return 0;
}
