#pragma once
// Where the pictures and the demo ROM lie once installed: share/quelbrook, found from
// the program's own folder, so that a package unpacked anywhere works as well.

#include <filesystem>
#include <optional>

namespace quelbrook {

// The folder of the running program; empty when the system cannot tell.
std::filesystem::path ProgramFolder();
// The installed data folder beside `programFolder` when it holds the tile pictures;
// none for a program run from the build's app/ folder.
std::optional<std::filesystem::path> InstalledDataFolder(const std::filesystem::path& programFolder);

}  // namespace quelbrook
