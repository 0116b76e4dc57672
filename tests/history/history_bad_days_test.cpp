#include <sqlite3.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <chrono>
#include <csignal>
#include <thread>

#include "history_test_kit.h"
#include "unprivileged.h"

namespace quelbrook::testing {
namespace {

using history::RomHistory;

// The write goes ahead whatever the history's trouble, with a note that says why.
void ExpectWrittenWithNote(const std::string& rom, const std::string& why) {
  auto expected = ReadFile(rom);
  expected[ScreenRecordOffset(4)] ^= 0x0F;
  const std::string note =
      WriteRecorded(rom, {{ScreenRecordOffset(4), {expected[ScreenRecordOffset(4)]}}}, "Save screen 4");
  EXPECT_EQ(ReadFile(rom), expected);
  EXPECT_NE(note.find("Restore points are off for this ROM: Quelbrook.nes.history " + why), std::string::npos)
      << note;
}

TEST_F(HistoryTest, ADamagedHistoryNeverStopsAWriteAndIsLeftAsItWas) {
  WriteText(historyPath, std::string(5000, 'x'));
  ExpectWrittenWithNote(rom, "is damaged");
  EXPECT_EQ(ReadFile(historyPath), std::vector<std::uint8_t>(5000, 'x'));
}

TEST_F(HistoryTest, AnotherRomsHistoryIsNeverWrittenTo) {
  TempDir other;
  const std::string otherRom = (other / "Quelbrook.nes").string();
  RomBuilder(kFullRomSize, 0xAA).Write(otherRom);
  WriteRecorded(otherRom, {{100, {1}}}, "other");
  std::filesystem::copy_file(RomHistory::PathFor(otherRom), historyPath);
  const auto kept = ReadFile(historyPath);
  ExpectWrittenWithNote(rom, "is not this ROM's history: it was made for another ROM");
  EXPECT_EQ(RomHistory(historyPath).Count(), 2);
  // Another program's database is not taken over either.
  std::filesystem::remove(historyPath);
  {
    history::Connection db(historyPath, 1000, {});
    db.Execute("CREATE TABLE notes(text TEXT)");
  }
  ExpectWrittenWithNote(rom, "is not this ROM's history: it is a database of another program");
}

// A read-only file, and a writable file in a read-only folder where SQLite cannot make its
// shared-memory file: both are listed and rebuilt, and a write goes ahead with a note.
TEST_F(HistoryTest, AReadOnlyHistoryIsReadAndNeverStopsAWrite) {
  WriteRecorded(rom, {{100, {1}}}, "first");
  const auto firstState = Rom();
  ::chmod(rom.c_str(), 0666);
  for (const auto& [fileMode, folderMode] : {std::pair{0444, 0777}, std::pair{0666, 0555}}) {
    ::chmod(historyPath.c_str(), static_cast<mode_t>(fileMode));
    ::chmod(dir.path().c_str(), static_cast<mode_t>(folderMode));
    const auto result = RunUnprivileged([&] {
      RomHistory readOnly(historyPath);
      const auto points = readOnly.List();
      if (points.size() != 2 || points[1].words != "first" || readOnly.StateAfter(2) != firstState)
        return std::string("not read");
      auto expected = ReadFile(rom);
      expected[100] = 2;
      const std::string note = WriteRecorded(rom, {{100, {2}}}, "second");
      return ReadFile(rom) == expected ? note : "ROM not written";
    });
    ::chmod(dir.path().c_str(), 0755);
    if (!result) GTEST_SKIP() << "no unprivileged child";
    EXPECT_EQ(*result,
              "Restore points are off for this ROM: Quelbrook.nes.history cannot be written (the file or its "
              "folder is read-only). The ROM was written all the same.")
        << fileMode << " in " << folderMode;
    WriteFile(rom, firstState);
  }
  ::chmod(historyPath.c_str(), 0644);
  EXPECT_EQ(RomHistory(historyPath).Count(), 2);
  EXPECT_EQ(IntegrityCheck(), "ok");
}

TEST_F(HistoryTest, AHistoryThatCannotGrowNeverStopsAWrite) {
  ::chmod(rom.c_str(), 0666);
  ::chmod(dir.path().c_str(), 0777);
  // A file size limit just above the ROM's: its writes fit, the history's first point does not.
  const auto result = RunUnprivileged([&] {
    ::signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{kFullRomSize + 4096, kFullRomSize + 4096};
    ::setrlimit(RLIMIT_FSIZE, &limit);
    auto expected = ReadFile(rom);
    expected[100] = 2;
    const std::string note = WriteRecorded(rom, {{100, {2}}}, "first");
    return ReadFile(rom) == expected ? note : "ROM not written";
  });
  if (!result) GTEST_SKIP() << "no unprivileged child";
  EXPECT_EQ(result->rfind("Restore points are off for this ROM: Quelbrook.nes.history ", 0), 0u) << *result;
  EXPECT_NE(result->find("The ROM was written all the same."), std::string::npos) << *result;
}

// Another program's write lock, taken with SQLite's own calls.
class LockHolder {
 public:
  explicit LockHolder(const std::string& path) {
    sqlite3_open(path.c_str(), &db_);
    sqlite3_exec(db_, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr);
  }
  ~LockHolder() { sqlite3_close(db_); }
  void Release() { sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr); }

