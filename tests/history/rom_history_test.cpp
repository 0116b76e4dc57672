#include <sys/stat.h>

#include <map>

#include "history_test_kit.h"
#include "unprivileged.h"

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
  constexpr int kSaves = 4 * history::WalCheckpointer::kFramesBeforeCheckpoint;
  {
    history::KeptHistory kept(rom);
    std::mt19937 random(17);
    for (int save = 0; save < kSaves; ++save)
      history::WritePatchesRecorded(kept, {RandomRecordPatch(random)}, "save");
    // A save adds a page of 4 KiB to the log. The log starts afresh once a copy back is done,
    // however late the thread that makes it runs: it never holds all the saves.
    constexpr std::uintmax_t kFrameBytes = 4096 + 24;
    EXPECT_LT(std::filesystem::file_size(log), kSaves * kFrameBytes * 3 / 4);
  }
  EXPECT_FALSE(std::filesystem::exists(log));
  EXPECT_EQ(IntegrityCheck(), "ok");
}

// Rewrites the points of today's history as an older editor kept them: the runs in a table
// of their own (with one whose point is gone, as a missing cascade left them), the ids
// through AUTOINCREMENT, and from format 2 on the totals and the ROM's hash in meta.
void RewriteInOlderFormat(const std::string& historyPath, int format, std::int64_t romHash) {
  struct Point {
    history::PointSummary summary;
    std::vector<int> screens;
    history::RomChange change;
  };
  std::vector<Point> points;
  {
    RomHistory today(historyPath);
    for (int number = 1; number <= today.Count(); ++number)
      points.push_back({today.Summary(number), today.ScreensOf(number), today.ChangeOf(number)});
  }
  for (const char* file : {"", "-wal", "-shm"}) std::filesystem::remove(historyPath + file);
  history::Connection db(historyPath, 1000, {});
  db.Execute(
      "CREATE TABLE meta(key TEXT PRIMARY KEY, value INTEGER NOT NULL);"
      "CREATE TABLE points(id INTEGER PRIMARY KEY AUTOINCREMENT, time INTEGER NOT NULL,"
      " words TEXT NOT NULL, regions TEXT NOT NULL, screens TEXT NOT NULL, size_before INTEGER NOT NULL,"
      " size_after INTEGER NOT NULL, bytes INTEGER NOT NULL, pending INTEGER NOT NULL);"
      "CREATE TABLE runs(point INTEGER NOT NULL REFERENCES points(id) ON DELETE CASCADE,"
      " offset INTEGER NOT NULL, before BLOB NOT NULL, after BLOB NOT NULL);"
      "CREATE INDEX runs_of_point ON runs(point, offset);"
      "INSERT INTO runs VALUES(999, 0, x'', x'01')");
  std::int64_t bytes = 0;
  for (const auto& [summary, screens, change] : points) {
    std::string screenList;
    for (int screen : screens) screenList += (screenList.empty() ? "" : ",") + std::to_string(screen);
    db.Prepare(
          "INSERT INTO points(time, words, regions, screens, size_before, size_after, bytes, pending)"
          " VALUES(?, ?, ?, ?, ?, ?, ?, 0)")
        .Bind(1, summary.time)
        .Bind(2, summary.words)
        .Bind(3, summary.regions)
        .Bind(4, screenList)
        .Bind(5, change.sizeBefore)
        .Bind(6, change.sizeAfter)
        .Bind(7, history::KeptBytes(change))
        .Run();
    const std::int64_t id = db.LastInsertId();
    for (const auto& run : change.runs)
      db.Prepare("INSERT INTO runs VALUES(?, ?, ?, ?)")
          .Bind(1, id)
          .Bind(2, run.offset)
          .Bind(3, run.before)
          .Bind(4, run.after)
          .Run();
    bytes += history::KeptBytes(change);
  }
  const std::pair<const char*, std::int64_t> meta[] = {
      {"format", format},
      {"tip", romHash},
      {"kept_points", static_cast<std::int64_t>(points.size())},
      {"kept_bytes", bytes}};
  for (const auto& [key, value] : meta)
    if (format > 1 || key[0] != 'k')
      db.Prepare("INSERT INTO meta VALUES(?, ?)").Bind(1, std::string(key)).Bind(2, value).Run();
  if (format == 1) db.Execute("CREATE INDEX kept_points ON points(pending, bytes)");
}

// Their files are read as they are where they may not be written, and moved into today's
// table at the first write.
TEST_F(HistoryTest, HistoriesOfOlderFormatsAreReadAndMovedIntoTodaysTable) {
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
    RewriteInOlderFormat(historyPath, format, history::StateHash(Rom()));
    const auto older = ReadFile(historyPath);
    ::chmod(historyPath.c_str(), 0444);
    ::chmod(dir.path().c_str(), 0755);
    const auto read = RunUnprivileged([&]() -> std::string {
      try {
        RomHistory readOnly(historyPath);
        return readOnly.readOnly() && readOnly.List().size() == states.size() &&
                       readOnly.StateAfter(3) == states[2] && readOnly.ChangeOf(4).runs.size() == 1
                   ? "read"
                   : "not read";
      } catch (const history::HistoryError& error) {
        return error.what();
      }
    });
    ::chmod(historyPath.c_str(), 0644);
    if (read) {
      EXPECT_EQ(*read, "read");
    }
    EXPECT_EQ(ReadFile(historyPath), older);

    EXPECT_EQ(WriteRecorded(rom, {RandomRecordPatch(random)}, "after"), "");
    states.push_back(Rom());
    RomHistory kept(historyPath);
    ASSERT_EQ(kept.Count(), static_cast<int>(states.size()));
    for (std::size_t point = 1; point <= states.size(); ++point)
      EXPECT_EQ(kept.StateAfter(static_cast<int>(point)), states[point - 1]) << "point " << point;
    // The ROM's hash came with the history: the write found no change from outside.
    EXPECT_EQ(kept.List()[3].words, "w2");
    EXPECT_EQ(kept.List().back().words, "after");
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
