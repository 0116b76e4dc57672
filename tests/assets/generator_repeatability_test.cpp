// The build output must not depend on the machine or the run: drawing again into a
// fresh folder gives the same bytes.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "asset_paths.h"
#include "rom_builder.h"

namespace quelbrook::testing {
namespace {

int RunCommand(const std::string& command) { return std::system(command.c_str()); }

std::string Quoted(const std::filesystem::path& path) { return "'" + path.string() + "'"; }

TEST(GeneratorRepeatability, SecondRunDrawsIdenticalBytes) {
  TempDir dir;
  ASSERT_EQ(
      RunCommand(Quoted(QUELBROOK_TEST_ART_TOOL) + " " + Quoted(dir.path()) + " " +
                 Quoted(dir / "title.bmp") + " " + Quoted(dir / "icon.svg") + " " + Quoted(dir / "game")),
      0);
  for (const ExpectedPicture& picture : ExpectedFolderPictures())
    EXPECT_EQ(ReadFile(dir / picture.relativePath), ReadFile(AppDir() / picture.relativePath))
        << picture.relativePath;
  EXPECT_EQ(ReadFile(dir / "title.bmp"), ReadFile(TitlePicture()));
  EXPECT_EQ(ReadFile(dir / "icon.svg"), ReadFile(Icon()));
  for (const auto& entry : std::filesystem::directory_iterator(GameDataDir()))
    EXPECT_EQ(ReadFile(dir / "game" / entry.path().filename()), ReadFile(entry.path())) << entry.path();
}

TEST(GeneratorRepeatability, SecondDemoRomIsIdentical) {
  TempDir dir;
  ASSERT_EQ(RunCommand(Quoted(QUELBROOK_TEST_DEMO_ROM_TOOL) + " " + Quoted(GameProgram()) + " " +
                       Quoted(dir / "Quelbrook.nes")),
            0);
  EXPECT_EQ(ReadFile(dir / "Quelbrook.nes"), ReadFile(AppDir() / "Quelbrook.nes"));
}

}  // namespace
}  // namespace quelbrook::testing