 private:
  sqlite3* db_ = nullptr;
};

TEST_F(HistoryTest, AHistoryLockedByAnotherProgramIsWaitedForThenLeftAside) {
  WriteRecorded(rom, {{100, {1}}}, "first");
  LockHolder holder(historyPath);
  int waits = 0;
  auto expected = Rom();
  expected[100] = 2;
  const std::string note = WriteRecorded(rom, {{100, {2}}}, "second", [&] { ++waits; });
  EXPECT_EQ(waits, 1);
  EXPECT_EQ(Rom(), expected);
  EXPECT_NE(note.find("is in use: another program kept it locked for 5 s"), std::string::npos) << note;
  // Readers are not held up by the lock.
  EXPECT_EQ(RomHistory(historyPath).Count(), 2);
  holder.Release();
  // Once free again, the missed write comes in as a change from outside.
  WriteRecorded(rom, {{100, {3}}}, "third");
  const auto points = RomHistory(historyPath).List();
  ASSERT_EQ(points.size(), 4u);
  EXPECT_EQ(points[2].words, "Changed outside the editor");
  EXPECT_EQ(IntegrityCheck(), "ok");
}

// A second editor that keeps the history locked costs one wait in a session, not one a save.
TEST_F(HistoryTest, AKeptHistoryWaitsForALockOnceAndThenWritesWithoutWaiting) {
  WriteRecorded(rom, {{100, {1}}}, "first");
  LockHolder holder(historyPath);
  int waits = 0;
  history::KeptHistory kept(rom, [&] { ++waits; });
  std::vector<std::string> notes;
  for (std::uint8_t value = 2; value <= 4; ++value) {
    const auto start = std::chrono::steady_clock::now();
    notes.push_back(kept.NoteOnce(history::WritePatchesRecorded(kept, {{100, {value}}}, "locked")));
    if (value > 2) {
      EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1)) << int{value};
    }
    EXPECT_EQ(Rom()[100], value);
  }
  EXPECT_EQ(waits, 1);
  EXPECT_NE(notes[0].find("is in use: another program kept it locked for 5 s"), std::string::npos)
      << notes[0];
  EXPECT_EQ(notes[1] + notes[2], "");
  // Free again, the same session keeps points once more; what the locked writes did is one
  // change from outside.
  holder.Release();
  EXPECT_EQ(history::WritePatchesRecorded(kept, {{101, {5}}}, "free again"), "");
  const auto points = kept.Open().List();
  ASSERT_EQ(points.size(), 4u);
  EXPECT_EQ(points[2].words, history::kOutsideChangeWords);
  EXPECT_EQ(points[3].words, "free again");
  EXPECT_EQ(kept.Open().StateAfter(4), Rom());
}

// A reader that finds a point pending does not wait for the lock to settle it.
TEST_F(HistoryTest, AReaderListsALockedHistoryAtOnceWithoutAPendingPoint) {
  history::KeptHistory writer(rom);
  history::WritePatchesRecorded(writer, {{100, {1}}}, "first");
  history::WritePatchesRecorded(writer, {{101, {2}}}, "second");
  LockHolder holder(historyPath);
  int waits = 0;
  history::KeptHistory reader(rom, [&] { ++waits; });
  const auto start = std::chrono::steady_clock::now();
  EXPECT_EQ(reader.Open().List().size(), 2u);
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));
  EXPECT_EQ(waits, 0);
  holder.Release();
  EXPECT_EQ(reader.Open().List().size(), 3u);
}

TEST_F(HistoryTest, AWriteWaitsForALockLetGoInTimeAndKeepsItsPoint) {
  WriteRecorded(rom, {{100, {1}}}, "first");
  LockHolder holder(historyPath);
  std::thread releaser([&] {
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    holder.Release();
  });
  int waits = 0;
  EXPECT_EQ(WriteRecorded(rom, {{100, {2}}}, "second", [&] { ++waits; }), "");
  releaser.join();
  EXPECT_EQ(waits, 1);
  const auto points = RomHistory(historyPath).List();
  ASSERT_EQ(points.size(), 3u);
  EXPECT_EQ(points[2].words, "second");
}

TEST_F(HistoryTest, TwoWritersAtOnceKeepEachOthersPoints) {
  constexpr int kEach = 40;
  // Each as a window would: its history kept open between writes.
  auto writer = [&](long offset) {
    history::KeptHistory kept(rom);
    for (int i = 0; i < kEach; ++i)
      history::WritePatchesRecorded(kept, {{offset, {static_cast<std::uint8_t>(i + 1)}}},
                                    std::to_string(offset));
  };
  std::thread first(writer, ScreenRecordOffset(1));
  std::thread second(writer, ScreenRecordOffset(2));
  first.join();
  second.join();
  RomHistory kept(historyPath);
  EXPECT_EQ(kept.Count(), 1 + 2 * kEach);
  EXPECT_EQ(kept.StateAfter(kept.Count()), Rom());
  for (const auto& point : kept.List()) EXPECT_NE(point.words, history::kOutsideChangeWords);
  EXPECT_EQ(IntegrityCheck(), "ok");
}

}  // namespace
}  // namespace quelbrook::testing
