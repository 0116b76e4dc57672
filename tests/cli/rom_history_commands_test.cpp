// textconv, diff and merge as a user calls them by hand, on synthetic ROMs.
#include "cli_fixture.h"

namespace quelbrook::testing {
namespace {

class CliRomHistoryTest : public CliTest {
 protected:
  void SetUp() override {
    WriteFile(Path("base.nes"), RomBuilder().DistinctScreens().bytes());
    auto ours = RomBuilder().DistinctScreens().bytes();
    ours[ScreenRecordOffset(2) + kRecordTiles + 8] = 0xA1;  // screen 2 row 2 column 1
    WriteFile(Rom(), ours);
  }
  std::string Text(const std::string& name) {
    const auto run = RunCli({"textconv", Path(name)});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    return run.out;
  }
};

TEST_F(CliRomHistoryTest, TextconvPrintsOneFactALineWithTheTilesRowByRow) {
  const std::string text = Text("Quelbrook.nes");
  EXPECT_EQ(text.substr(0, text.find("screen 1 row 2")),
            "start screen: 39\nend screen: 0 (none)\nending text: \"" + std::string(kEndingTextLength, ' ') +
                "\"\nscreen 1 row 1: 07 08 09 0A 0B 0C 0D 0E\n");
  EXPECT_NE(text.find("\nscreen 2 row 2: A1 17 18 19 1A 1B 1C 1D\n"), std::string::npos);
  EXPECT_NE(text.find("\nscreen 2 enemy 3 destination: 90\nscreen 2 enemy 4 destination: 130\n"
                      "screen 2 palette 1: 2\nscreen 2 palette 2: 253\nscreen 3 row 1:"),
            std::string::npos);
  EXPECT_EQ(text.substr(text.rfind("\nbytes")), "\nbytes outside the editor's regions: 113101 bytes, crc32 " +
                                                    text.substr(text.size() - 9, 8) + "\n");
  EXPECT_EQ(Text("Quelbrook.nes"), text);  // stable
}

TEST_F(CliRomHistoryTest, DiffNamesEachChangeOrSaysThereIsNone) {
  auto run = RunCli({"diff", Path("base.nes"), Rom()});
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.out, "screen 2 row 2 column 1: 16 -> A1\n");
  run = RunCli({"diff", Rom(), Rom()});
  EXPECT_EQ(run.out, "no differences\n");
  WriteText(Path("notes.nes"), "hello");
  run = RunCli({"diff", Path("notes.nes"), Rom()});
  EXPECT_EQ(
      run.out.rfind("whole file (not an image of the game): 5 bytes, crc32 3610a686 -> 131088 bytes", 0), 0u)
      << run.out;
}

TEST_F(CliRomHistoryTest, MergeRefusesWhatItCannotMergeAndLeavesOursAsItWas) {
  const auto ours = RomBytes();
  auto longer = ours;
  longer.push_back(0);
  WriteFile(Path("longer.nes"), longer);
  auto run = RunCli({"merge", Path("base.nes"), Rom(), Path("longer.nes")});
  EXPECT_EQ(run.exitCode, 2);
  EXPECT_EQ(
      run.err,
      "quelbrook: merge refused: the images differ in size (base 131088, ours 131088, theirs 131089 bytes); "
      "merge them by hand\n");
  run = RunCli({"merge", Path("missing.nes"), Rom(), Path("base.nes")});
  EXPECT_EQ(run.exitCode, 2);
  EXPECT_EQ(run.err, "quelbrook: merge refused: " + Path("missing.nes") + ": File not found\n");
  EXPECT_TRUE(RomBytes() == ours);
  ExpectUsageError(RunCli({"merge", Path("base.nes"), Rom()}));
}

TEST_F(CliRomHistoryTest, MergeListsEachConflictAndExitsOne) {
  auto theirs = RomBytes();
  theirs[ScreenRecordOffset(2) + kRecordTiles + 8] = 0xB2;
  theirs[ScreenRecordOffset(9) + kRecordPalette2] = 7;
  WriteFile(Path("theirs.nes"), theirs);
  const auto run = RunCli({"merge", Path("base.nes"), Rom(), Path("theirs.nes")});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.err,
            "quelbrook: conflict: screen 2 row 2 column 1: base 16, ours A1, theirs B2\n"
            "quelbrook: conflicts: 1; the result holds our side of them and everything else merged\n");
  EXPECT_EQ(RomBytes()[ScreenRecordOffset(2) + kRecordTiles + 8], 0xA1);
  EXPECT_EQ(RomBytes()[ScreenRecordOffset(9) + kRecordPalette2], 7);
}

}  // namespace
}  // namespace quelbrook::testing
