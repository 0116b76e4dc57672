// The real git with the drivers git-setup configures, on a repository holding the demo ROM.
#include <gtest/gtest.h>

#include <filesystem>

#include "cli_runner.h"
#include "rom_builder.h"
#include "rom_image.h"
#include "rom_patch.h"
#include "screen_decoding.h"
#include "screen_value.h"
#include "world_data.h"
#include "world_import.h"

namespace quelbrook::testing {
namespace {

using Bytes = std::vector<std::uint8_t>;

class GitDriverTest : public ::testing::Test {
 protected:
  void SetUp() override {
    repo = (dir / "world").string();
    std::filesystem::create_directory(repo);
    ASSERT_EQ(Git({"init", "-q", "-b", "main"}).exitCode, 0);
    const CliRun setup = SetupIn(repo);
    ASSERT_EQ(setup.exitCode, 0) << setup.err;
    WriteFile(Rom(), ReadFile(QUELBROOK_TEST_APP_DIR "/Quelbrook.nes"));
    Commit("the demo world");
  }

  // Neither the user's nor the system's configuration takes part.
  CliRun Git(std::vector<std::string> args) const {
    const std::vector<std::string> prefix{"GIT_CONFIG_GLOBAL=/dev/null",
                                          "GIT_CONFIG_NOSYSTEM=1",
                                          "git",
                                          "-C",
                                          repo,
                                          "-c",
                                          "user.name=Tester",
                                          "-c",
                                          "user.email=tester@example.org"};
    args.insert(args.begin(), prefix.begin(), prefix.end());
    return RunProgram("/usr/bin/env", args);
  }
  // git-setup run in `folder`, as a user would in a shell.
  static CliRun SetupIn(const std::string& folder) {
    return RunProgram("/bin/sh", {"-c", "cd \"$0\" && GIT_CONFIG_GLOBAL=/dev/null exec \"$1\" git-setup",
                                  folder, CliPath()});
  }
  std::string Rom() const { return repo + "/Quelbrook.nes"; }
  void Commit(const std::string& message) {
    ASSERT_EQ(Git({"add", "-A"}).exitCode, 0);
    const CliRun run = Git({"commit", "-q", "-m", message});
    ASSERT_EQ(run.exitCode, 0) << run.out << run.err;
  }

  // A screen edited as the window saves it: its value, converted by RecordOf, one write.
  void SetCellAsTheWindowDoes(int screen, int cell, const std::string& code) {
    RomImage rom(Rom());
    rom.Open();
    ScreenValue value = ScreenValueOf(ReadScreenRecord(rom, screen));
    rom.Close();
    value.tileCodes[cell] = code;
    const RecordBytes record = RecordOf(value);
    WritePatchesToFile(Rom(), {{ScreenRecordOffset(screen), {record.begin(), record.end()}}});
  }
  // A screen edited in Tiled: the import's plan between the ROM's world and the map's.
  void SetCellAsTiledImportDoes(int screen, int cell, std::uint8_t code) {
    RomImage rom(Rom());
    const WorldData before = ReadWorld(rom);
    WorldData map = before;
    map.screens[screen - 1].tiles[cell] = code;
    WritePatchesToFile(Rom(), PlanWorldImport(before, map).patches);
  }
  std::uint8_t Cell(const Bytes& image, int screen, int cell) const {
    return image[std::size_t(ScreenRecordOffset(screen) + kRecordTiles + cell)];
  }

