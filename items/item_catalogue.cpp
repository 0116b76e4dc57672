#include "item_catalogue.h"

#include <array>

#include "hex_text.h"

namespace quelbrook {

namespace {
const std::array<const char*, kItemKindCount> kCaptions{
    "Item: None",       "Item: Life sphere",      "Item: Magic missile +1", "Item: Xecrom's thunder",
    "Item: Prism cube", "Item: Spectral bridge",  "Item: Levitation Y +1",  "Item: Levitation X +1",
    "Item: Tri-caster", "Item: Levitation speed", "Item: Teleportation",    "Boss trap!",
};
}  // namespace

std::optional<std::string> ItemCaption(const std::string& codeText) {
  for (int i = 0; i < kItemKindCount; ++i)
    if (IntToHexText(i) == codeText) return std::string(kCaptions[i]);
  return std::nullopt;
}

std::string ItemCaptionOfIndex(int index) { return kCaptions.at(static_cast<std::size_t>(index)); }

std::string TileBitmapPath(const std::string& codeText) { return "graph/" + codeText + ".bmp"; }
std::string ItemBitmapPath(const std::string& codeText) { return "items/" + codeText + ".bmp"; }
std::string EnemyBitmapPath(const std::string& kindText) { return "enemyes/" + kindText + ".bmp"; }

}  // namespace quelbrook
