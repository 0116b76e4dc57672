#pragma once
// The kinds of items and enemies a screen can carry, and the pictures that show them.

#include <optional>
#include <string>

namespace quelbrook {

constexpr int kItemKindCount = 12;  // indices 0..11, equal to their codes
constexpr int kBossTrapCode = 0x0B;
constexpr int kEnemyKindCount = 16;  // kinds 0..F
constexpr int kLastSavableItemCode = 20;

// The caption of the catalogue row whose code text is exactly `codeText`.
std::optional<std::string> ItemCaption(const std::string& codeText);
std::string ItemCaptionOfIndex(int index);  // index in 0..11

std::string TileBitmapPath(const std::string& codeText);
std::string ItemBitmapPath(const std::string& codeText);
std::string EnemyBitmapPath(const std::string& kindText);

}  // namespace quelbrook
