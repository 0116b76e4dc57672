#include "data_folder.h"

#include <system_error>

namespace quelbrook {

namespace fs = std::filesystem;

fs::path ProgramFolder() {
  std::error_code error;
  const fs::path program = fs::read_symlink("/proc/self/exe", error);
  return error ? fs::path() : program.parent_path();
}

std::optional<fs::path> InstalledDataFolder(const fs::path& programFolder) {
  if (programFolder.empty()) return std::nullopt;
  // The build writes the path from bin/ to share/quelbrook as the install layout has it.
  const fs::path folder = (programFolder / QUELBROOK_DATA_FROM_PROGRAM).lexically_normal();
  std::error_code error;
  if (!fs::is_directory(folder / "graph", error)) return std::nullopt;
  return folder;
}

}  // namespace quelbrook
