#pragma once
// A document on a synthetic ROM whose screens all differ.

#include <gtest/gtest.h>

#include <memory>

#include "rom_builder.h"
#include "world_document.h"

namespace quelbrook::testing {

class WorldDocumentTest : public ::testing::Test {
 protected:
  void SetUp() override {
    RomBuilder().DistinctScreens().StartScreenByte(EncodeStartScreenByte(55)).Write(RomPath());
    Open();
  }
  void Open() { document = std::make_unique<WorldDocument>(RomPath()); }
  std::string RomPath() const { return (dir / "Quelbrook.nes").string(); }
  std::vector<std::uint8_t> RomBytes() const { return ReadFile(RomPath()); }
  QUndoStack& History() { return *document->history(); }
  std::uint8_t Tile(int screen, int index) const {
    return document->record(screen)[static_cast<std::size_t>(kRecordTiles + index)];
  }
  // The offsets a save may touch: the records of these screens.
  static bool InRecords(std::size_t offset, const std::vector<int>& screens) {
    for (int screen : screens)
      if (offset >= static_cast<std::size_t>(ScreenRecordOffset(screen)) &&
          offset < static_cast<std::size_t>(ScreenRecordOffset(screen) + kScreenRecordLength))
        return true;
    return false;
  }

  TempDir dir;
  std::unique_ptr<WorldDocument> document;
};

}  // namespace quelbrook::testing
