#pragma once
// Marks drawn over a world picture to find one's way in it; they are not game content.

#include <QImage>
#include <optional>

#include "world_data.h"

namespace quelbrook {

struct WorldMarks {
  std::optional<int> startScreen;
  std::optional<int> endScreen;
};
WorldMarks MarksOf(const WorldData& world);

// The frame colours, for a legend and for tests.
inline constexpr QRgb kStartFrameColour = 0xff20e040;
inline constexpr QRgb kEndFrameColour = 0xffff3030;
inline constexpr QRgb kGridColour = 0xff000000;

// Thin lines between screens, each screen's number in its top-left corner, the start
// screen framed in green and the end screen in red (a screen that is both gets both,
// the end frame inside). Sizes follow the picture, so any scale stays readable.
void DrawWorldOverlays(QImage& picture, const WorldMarks& marks);

}  // namespace quelbrook
