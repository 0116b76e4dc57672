#pragma once
// Where the build put the generated files, and the names the editor will ask for.

#include <filesystem>
#include <string>
#include <vector>

namespace quelbrook::testing {

std::filesystem::path AppDir();
std::filesystem::path TitlePicture();
std::filesystem::path Icon();         // the desktop icon the build drew
std::filesystem::path GameProgram();  // the assembled demo game, before the world is filled in
std::filesystem::path GameDataDir();  // the game's tiles and colour tables

struct ExpectedPicture {
  std::string relativePath;  // "graph/AF.bmp"
  int width;
  int height;
};

// Every picture of the four folders, named as the editor names them.
std::vector<ExpectedPicture> ExpectedFolderPictures();
std::vector<std::string> NumberedPictures(const std::string& folder, int count);

}  // namespace quelbrook::testing
