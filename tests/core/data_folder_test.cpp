// How an installed program finds share/quelbrook from its own folder.
#include "data_folder.h"

#include <gtest/gtest.h>

#include "rom_builder.h"

namespace quelbrook::testing {
namespace {

namespace fs = std::filesystem;

TEST(InstalledDataFolder, IsShareQuelbrookBesideBinWhenItHoldsThePictures) {
  TempDir dir;
  fs::create_directories(dir / "usr/bin");
  fs::create_directories(dir / "usr/share/quelbrook");
  EXPECT_FALSE(InstalledDataFolder(dir / "usr/bin")) << "a folder without pictures is not it";

  fs::create_directories(dir / "usr/share/quelbrook/graph");
  const auto folder = InstalledDataFolder(dir / "usr/bin");
  ASSERT_TRUE(folder);
  EXPECT_TRUE(fs::equivalent(*folder, dir / "usr/share/quelbrook"));
  EXPECT_EQ(*folder, folder->lexically_normal());
}

TEST(InstalledDataFolder, NoneForABuildFolderOrAnUnknownProgram) {
  TempDir dir;
  fs::create_directories(dir / "build/app/graph");
  EXPECT_FALSE(InstalledDataFolder(dir / "build/app"));
  EXPECT_FALSE(InstalledDataFolder({}));
}

TEST(ProgramFolder, IsTheFolderOfTheRunningBinary) {
  const fs::path folder = ProgramFolder();
  ASSERT_FALSE(folder.empty());
  EXPECT_TRUE(fs::exists(folder / "core_tests"));
}

}  // namespace
}  // namespace quelbrook::testing
