// Save writes the changed records and nothing else, or nothing at all.
#include "editor_error.h"
#include "recorded_write.h"
#include "rom_history.h"
#include "screen_decoding.h"
#include "world_cells.h"
#include "world_fixture.h"

namespace quelbrook::testing {
namespace {

TEST_F(WorldDocumentTest, SaveWritesOnlyTheChangedRecordsAndTheStartScreen) {
  const auto before = RomBytes();
  document->paint({7, 0}, 0x1F, 1);
  document->paint({8, 0}, 0x1F, 1);
  document->swapScreens(40, 41);
  document->setStartScreen(3);
  int backups = 0;
  const SaveOutcome outcome = document->save([&] { ++backups; });
  EXPECT_TRUE(outcome.written);
  EXPECT_EQ(backups, 1);
  const auto after = RomBytes();
  for (std::size_t offset : ChangedOffsets(before, after))
    EXPECT_TRUE(InRecords(offset, {1, 2, 40, 41}) || offset == kStartScreenOffset) << offset;
  EXPECT_EQ(after[kStartScreenOffset], EncodeStartScreenByte(3));
  EXPECT_EQ(after[ScreenRecordOffset(1) + 7], 0x1F);
  EXPECT_EQ(after[ScreenRecordOffset(40)], DistinctRecord(41)[0]);
  EXPECT_FALSE(document->hasUnsavedChanges());

  History().undo();  // the start screen: unsaved again, against what is now on disk
  EXPECT_TRUE(document->hasUnsavedChanges());
  EXPECT_TRUE(document->changedScreens().empty());
}

TEST_F(WorldDocumentTest, ASaveIsOneRestorePointInItsWordsAndAConflictIsNone) {
  document->paint({7, 0}, 0x1F, 1);
  document->swapScreens(40, 41);
  document->setStartScreen(3);
  ASSERT_TRUE(document->save(nullptr).written);
  const auto saved = RomBytes();
  history::KeptHistory reader(RomPath());
  history::RomHistory& points = reader.Open();
  ASSERT_EQ(points.Count(), 2);
  EXPECT_EQ(points.Summary(2).words, "World editor: save screens 1, 40, 41 and the start screen");
  EXPECT_EQ(points.ScreensOf(2), (std::vector<int>{1, 40, 41}));
  EXPECT_EQ(points.StateAfter(2), saved);
  // A refused save keeps no point.
  document->paint({7, 0}, 0x2E, 1);
  auto changed = RomBytes();
  changed[ScreenRecordOffset(1) + 7] = 0x44;
  WriteFile(RomPath(), changed);
  EXPECT_FALSE(document->save(nullptr).written);
  EXPECT_EQ(points.Count(), 2);
}

TEST_F(WorldDocumentTest, MessageBytesWithoutACharacterSurviveAnEditOfTheirScreen) {
  RecordBytes odd = DistinctRecord(6);
  odd[kRecordMessage + 2] = 0x07;
  odd[kRecordMessage + 3] = 0xE0;
  RomBuilder().DistinctScreens().Record(6, odd).Write(RomPath());
  Open();
  document->paint(CellOfTile(6, 0), 0x33, 1);
  ASSERT_TRUE(document->save(nullptr).written);
  const auto after = RomBytes();
  odd[0] = 0x33;
  EXPECT_TRUE(std::equal(odd.begin(), odd.end(), after.begin() + ScreenRecordOffset(6)));
}

TEST_F(WorldDocumentTest, NothingUnsavedWritesNothing) {
  document->paint({0, 0}, 0x1F, 1);
  History().undo();
  bool called = false;
  const SaveOutcome outcome = document->save([&] { called = true; });
  EXPECT_FALSE(outcome.written);
  EXPECT_FALSE(called) << "no backup for a save that writes nothing";
}

TEST_F(WorldDocumentTest, ARecordChangedOnDiskStopsTheWholeSave) {
  document->paint(CellOfTile(3, 0), 0x1F, 1);
  document->paint(CellOfTile(9, 0), 0x20, 2);
  // Another program changes screen 9's record after the document read it.
  auto onDisk = RomBytes();
  onDisk[ScreenRecordOffset(9) + 30] ^= 0xFF;
  WriteFile(RomPath(), onDisk);
  bool called = false;
  const SaveOutcome outcome = document->save([&] { called = true; });
  EXPECT_FALSE(outcome.written);
  EXPECT_EQ(outcome.conflictingScreens, (std::vector<int>{9}));
  EXPECT_FALSE(called);
  EXPECT_EQ(RomBytes(), onDisk) << "screen 3 is not written either";
  EXPECT_EQ(document->changedScreens(), (std::vector<int>{3, 9}));

  document->reloadScreens(outcome.conflictingScreens);
  EXPECT_EQ(document->record(9)[30], onDisk[ScreenRecordOffset(9) + 30]);
  EXPECT_EQ(document->changedScreens(), (std::vector<int>{3})) << "the other edits stay";
  ASSERT_TRUE(document->save(nullptr).written);
  EXPECT_EQ(RomBytes()[ScreenRecordOffset(3)], 0x1F);
}

TEST_F(WorldDocumentTest, AStartScreenChangedOnDiskIsAConflictToo) {
  document->setStartScreen(3);
  auto onDisk = RomBytes();
  onDisk[kStartScreenOffset] = EncodeStartScreenByte(9);
  WriteFile(RomPath(), onDisk);
  const SaveOutcome outcome = document->save(nullptr);
  EXPECT_TRUE(outcome.startScreenConflict);
  EXPECT_EQ(RomBytes(), onDisk);
}

TEST_F(WorldDocumentTest, AFailedSaveKeepsTheChangesUnsaved) {
  document->paint({0, 0}, 0x1F, 1);
  std::filesystem::remove(RomPath());
  EXPECT_THROW(document->save(nullptr), EditorError);
  EXPECT_TRUE(document->hasUnsavedChanges());
  EXPECT_FALSE(std::filesystem::exists(RomPath())) << "a save never creates the ROM";
}

TEST_F(WorldDocumentTest, AFailingBackupWritesNothing) {
  document->paint({0, 0}, 0x1F, 1);
  const auto before = RomBytes();
  EXPECT_THROW(document->save([] { throw EditorError("no backup"); }), EditorError);
  EXPECT_EQ(RomBytes(), before);
  EXPECT_TRUE(document->hasUnsavedChanges());
}

TEST_F(WorldDocumentTest, ReloadAllTakesTheFileAgainAndForgetsTheHistory) {
  document->paint({0, 0}, 0x1F, 1);
  auto onDisk = RomBytes();
  onDisk[ScreenRecordOffset(100) + 1] = 0x44;
  WriteFile(RomPath(), onDisk);
  document->reloadAll();
  EXPECT_EQ(document->record(100)[1], 0x44);
  EXPECT_EQ(document->record(1), DistinctRecord(1));
  EXPECT_EQ(History().count(), 0);
  EXPECT_FALSE(document->hasUnsavedChanges());
}

}  // namespace
}  // namespace quelbrook::testing