  TempDir dir;
  std::string repo;
};

TEST_F(GitDriverTest, SetupWritesTheAttributesOnceAndRefusesOutsideARepository) {
  const CliRun again = SetupIn(repo);
  ASSERT_EQ(again.exitCode, 0) << again.err;
  EXPECT_NE(again.out.find(".gitattributes already holds: *.nes diff=quelbrook merge=quelbrook"),
            std::string::npos)
      << again.out;
  EXPECT_NE(again.out.find("git config: merge.quelbrook.driver = '" + CliPath() + "' merge %O %A %B\n"),
            std::string::npos)
      << again.out;
  const auto attributes = ReadFile(repo + "/.gitattributes");
  EXPECT_EQ(std::string(attributes.begin(), attributes.end()), "*.nes diff=quelbrook merge=quelbrook\n");
  EXPECT_EQ(Git({"config", "--local", "--get-all", "merge.quelbrook.driver"}).out,
            "'" + CliPath() + "' merge %O %A %B\n");

  const CliRun outside = SetupIn(dir.path().string());
  EXPECT_EQ(outside.exitCode, 1);
  EXPECT_NE(outside.err.find("not inside a git repository"), std::string::npos) << outside.err;
}

TEST_F(GitDriverTest, SetupKeepsTheAttributesThereAndAddsItsLineOnALineOfItsOwn) {
  WriteText(repo + "/.gitattributes", "*.png binary");
  ASSERT_EQ(SetupIn(repo).exitCode, 0);
  const auto attributes = ReadFile(repo + "/.gitattributes");
  EXPECT_EQ(std::string(attributes.begin(), attributes.end()),
            "*.png binary\n*.nes diff=quelbrook merge=quelbrook\n");
}

TEST_F(GitDriverTest, BranchesThatChangeDifferentScreensMergeThroughTheDriver) {
  const Bytes base = ReadFile(Rom());
  ASSERT_EQ(Git({"checkout", "-q", "-b", "tiled"}).exitCode, 0);
  SetCellAsTiledImportDoes(3, 0, 0x21);
  Commit("screen 3 in Tiled");
  ASSERT_EQ(Git({"checkout", "-q", "main"}).exitCode, 0);
  SetCellAsTheWindowDoes(40, 9, "5A");
  Commit("screen 40 in the window");

  const CliRun merge = Git({"merge", "-q", "--no-edit", "tiled"});
  ASSERT_EQ(merge.exitCode, 0) << merge.out << merge.err;
  Bytes expected = base;
  expected[std::size_t(ScreenRecordOffset(3) + kRecordTiles)] = 0x21;
  expected[std::size_t(ScreenRecordOffset(40) + kRecordTiles + 9)] = 0x5A;
  EXPECT_TRUE(ReadFile(Rom()) == expected);
  EXPECT_EQ(Git({"status", "--porcelain"}).out, "");
}

TEST_F(GitDriverTest, ACellChangedDifferentlyOnBothBranchesIsAConflictNamingIt) {
  ASSERT_EQ(Git({"checkout", "-q", "-b", "theirs"}).exitCode, 0);
  SetCellAsTheWindowDoes(40, 9, "12");
  SetCellAsTheWindowDoes(41, 0, "13");
  Commit("theirs");
  ASSERT_EQ(Git({"checkout", "-q", "main"}).exitCode, 0);
  const std::uint8_t baseCode = Cell(ReadFile(Rom()), 40, 9);
  SetCellAsTheWindowDoes(40, 9, "5A");
  Commit("ours");

  const CliRun merge = Git({"merge", "--no-edit", "theirs"});
  EXPECT_NE(merge.exitCode, 0);
  char base[3];
  std::snprintf(base, sizeof base, "%02X", baseCode);
  EXPECT_NE(
      (merge.out + merge.err)
          .find("conflict: screen 40 row 2 column 2: base " + std::string(base) + ", ours 5A, theirs 12"),
      std::string::npos)
      << merge.out << merge.err;
  const Bytes merged = ReadFile(Rom());
  EXPECT_EQ(Cell(merged, 40, 9), 0x5A);  // ours where both changed
  EXPECT_EQ(Cell(merged, 41, 0), 0x13);  // theirs where only they did
}

TEST_F(GitDriverTest, GitDiffShowsTheChangeInWords) {
  SetCellAsTheWindowDoes(40, 9, "5A");
  const CliRun diff = Git({"diff"});
  ASSERT_EQ(diff.exitCode, 0) << diff.err;
  EXPECT_NE(diff.out.find("\n+screen 40 row 2: "), std::string::npos) << diff.out;
  EXPECT_NE(diff.out.find("\n-screen 40 row 2: "), std::string::npos) << diff.out;
  EXPECT_EQ(diff.out.find("Binary files"), std::string::npos);
}

TEST_F(GitDriverTest, AFileThatIsNoRomIsDescribedByDiffAndRefusedByMerge) {
  WriteText(repo + "/notes.nes", "not a cartridge\n");
  Commit("notes");
  WriteText(repo + "/notes.nes", "still not a cartridge\n");
  const CliRun diff = Git({"diff"});
  ASSERT_EQ(diff.exitCode, 0) << diff.err;
  EXPECT_NE(diff.out.find("+not an image of the game: 22 bytes, crc32 "), std::string::npos) << diff.out;

  const std::string notes = repo + "/notes.nes";
  const CliRun merge = RunCli({"merge", notes, notes, Rom()});
  EXPECT_EQ(merge.exitCode, 2);
  EXPECT_NE(merge.err.find("merge refused: not an image of the game"), std::string::npos) << merge.err;
  const auto kept = ReadFile(notes);
  EXPECT_EQ(std::string(kept.begin(), kept.end()), "still not a cartridge\n");
}

}  // namespace
}  // namespace quelbrook::testing
