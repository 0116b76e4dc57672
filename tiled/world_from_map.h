#pragma once
// The world a Tiled map describes, checked whole against the game's rules.

#include <QString>

#include "tiled_map.h"
#include "world_data.h"

namespace quelbrook {

// Every screen, the start and end screen (none for 0) and the ending text. An object
// whose picture still lies in the cell of its stored destination keeps that byte; one
// moved elsewhere in its screen takes the cell it now lies in. Throws EditorError naming
// the file and the place of the first problem.
WorldData WorldFromMap(const TiledMap& map, const QString& fileName);

}  // namespace quelbrook
