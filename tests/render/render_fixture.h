#pragma once
// A folder of solid-colour pictures (tests/editor/support) and screens built to show
// exactly which picture landed where.

#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <QString>

#include "asset_folder.h"
#include "rom_builder.h"
#include "screen_data.h"

namespace quelbrook::testing {

constexpr std::uint8_t kNoMarker = 200;  // a destination that shows no marker

// Tile codes 0, 1, 2, ... by cell, no markers on the grid.
ScreenData TilesOnlyScreen();
// Every cell shows tile `tile`, no markers on the grid.
ScreenData SolidScreen(int tile);
// Screen n is solid tile n, so each screen of a world picture names itself by colour.
RomBuilder SolidWorld();

QColor PixelAt(const QImage& image, int x, int y);
// Descriptors of this process open on the file at path.
int DescriptorsOpenOn(const std::string& path);

class RenderTest : public ::testing::Test {
 protected:
  void SetUp() override { MakeAssetFolder(Folder()); }
  QString Folder() const { return QString::fromStdString(dir.path().string()); }
  std::string RomPath() const { return (dir / "Quelbrook.nes").string(); }

  TempDir dir;
};

}  // namespace quelbrook::testing
