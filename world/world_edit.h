#pragma once
// What one undo step of the world editor changes, as before and after values, so that
// undo and redo only swap them: tiles of single cells, whole records, the start screen.

#include <QPoint>
#include <cstdint>
#include <optional>
#include <vector>

#include "screen_data.h"

namespace quelbrook {

struct TileChange {
  QPoint cell;
  std::uint8_t before = 0;
  std::uint8_t after = 0;
};

struct RecordChange {
  int screen = 0;
  RecordBytes before{};
  RecordBytes after{};
};

struct StartScreenChange {
  std::uint8_t before = 0;  // the start-screen byte
  std::uint8_t after = 0;
};

struct WorldEdit {
  std::vector<TileChange> tiles;
  std::vector<RecordChange> records;
  std::optional<StartScreenChange> startScreen;
  bool empty() const { return tiles.empty() && records.empty() && !startScreen; }
};

}  // namespace quelbrook
