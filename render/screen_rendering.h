#pragma once
// One screen as the game lays it out: 8 x 6 tiles of 32 x 32 pixels without gaps,
// the item and the four enemies drawn at 16 x 16 over their destinations.

#include <QImage>
#include <QPoint>
#include <optional>

#include "picture_folder.h"
#include "screen_data.h"

namespace quelbrook {

constexpr int kTilePixels = 32;
constexpr int kMarkerPixels = 16;
constexpr int kScreenPixelWidth = 256;
constexpr int kScreenPixelHeight = 192;

// Top-left corner of the marker for a destination: 255 stands for 0, 192..254 show none.
std::optional<QPoint> RenderedMarkerCorner(int destination);

// Draws what the editor's window shows, the empty item (kind 0) picture included.
// Throws EditorError for a picture that cannot be read.
QImage RenderScreen(const ScreenData& screen, PictureSource& pictures);

}  // namespace quelbrook
