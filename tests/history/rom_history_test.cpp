#include <sys/stat.h>

#include <map>

#include "history_test_kit.h"

namespace quelbrook::testing {
namespace {

using history::RomHistory;

TEST_F(HistoryTest, EveryPointRebuildsTheExactRomOfItsMoment) {
  std::mt19937 random(7);
  std::vector<std::vector<std::uint8_t>> states{Rom()};
  for (int write = 0; write < 60; ++write) {
    if (write % 15 == 14) {
      // Whole replacements, one of them longer, as the patch commands make.
      auto bytes = Rom();
      bytes[static_cast<std::size_t>(random() % bytes.size())] ^= 0xFF;
      if (write == 29) bytes.resize(bytes.size() + 100, 0x42);
      EXPECT_EQ(ReplaceRecorded(rom, bytes, "replace"), "");
    } else {
      EXPECT_EQ(WriteRecorded(rom, {RandomRecordPatch(random), RandomRecordPatch(random)}, "patch"), "");
    }
    states.push_back(Rom());
  }
  RomHistory kept(historyPath);
  ASSERT_EQ(kept.Count(), static_cast<int>(states.size()));
  for (std::size_t point = 1; point <= states.size(); ++point)
    EXPECT_EQ(kept.StateAfter(static_cast<int>(point)), states[point - 1]) << "point " << point;
  EXPECT_EQ(IntegrityCheck(), "ok");
}

TEST_F(HistoryTest, APointKeepsItsWordsScreensAndOnlyTheBytesItChanged) {
  auto record = DistinctRecord(40);
  record[5] ^= 0x55;
  record[50] ^= 0x01;
  WriteRecorded(rom, {{ScreenRecordOffset(40), {record.begin(), record.end()}}, {kStartScreenOffset, {9}}},
                "Save screen 40");
  RomHistory kept(historyPath);
  const auto points = kept.List();
  ASSERT_EQ(points.size(), 2u);
  EXPECT_EQ(points[0].words, "The ROM before the first write");
  EXPECT_EQ(points[1].words, "Save screen 40");
  EXPECT_EQ(kept.ScreensOf(2), std::vector<int>{40});
  EXPECT_EQ(points[1].regions, "screen 40; start screen");
  const auto change = kept.ChangeOf(2);
  ASSERT_EQ(change.runs.size(), 3u);
  EXPECT_EQ(change.runs[0].offset, ScreenRecordOffset(40) + 5);
  EXPECT_EQ(change.runs[0].after, std::vector<std::uint8_t>{record[5]});
  EXPECT_EQ(change.runs[1].offset, ScreenRecordOffset(40) + 50);
}

TEST_F(HistoryTest, AWriteThatChangesNothingAddsNoPoint) {
  const auto record = DistinctRecord(3);
  WriteRecorded(rom, {{ScreenRecordOffset(3), {record.begin(), record.end()}}}, "Save screen 3");
  RomHistory kept(historyPath);
  EXPECT_EQ(kept.Count(), 1);
}

TEST_F(HistoryTest, APendingPointIsKeptWhenTheRomHoldsItsBytesAndDroppedOtherwise) {
  WriteRecorded(rom, {{100, {1}}}, "first");
  auto written = Rom();
  written[200] = 7;
  RomHistory(historyPath).Begin(Rom(), written, "reached the disk", 1);
  WriteFile(rom, written);
  auto notWritten = written;
  notWritten[300] = 9;
  RomHistory(historyPath).Begin(written, notWritten, "never reached it", 1);
  RomHistory kept(historyPath);
  kept.Recover(written);
  const auto points = kept.List();
  ASSERT_EQ(points.size(), 3u);
  EXPECT_EQ(points[2].words, "reached the disk");
  EXPECT_EQ(kept.StateAfter(3), written);
  EXPECT_EQ(OrphanedRuns(), 0);
}

// A write's confirmation waits for the next write of its connection; another reader
// meanwhile settles the point against the ROM, so the newest save is listed.
TEST_F(HistoryTest, AnOpenWritersNewestPointIsListedByOtherReaders) {
  history::KeptHistory writer(rom);
  history::WritePatchesRecorded(writer, {{100, {1}}}, "first");
  history::WritePatchesRecorded(writer, {{101, {2}}}, "second");
  history::KeptHistory reader(rom);
  auto points = reader.Open().List();
  ASSERT_EQ(points.size(), 3u);
  EXPECT_EQ(points[2].words, "second");
  EXPECT_EQ(reader.Open().StateAfter(3), Rom());
  // The writer's own record of it comes later and changes nothing.
  history::WritePatchesRecorded(writer, {{102, {3}}}, "third");
  points = reader.Open().List();
  ASSERT_EQ(points.size(), 4u);
  EXPECT_EQ(points[3].words, "third");
  for (const auto& point : points) EXPECT_NE(point.words, history::kOutsideChangeWords);
  EXPECT_EQ(IntegrityCheck(), "ok");
}

TEST_F(HistoryTest, AChangeByAnotherProgramBecomesAPointBeforeTheNextWrite) {
  WriteRecorded(rom, {{100, {1}}}, "first");
  auto outside = Rom();
  outside[ScreenRecordOffset(9)] ^= 0xFF;
  WriteFile(rom, outside);
  WriteRecorded(rom, {{101, {2}}}, "second");
  RomHistory kept(historyPath);
  const auto points = kept.List();
  ASSERT_EQ(points.size(), 4u);
  EXPECT_EQ(points[2].words, "Changed outside the editor");
  EXPECT_EQ(kept.ScreensOf(3), std::vector<int>{9});
  EXPECT_EQ(kept.StateAfter(3), outside);
}

TEST_F(HistoryTest, LimitsFoldTheOldestPointsIntoTheFirstAndKeepEveryLaterState) {
  std::mt19937 random(3);
  std::map<int, std::vector<std::uint8_t>> states;
  WriteRecorded(rom, {RandomRecordPatch(random)}, "before the limit");
  RomHistory(historyPath).SetLimits({5, 1 << 30});
  for (int write = 0; write < 12; ++write)
    WriteRecorded(rom, {RandomRecordPatch(random)}, "w" + std::to_string(write));
  RomHistory kept(historyPath);
  const auto points = kept.List();
  ASSERT_EQ(points.size(), 5u);
  EXPECT_EQ(points[0].words, "The ROM as the oldest points left it");
  EXPECT_EQ(points[1].words, "w8");
  EXPECT_EQ(kept.StateAfter(5), Rom());
  // A byte limit folds as well: one 128 KiB first point is all it leaves room for.
  kept.SetLimits({100, 1});
  EXPECT_EQ(kept.Count(), 1);
  EXPECT_EQ(kept.StateAfter(1), Rom());
  EXPECT_EQ(OrphanedRuns(), 0);
  EXPECT_EQ(IntegrityCheck(), "ok");
}

// A reader settles another editor's point whose bytes reached the ROM while another program
// changed the ROM elsewhere: the next write must still note that change, or the newest point
// would rebuild a ROM that never was.
TEST_F(HistoryTest, ASettledPointLeavesAnOutsideChangeElsewhereToBeNoted) {
  WriteRecorded(rom, {{100, {1}}}, "first");
  auto written = Rom();
  written[200] ^= 1;
  RomHistory(historyPath).Begin(Rom(), written, "written", 1);
  written[ScreenRecordOffset(9)] ^= 1;
  WriteFile(rom, written);
  RomHistory(historyPath).Recover(written);
  EXPECT_EQ(WriteRecorded(rom, {{300, {3}}}, "next"), "");
  RomHistory kept(historyPath);
  const auto points = kept.List();
  ASSERT_EQ(points.size(), 5u);
  EXPECT_EQ(points[3].words, history::kOutsideChangeWords);
  EXPECT_EQ(kept.StateAfter(5), Rom());
}

// Checkpoints run beside the writer: a window that stays open does not grow the log without
// end, and closing it leaves no log behind.
TEST_F(HistoryTest, AKeptHistorysLogIsCopiedBackAsItGrowsAndGoneWhenItCloses) {
  const std::string log = historyPath + "-wal";
  {
    history::KeptHistory kept(rom);
    std::mt19937 random(17);
    for (int save = 0; save < 3 * history::WalCheckpointer::kFramesBeforeCheckpoint / 2; ++save)
      history::WritePatchesRecorded(kept, {RandomRecordPatch(random)}, "save");
    // A save writes two pages of 1 KiB and a little more.
    EXPECT_LT(std::filesystem::file_size(log), 2u * history::WalCheckpointer::kFramesBeforeCheckpoint * 1100);
  }
  EXPECT_FALSE(std::filesystem::exists(log));
  EXPECT_EQ(IntegrityCheck(), "ok");
}

// Older editors numbered points through sqlite_sequence, kept the runs in a table of rowids
// with an index and, before that, counted the points at every save; their files are moved
// into today's tables at the first write, with the runs a missing cascade left behind gone.
TEST_F(HistoryTest, HistoriesOfOlderFormatsAreMovedIntoTodaysTables) {
  for (const int format : {1, 2}) {
    SCOPED_TRACE(format);
    for (const char* file : {"", "-wal", "-shm"}) std::filesystem::remove(historyPath + file);
    RomBuilder().DistinctScreens().Write(rom);
    std::mt19937 random(5);
    std::vector<std::vector<std::uint8_t>> states{Rom()};
    for (int write = 0; write < 3; ++write) {
      WriteRecorded(rom, {RandomRecordPatch(random)}, "w" + std::to_string(write));
      states.push_back(Rom());
    }
    {
      history::Connection db(historyPath, 1000, {});
      db.Execute(
          "ALTER TABLE runs RENAME TO today_runs; ALTER TABLE points RENAME TO today_points;"
          "CREATE TABLE points(id INTEGER PRIMARY KEY AUTOINCREMENT, time INTEGER NOT NULL,"
          " words TEXT NOT NULL, regions TEXT NOT NULL, screens TEXT NOT NULL,"
          " size_before INTEGER NOT NULL, size_after INTEGER NOT NULL, bytes INTEGER NOT NULL,"
          " pending INTEGER NOT NULL);"
          "CREATE TABLE runs(point INTEGER NOT NULL REFERENCES points(id) ON DELETE CASCADE,"
          " offset INTEGER NOT NULL, before BLOB NOT NULL, after BLOB NOT NULL);"
          "CREATE INDEX runs_of_point ON runs(point, offset);"
          "INSERT INTO points SELECT id, time, words, regions, screens, size_before, size_after, bytes, 0"
          " FROM today_points;"
          "INSERT INTO runs SELECT * FROM today_runs;"
          "INSERT INTO meta SELECT 'kept_points', count(*) FROM today_points;"
          "INSERT INTO meta SELECT 'kept_bytes', sum(bytes) FROM today_points;"
          "INSERT INTO meta SELECT 'tip', hash FROM today_points ORDER BY id DESC LIMIT 1;"
          "DROP TABLE today_runs; DROP TABLE today_points;"
          "INSERT INTO runs VALUES(999, 0, x'', x'01');"
          "UPDATE meta SET value = 2 WHERE key = 'format'");
      if (format == 1)
        db.Execute(
            "CREATE INDEX kept_points ON points(pending, bytes);"
            "DELETE FROM meta WHERE key LIKE 'kept_%'; UPDATE meta SET value = 1 WHERE key = 'format'");
    }
    // Read as they are by an editor that may not write them.
    ::chmod(historyPath.c_str(), 0444);
    EXPECT_EQ(RomHistory(historyPath).List().size(), states.size());
    ::chmod(historyPath.c_str(), 0644);

    EXPECT_EQ(WriteRecorded(rom, {RandomRecordPatch(random)}, "after"), "");
    states.push_back(Rom());
    RomHistory kept(historyPath);
    ASSERT_EQ(kept.Count(), static_cast<int>(states.size()));
    for (std::size_t point = 1; point <= states.size(); ++point)
      EXPECT_EQ(kept.StateAfter(static_cast<int>(point)), states[point - 1]) << "point " << point;
    EXPECT_EQ(kept.List().back().words, "after");
    EXPECT_EQ(OrphanedRuns(), 0);
    EXPECT_EQ(IntegrityCheck(), "ok");
  }
}

// An id comes back once the newest point is dropped; the confirmation an open writer still
// holds for its dropped point must not confirm the next writer's point, still being written.
TEST_F(HistoryTest, AHeldConfirmationNeverConfirmsAnotherWritersPointOfTheSameId) {
  const auto before = Rom();
  auto mine = before;
  mine[100] ^= 1;
  RomHistory writer(historyPath);
  const auto id = writer.Begin(before, mine, "mine", 1);
  WriteFile(rom, mine);
  writer.Confirm(id, mine);
  // Another program puts the byte back, and another editor begins its write from there.
  WriteFile(rom, before);
  RomHistory other(historyPath);
  other.Recover(before);
  auto theirs = before;
  theirs[200] ^= 1;
  ASSERT_EQ(other.Begin(before, theirs, "theirs", 2), id);
  EXPECT_EQ(writer.List().size(), 1u);
  EXPECT_TRUE(RomHistory(historyPath).EndsPending());
}

// A save updates the state's hash from the bytes it changed; it must equal a fresh hash.
TEST(RomChangeWords, TheHashAfterAChangeIsTheHashOfTheStateAfterIt) {
  std::mt19937 random(13);
  auto before = RomBuilder().DistinctScreens().bytes();
  auto hash = history::StateHash(before);
  for (int change = 0; change < 200; ++change) {
    auto after = before;
    // Runs of every length, some a byte apart so that they share a word, some at the end.
    for (int run = 0; run < 3; ++run) {
      const auto length = static_cast<std::size_t>(random() % 20 + 1);
      const auto offset = change % 50 == 0 ? after.size() - length : random() % (after.size() - length);
      for (std::size_t i = 0; i < length; ++i) after[offset + i] ^= static_cast<std::uint8_t>(random() | 1);
    }
    if (change % 40 == 39) after.resize(after.size() + 3, 0x42);
    hash = history::StateHashAfter(hash, before, after, history::Difference(before, after));
    ASSERT_EQ(hash, history::StateHash(after)) << change;
    EXPECT_NE(hash, history::StateHash(before));
    before = std::move(after);
  }
}

// Places are named as the ROM's facts name them, field by field where a run of the change
// spans a field that kept its bytes.
TEST(RomChangeWords, RegionsAndPlacesAreNamedByTheRomsFacts) {
  const auto before = RomBuilder().DistinctScreens().bytes();
  auto after = before;
  after[static_cast<std::size_t>(ScreenRecordOffset(3) + kRecordTiles + 47)] ^= 1;
  after[static_cast<std::size_t>(ScreenRecordOffset(3) + kRecordItemDestination)] ^= 1;
  after[static_cast<std::size_t>(kEndCallSiteB2)] ^= 1;
  after[5] ^= 1;
  EXPECT_EQ(history::DescribeRegions(history::Difference(before, after)),
            "screen 3; end screen; bytes outside the editor's regions");
  EXPECT_EQ(history::DifferingPlaces(before, after),
            (std::vector<std::string>{"Screen 3: tiles, item destination", "End screen",
                                      "Bytes outside the editor's regions"}));
  after.resize(after.size() + 4);
  EXPECT_EQ(history::DescribeRegions(history::Difference(before, after)),
            "screen 3; end screen; bytes outside the editor's regions; file size");
}

}  // namespace
}  // namespace quelbrook::testing
