#include "unreadable_roms.h"

namespace quelbrook::testing {

std::vector<UnreadableRom> UnreadableRoms(const std::filesystem::path& folder, const std::string& rom) {
  const std::string inside = (folder / "a folder.nes").string();
  std::filesystem::create_directories(inside);
  const std::string missing = (folder / "missing.nes").string();
  return {{missing, missing + ": File not found"},
          {inside, inside + ": File access denied"},
          {inside + "/", inside + "/: File access denied"},
          {rom + "/", rom + "/: File not found"}};
}

UnreadableRom RomNoOneMayRead(const std::filesystem::path& folder, const std::string& rom) {
  const std::string locked = (folder / "locked.nes").string();
  std::filesystem::copy_file(rom, locked, std::filesystem::copy_options::overwrite_existing);
  std::filesystem::permissions(locked, std::filesystem::perms::none);
  return {locked, locked + ": File access denied"};
}

}  // namespace quelbrook::testing
