#include "asset_paths.h"

#include "hex_text.h"

namespace quelbrook::testing {

std::filesystem::path AppDir() { return QUELBROOK_TEST_APP_DIR; }
std::filesystem::path TitlePicture() { return QUELBROOK_TEST_TITLE_PICTURE; }
std::filesystem::path Icon() { return QUELBROOK_TEST_ICON; }
std::filesystem::path GameProgram() { return QUELBROOK_TEST_GAME_PROGRAM; }
std::filesystem::path GameDataDir() { return QUELBROOK_TEST_GAME_DATA_DIR; }

std::vector<std::string> NumberedPictures(const std::string& folder, int count) {
  std::vector<std::string> names;
  for (int n = 0; n < count; ++n) names.push_back(folder + "/" + IntToHexText(n) + ".bmp");
  return names;
}

std::vector<ExpectedPicture> ExpectedFolderPictures() {
  std::vector<ExpectedPicture> pictures;
  for (const auto& [folder, count] :
       {std::pair<const char*, int>{"graph", 176}, {"items", 12}, {"enemyes", 16}})
    for (const std::string& name : NumberedPictures(folder, count)) pictures.push_back({name, 32, 32});
  pictures.push_back({"info/info1.bmp", 529, 148});
  pictures.push_back({"info/info2.bmp", 529, 148});
  return pictures;
}

}  // namespace quelbrook::testing
