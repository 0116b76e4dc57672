#pragma once
// The files the game's assembly includes: both pattern tables and the tables that
// say how codes and palette numbers become tiles and colours.

#include <filesystem>

#include "game_art.h"

namespace quelbrook::art {

// Throws std::runtime_error when a file cannot be written.
void WriteGameDataFiles(const std::filesystem::path& folder, const GameArt& art);

}  // namespace quelbrook::art
