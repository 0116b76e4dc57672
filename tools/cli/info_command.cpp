// info: the game-wide settings and one line per screen.
#include <ostream>

#include "arguments.h"
#include "command.h"
#include "file_checksums.h"
#include "hex_text.h"
#include "item_catalogue.h"
#include "quoted_text.h"
#include "rom_facts.h"
#include "rom_image.h"
#include "screen_decoding.h"
#include "whole_files.h"

namespace quelbrook::cli {

namespace {
std::string ItemText(std::uint8_t code) {
  const std::string codeText = IntToHexText(code);
  const auto caption = ItemCaption(codeText);
  return "item " + codeText + (caption ? " (" + *caption + ")" : " (no caption)");
}

int Info(const std::vector<std::string>& args, std::ostream& out, std::ostream&) {
  RequireArgumentCount(args, 1);
  RomImage rom(args[0]);
  rom.Open();
  const auto start = ReadStartScreen(rom);
  const auto end = ReadEndScreen(rom);
  const auto ending = ReadEndingText(rom);
  std::vector<ScreenData> screens;
  for (int screen = 1; screen <= kScreenCount; ++screen) screens.push_back(ReadScreenRecord(rom, screen));
  rom.Close();
  const Bytes file = ReadWholeFile(args[0]);

  // Everything is read before the first line, so a failure prints no half result.
  out << "start screen: " << StartScreenValue(start) << '\n'
      << "end screen: " << EndScreenValue(end) << '\n'
      << "ending text: " << QuotedText(ending) << '\n';
  for (int screen = 1; screen <= kScreenCount; ++screen) {
    const ScreenData& data = screens[screen - 1];
    out << "screen " << screen << ": " << QuotedText(data.message) << ", " << ItemText(data.itemCode)
        << ", palettes " << int(data.palette1) << ' ' << int(data.palette2) << '\n';
  }
  PrintChecksums(out, "", file);
  return kExitOk;
}
}  // namespace

extern const Command kInfoCommand{
    "info", "ROM", "start screen, end screen, ending text, one line per screen, then size and checksums",
    Info};

}  // namespace quelbrook::cli
