#pragma once
// What bringing a world back from Tiled changes in a ROM: only what differs.

#include <QStringList>
#include <optional>
#include <vector>

#include "rom_patch.h"
#include "world_data.h"

namespace quelbrook {

struct WorldImportPlan {
  std::vector<BytePatch> patches;  // whole records, the start byte, the ending text, the end-screen save
  std::vector<int> changedScreens;
  std::optional<int> newStartScreen;
  std::optional<int> newEndScreen;
  bool endingTextChanged = false;
};

// Compares the map's world with the ROM's. A changed end screen is planned by the
// end-screen save and refused by its rules; a start or end screen cannot be taken away.
// Throws EditorError before anything is written.
WorldImportPlan PlanWorldImport(const WorldData& rom, const WorldData& map);

// One line for each kind of change, or one line saying that nothing changed.
QStringList DescribeWorldImport(const WorldImportPlan& plan);

// Reads the map and checks it whole, then reads the ROM and plans what differs; writes nothing.
WorldImportPlan PlanWorldMapImport(const std::string& romPath, const std::string& mapPath);

}  // namespace quelbrook
