#include "rom_backup.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "editor_error.h"
#include "rom_builder.h"
#include "unprivileged.h"

namespace quelbrook {
namespace {

using testing::ReadFile;
using testing::TempDir;
using testing::WriteFile;

TEST(RomBackup, CopiesOnceAndNeverReplacesAnOlderCopy) {
  TempDir dir;
  const std::string rom = (dir / "game.nes").string();
  WriteFile(rom, {1, 2, 3});
  EXPECT_TRUE(MakeBackupOnce(rom));
  EXPECT_EQ(ReadFile(rom + ".bak"), (std::vector<std::uint8_t>{1, 2, 3}));
  WriteFile(rom, {9});
  EXPECT_FALSE(MakeBackupOnce(rom));
  EXPECT_EQ(ReadFile(rom + ".bak"), (std::vector<std::uint8_t>{1, 2, 3}));
}

TEST(RomBackup, AFolderThatCannotTakeTheCopySaysSoAndLeavesNothing) {
  TempDir dir;
  const auto folder = dir / "locked";
  std::filesystem::create_directory(folder);
  const std::string rom = (folder / "game.nes").string();
  WriteFile(rom, {1, 2, 3});
  std::filesystem::permissions(dir.path(), std::filesystem::perms::all);
  std::filesystem::permissions(rom, std::filesystem::perms::all);
  std::filesystem::permissions(folder,
                               std::filesystem::perms::owner_all | std::filesystem::perms::group_read |
                                   std::filesystem::perms::group_exec | std::filesystem::perms::others_read |
                                   std::filesystem::perms::others_exec);
  auto text = testing::RunUnprivileged([&]() -> std::string {
    try {
      MakeBackupOnce(rom);
    } catch (const EditorError& error) {
      return error.what();
    }
    return "no failure";
  });
  if (!text) GTEST_SKIP() << "no unprivileged child process could be made here";
  EXPECT_EQ(*text,
            "The backup copy " + rom + ".bak could not be made (File access denied), so nothing was written");
  EXPECT_FALSE(std::filesystem::exists(rom + ".bak"));
}

}  // namespace
}  // namespace quelbrook
