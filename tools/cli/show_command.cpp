// show: one screen's stored values as JSON.
#include <ostream>

#include "arguments.h"
#include "command.h"
#include "hex_text.h"
#include "item_catalogue.h"
#include "quoted_text.h"
#include "rom_image.h"
#include "screen_decoding.h"

namespace quelbrook::cli {

namespace {
template <typename Bytes>
std::string NumberList(const Bytes& bytes) {
  std::string text = "[";
  for (std::size_t i = 0; i < bytes.size(); ++i) text += (i ? ", " : "") + std::to_string(bytes[i]);
  return text + "]";
}

std::string CaptionJson(std::uint8_t itemCode) {
  const auto caption = ItemCaption(IntToHexText(itemCode));
  return caption ? QuotedText(std::u16string(caption->begin(), caption->end())) : "null";
}

int Show(const std::vector<std::string>& args, std::ostream& out, std::ostream&) {
  RequireArgumentCount(args, 2);
  const int screen = ScreenArgument(args[1]);
  RomImage rom(args[0]);
  rom.Open();
  const auto start = ReadStartScreen(rom);
  const ScreenData data = ReadScreenRecord(rom, screen);
  rom.Close();

  out << "{\n"
      << "  \"screen\": " << screen << ",\n"
      << "  \"start_screen\": " << (start == screen ? "true" : "false") << ",\n"
      << "  \"tiles\": " << NumberList(data.tiles) << ",\n"
      << "  \"item\": " << int(data.itemCode) << ",\n"
      << "  \"item_caption\": " << CaptionJson(data.itemCode) << ",\n"
      << "  \"item_destination\": " << int(data.itemDestination) << ",\n"
      << "  \"message\": " << QuotedText(data.message) << ",\n"
      << "  \"enemy_kinds\": " << NumberList(data.enemyKinds) << ",\n"
      << "  \"enemy_destinations\": " << NumberList(data.enemyDestinations) << ",\n"
      << "  \"palette1\": " << int(data.palette1) << ",\n"
      << "  \"palette2\": " << int(data.palette2) << "\n"
      << "}\n";
  return kExitOk;
}
}  // namespace

extern const Command kShowCommand{"show", "ROM N", "screen N's stored values as JSON", Show};

}  // namespace quelbrook::cli
