// history and restore, and the restore point every writing command leaves.
#include <sqlite3.h>
#include <sys/stat.h>

#include <sstream>

#include "bps_patch.h"
#include "cli_fixture.h"
#include "ips_patch.h"
#include "map_file.h"
#include "rom_facts.h"
#include "unprivileged.h"

namespace quelbrook::testing {
namespace {

class CliHistoryTest : public CliTest {
 protected:
  void SetUp() override { WriteRom(RomBuilder().DistinctScreens()); }
  CliRun Ok(const std::vector<std::string>& args) {
    auto run = RunCli(args);
    EXPECT_EQ(run.exitCode, 0) << run.err;
    return run;
  }
  std::vector<std::string> HistoryLines() {
    std::vector<std::string> lines;
    std::istringstream in(Ok({"history", Rom()}).out);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
  }
  // The words and regions of a line, after its number and time.
  static std::string Described(const std::string& line) { return line.substr(line.find("  ") + 2 + 19 + 2); }
};

TEST_F(CliHistoryTest, EveryWritingCommandLeavesOnePointInItsOwnWords) {
  auto changed = RomBytes();
  changed[ScreenRecordOffset(7) + 3] ^= 0xFF;
  changed[kEndingTextOffset] ^= 0x01;
  WriteFile(Path("patch.ips"), MakeIpsPatch(RomBytes(), changed).values);
  MapFile codes;
  codes.fill("1F");
  WriteText(Path("w.map"), WriteMapFile(codes));
  Ok({"set", Rom(), "40", "tile", "5", "1F"});
  Ok({"set", Rom(), "41", "message", "HI THERE"});
  Ok({"copy-screen", Rom(), "3", "40"});
  Ok({"swap-screens", Rom(), "5", "6"});
  Ok({"import-map", Rom(), "64", Path("w.map")});
  Ok({"apply-ips", Rom(), Path("patch.ips")});
  Ok({"export-tpie", Rom(), "20", Path("s.tpie")});
  Ok({"import-tpie", Rom(), "21", Path("s.tpie")});
  auto grown = RomBytes();
  grown.resize(grown.size() + 16, 0x11);
  WriteFile(Path("patch.bps"), MakeBpsPatch(RomBytes(), grown).values);
  Ok({"apply-bps", Rom(), Path("patch.bps")});
  const auto lines = HistoryLines();
  const std::vector<std::string> expected{
      "The ROM before the first write  (the whole ROM)",
      "set 40 tile 5 1F  (screen 40)",
      "set 41 message \"HI THERE\"  (screen 41)",
      "copy-screen 3 40  (screen 40)",
      "swap-screens 5 6  (screens 5, 6)",
      "import-map 64 w.map  (screen 64)",
      "apply-ips patch.ips  (screen 7; ending text)",
      "import-tpie 21 s.tpie  (screen 21)",
      "apply-bps patch.bps  (file size)",
  };
  ASSERT_EQ(lines.size(), expected.size());
  for (std::size_t i = 0; i < lines.size(); ++i) {
    EXPECT_EQ(lines[i].substr(0, lines[i].find(' ')), std::to_string(i + 1));
    EXPECT_EQ(Described(lines[i]), expected[i]);
  }
}

TEST_F(CliHistoryTest, ShowPrintsAPointsChangesInWords) {
  const std::uint8_t old = RomBytes()[static_cast<std::size_t>(ScreenRecordOffset(40) + kRecordTiles + 4)];
  Ok({"set", Rom(), "40", "tile5", "1F"});
  Ok({"set", Rom(), "41", "message", "HI THERE"});
  Ok({"set", Rom(), "42", "enemy2-destination", "17"});
  auto grown = RomBytes();
  grown.resize(grown.size() + 16, 0x11);
  WriteFile(Path("patch.bps"), MakeBpsPatch(RomBytes(), grown).values);
  Ok({"apply-bps", Rom(), Path("patch.bps")});

  EXPECT_EQ(Described(Ok({"history", Rom(), "--show", "2"}).out),
            "set 40 tile5 1F  (screen 40)\n  screen 40 row 1 column 5: " + CodeValue(old) + " -> 1F\n");
  const std::string message = Ok({"history", Rom(), "--show", "3"}).out;
  EXPECT_NE(message.find("\n  screen 41 message: \""), std::string::npos) << message;
  EXPECT_NE(message.find("\" -> \"HI THERE        \"\n"), std::string::npos) << message;
  EXPECT_NE(Ok({"history", Rom(), "--show", "4"}).out.find("\n  screen 42 enemy 2 destination: "),
            std::string::npos);
  const std::string size = Ok({"history", Rom(), "--show", "5"}).out;
  EXPECT_NE(size.find("\n  bytes outside the editor's regions: 113101 bytes, crc32 "), std::string::npos)
      << size;
  EXPECT_NE(size.find(" -> 113117 bytes, crc32 "), std::string::npos) << size;
  EXPECT_NE(Ok({"history", Rom(), "--show", "1"}).out.find("  the whole ROM, 131088 bytes\n"),
            std::string::npos);
}

// The tool lists and shows a history it may not write, and a write notes why it kept no point.
TEST_F(CliHistoryTest, AReadOnlyHistoryIsListedAndShown) {
  Ok({"set", Rom(), "9", "palette1", "1"});
  ::chmod(std::filesystem::path(Rom()).parent_path().c_str(), 0777);
  ::chmod(Rom().c_str(), 0666);
  ::chmod((Rom() + ".history").c_str(), 0444);
  const auto result = RunUnprivileged([&] {
    const auto listed = RunCli({"history", Rom()});
    const auto shown = RunCli({"history", Rom(), "--show", "2"});
    const auto set = RunCli({"set", Rom(), "9", "palette1", "2"});
    return std::to_string(listed.exitCode) + Described(listed.out.substr(listed.out.find('\n') + 1)) +
           std::to_string(shown.exitCode) + shown.out.substr(shown.out.find('\n') + 1) +
           std::to_string(set.exitCode) + set.err;
  });
  if (!result) GTEST_SKIP() << "no unprivileged child";
  EXPECT_EQ(
      *result,
      "0set 9 palette1 1  (screen 9)\n"
      "0  screen 9 palette 1: " +
          std::to_string(DistinctRecord(9)[kRecordPalette1]) +
          " -> 1\n"
          "0quelbrook: note: Restore points are off for this ROM: Quelbrook.nes.history cannot be written "
          "(the file or its folder is read-only). The ROM was written all the same.\n");
  EXPECT_EQ(RomBytes()[static_cast<std::size_t>(ScreenRecordOffset(9) + kRecordPalette1)], 2);
}

TEST_F(CliHistoryTest, ALockedHistoryIsWaitedForThenNotedAndTheWriteGoesAhead) {
  Ok({"set", Rom(), "9", "palette1", "1"});
  sqlite3* holder = nullptr;
  sqlite3_open((Rom() + ".history").c_str(), &holder);
  sqlite3_exec(holder, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr);
  const auto run = RunCli({"set", Rom(), "9", "palette1", "2"});
  // Listing is not held up by another program's write.
  EXPECT_EQ(HistoryLines().size(), 2u);
  sqlite3_close(holder);
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_EQ(run.err,
            "quelbrook: waiting for " + Rom() +
                ".history, which another program is using\n"
                "quelbrook: note: Restore points are off for this ROM: Quelbrook.nes.history is in use: "
                "another program kept it locked for 5 s. The ROM was written all the same.\n");
  EXPECT_EQ(RomBytes()[static_cast<std::size_t>(ScreenRecordOffset(9) + kRecordPalette1)], 2);
}

TEST_F(CliHistoryTest, RestoreBringsBackEachStateAndIsItselfAPoint) {
  std::vector<std::vector<std::uint8_t>> states{RomBytes()};
  for (const char* value : {"1", "2", "3"}) {
    Ok({"set", Rom(), "9", "palette1", value});
    states.push_back(RomBytes());
  }
  for (int point : {2, 1, 4}) {
    const auto run = Ok({"restore", Rom(), std::to_string(point)});
    EXPECT_EQ(run.out + run.err, "");
    EXPECT_TRUE(RomBytes() == states[static_cast<std::size_t>(point - 1)]) << point;
  }
  const auto lines = HistoryLines();
  ASSERT_EQ(lines.size(), 7u);
  EXPECT_EQ(Described(lines[5]), "Restore to point 1  (screen 9)");
  // The same restore twice writes nothing the second time.
  EXPECT_EQ(Ok({"restore", Rom(), "4"}).out, "the ROM already holds point 4\n");
  EXPECT_EQ(HistoryLines().size(), 7u);
}

TEST_F(CliHistoryTest, MistakesAreToldAndChangeNothing) {
  ExpectFailure(RunCli({"history", Rom()}), Rom() + " has no restore points yet");
  ExpectFailure(RunCli({"restore", Rom(), "1"}), Rom() + " has no restore points yet");
  EXPECT_FALSE(std::filesystem::exists(Rom() + ".history"));
  Ok({"set", Rom(), "9", "palette1", "1"});
  const auto kept = RomBytes();
  ExpectFailure(RunCli({"restore", Rom(), "3"}),
                Rom() + ".history: there is no point 3; the history holds 2");
  ExpectFailure(RunCli({"history", Rom(), "--show", "9"}),
                Rom() + ".history: there is no point 9; the history holds 2");
  // Path mistakes name what was typed, as route and play do.
  for (const bool restore : {false, true}) {
    auto call = [&](const std::string& rom) {
      return RunCli(restore ? std::vector<std::string>{"restore", rom, "1"}
                            : std::vector<std::string>{"history", rom});
    };
    ExpectFailure(call(Path("missing.nes")), Path("missing.nes") + ": File not found");
    ExpectFailure(call(Rom() + "/"), Rom() + "/: File not found");
    ExpectFailure(call(Path("")), Path("") + ": File access denied");
  }
  ExpectUsageError(RunCli({"restore", Rom(), "0"}));
  ExpectUsageError(RunCli({"restore", Rom(), "x"}));
  ExpectUsageError(RunCli({"history", Rom(), "--show"}));
  ExpectUsageError(RunCli({"history", Rom(), "--shown", "1"}));
  EXPECT_TRUE(RomBytes() == kept);
}

TEST_F(CliHistoryTest, ADamagedHistoryIsNotedAndTheWriteGoesAhead) {
  WriteText(Rom() + ".history",
            "not a database at all, and long enough to be read as one........................");
  const auto run = RunCli({"set", Rom(), "9", "palette1", "7"});
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_EQ(
      run.err,
      "quelbrook: note: Restore points are off for this ROM: Quelbrook.nes.history is damaged (file is not a "
      "database). The ROM was written all the same.\n");
  EXPECT_EQ(RomBytes()[static_cast<std::size_t>(ScreenRecordOffset(9) + kRecordPalette1)], 7);
  ExpectFailure(RunCli({"history", Rom()}), Rom() + ".history: file is not a database");
}

TEST_F(CliHistoryTest, AnotherRomsHistoryIsNeverRestoredOverThisRom) {
  WriteFile(Path("other.nes"), RomBuilder(kFullRomSize, 0xAA).bytes());
  Ok({"set", Path("other.nes"), "9", "palette1", "1"});
  std::filesystem::copy_file(Path("other.nes.history"), Rom() + ".history");
  const auto kept = RomBytes();
  ExpectFailure(RunCli({"restore", Rom(), "1"}), Rom() + ".history: it was made for another ROM");
  EXPECT_TRUE(RomBytes() == kept);
}

TEST_F(CliHistoryTest, KeepOptionsFoldTheOldestPoints) {
  std::vector<std::vector<std::uint8_t>> states;
  for (const char* value : {"1", "2", "3", "4"}) {
    Ok({"set", Rom(), "9", "palette1", value});
    states.push_back(RomBytes());
  }
  Ok({"history", Rom(), "--keep-points", "2"});
  auto lines = HistoryLines();
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(Described(lines[0]), "The ROM as the oldest points left it  (the whole ROM)");
  EXPECT_EQ(Described(lines[1]), "set 9 palette1 4  (screen 9)");
  Ok({"restore", Rom(), "1"});
  EXPECT_TRUE(RomBytes() == states[2]);
  // The restore is kept, and the state it left folded into the first.
  lines = HistoryLines();
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(Described(lines[1]), "Restore to point 1  (screen 9)");
  ExpectUsageError(RunCli({"history", Rom(), "--keep-points", "1"}));
}

}  // namespace
}  // namespace quelbrook::testing
