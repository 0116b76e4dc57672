#pragma once
// Names of a ROM that cannot be read, as a user mistypes or mistakes them, with the words the
// tool gives for each: the file layer's, after the name as typed.

#include <filesystem>
#include <string>
#include <vector>

namespace quelbrook::testing {

struct UnreadableRom {
  std::string path;
  std::string message;
};

// A missing file, a folder (made in `folder`), the folder and the readable ROM `rom` each with a
// trailing slash.
std::vector<UnreadableRom> UnreadableRoms(const std::filesystem::path& folder, const std::string& rom);

// A copy of `rom` in `folder` that no one but root may read; the tool's words for it, run by
// another user.
UnreadableRom RomNoOneMayRead(const std::filesystem::path& folder, const std::string& rom);

}  // namespace quelbrook::testing
