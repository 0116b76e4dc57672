// Restore points from the window: every write kept in its words, and File > Restore points...
#include <sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QStatusBar>
#include <QTreeWidget>

#include "byte_map.h"
#include "hex_text.h"
#include "map_file.h"
#include "recorded_write.h"
#include "restore_points_dialog.h"
#include "rom_history.h"
#include "tpie_file.h"
#include "unprivileged.h"
#include "window_fixture.h"

namespace quelbrook::testing {
namespace {

class RestorePointsTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    OpenRom(RomBuilder().DistinctScreens().StartScreenByte(kStartsAt55));
    ShowScreen(5);
  }
  void SaveTile(int cell, const QString& code) {
    Get<TileCodeTable>("StringGrid1")->setText(cell - 1, code);
    Click([this] { window->Button5Click(); });
  }
  // Read as another window reads them: the window's newest point, whose confirmation waits
  // for its next save, is settled against the ROM.
  std::vector<history::PointSummary> Points() const { return history::KeptHistory(RomPath()).Open().List(); }
  RestorePointsDialog* OpenDialog() {
    Click([this] { window->ShowRestorePoints(); });
    return window->findChild<RestorePointsDialog*>();
  }
  template <typename Control>
  static Control* In(RestorePointsDialog* dialog, const char* name) {
    return dialog->findChild<Control*>(name);
  }
};

TEST_F(RestorePointsTest, EveryWriteOfTheWindowIsAPointInItsWords) {
  SaveTile(1, "1F");
  Edit("Startscreen")->setText("12");
  Click([this] { window->Button37Click(); });
  window->registry().get<QPlainTextEdit>("Memo1")->setPlainText("THE END");
  Click([this] { window->Button41Click(); });
  ASSERT_TRUE(dialogs.messages.isEmpty()) << dialogs.messages.join("\n").toStdString();
  const auto points = Points();
  ASSERT_EQ(points.size(), 4u);
  EXPECT_EQ(points[1].words, "Save screen 5");
  EXPECT_EQ(history::KeptHistory(RomPath()).Open().ScreensOf(2), std::vector<int>{5});
  EXPECT_EQ(points[2].words, "Set start screen 12");
  EXPECT_EQ(points[2].regions, "start screen");
  EXPECT_EQ(points[3].words, "Save ending text");
}

// Each writing operation of the window: one point, its words, and bytes changed only where
// the operation writes.
TEST_F(RestorePointsTest, EachSettingAndImportLeavesOnePointWithItsRanges) {
  auto onlyWithin = [](const history::RomChange& change, long first, long end) {
    for (const auto& run : change.runs)
      if (run.offset < first || run.offset + static_cast<long>(run.after.size()) > end) return false;
    return !change.runs.empty();
  };
  Edit("Endscreen")->setText("12");
  dialogs.questionAnswers = {true};
  Click([this] { window->Button40Click(); });
  MapFile codes;
  codes.fill("1F");
  const std::string map = (dir / "all.map").string();
  WriteText(map, WriteMapFile(codes));
  dialogs.fileAnswers << QString::fromStdString(map);
  Click([this] { window->Button28Click(); });
  const std::string tpiePath = (dir / "five.tpie").string();
  dialogs.fileAnswers << QString::fromStdString(tpiePath);
  Click([this] { window->Button33Click(); });
  const auto exported = ReadFile(tpiePath);
  TpieFile tpie = ReadTpieFile(std::string(exported.begin(), exported.end())).values;
  tpie.message = u"FROM A FILE";
  WriteText(tpiePath, WriteTpieFile(tpie));
  dialogs.fileAnswers << QString::fromStdString(tpiePath);
  Click([this] { window->Button34Click(); });
  ASSERT_TRUE(dialogs.messages.isEmpty()) << dialogs.messages.join("\n").toStdString();

  history::KeptHistory reader(RomPath());
  history::RomHistory& kept = reader.Open();
  const auto points = kept.List();
  ASSERT_EQ(points.size(), 4u);
  EXPECT_EQ(points[1].words, "Set end screen 12");
  EXPECT_EQ(points[1].regions, "end screen");
  EXPECT_TRUE(onlyWithin(kept.ChangeOf(2), kEndCallSiteB1, kFirstScreenRecordOffset));
  EXPECT_EQ(points[2].words, "Import map all.map");
  EXPECT_EQ(kept.ScreensOf(3), std::vector<int>{5});
  EXPECT_TRUE(onlyWithin(kept.ChangeOf(3), ScreenRecordOffset(5), ScreenRecordOffset(5) + kTileCount));
  EXPECT_EQ(points[3].words, "Import T/P/I/E five.tpie");
  EXPECT_TRUE(onlyWithin(kept.ChangeOf(4), ScreenRecordOffset(5) + kRecordMessage,
                         ScreenRecordOffset(5) + kRecordMessage + kMessageLength));
}

TEST_F(RestorePointsTest, TheDialogListsNewestFirstShowsComparesAndRestores) {
  const auto original = RomBytes();
  SaveTile(1, "1F");
  const auto afterFirst = RomBytes();
  SaveTile(2, "2E");
  RestorePointsDialog* dialog = OpenDialog();
  ASSERT_NE(dialog, nullptr) << LastMessage().toStdString();
  auto* list = In<QTreeWidget>(dialog, "PointList");
  ASSERT_EQ(list->topLevelItemCount(), 3);
  EXPECT_EQ(list->topLevelItem(0)->text(0), "3");
  EXPECT_EQ(list->topLevelItem(0)->text(2), "Save screen 5");
  EXPECT_EQ(list->topLevelItem(0)->text(3), "screen 5");
  EXPECT_EQ(list->topLevelItem(2)->text(2), "The ROM before the first write");
  EXPECT_FALSE(In<QLabel>(dialog, "BeforePicture")->pixmap().isNull());
  EXPECT_FALSE(In<QLabel>(dialog, "AfterPicture")->pixmap().isNull());

  dialog->selectPoint(1);
  In<QPushButton>(dialog, "CompareButton")->click();
  EXPECT_EQ(In<QPlainTextEdit>(dialog, "Comparison")->toPlainText(),
            "What point 1 would change:\nScreen 5: tiles");

  dialog->selectPoint(2);
  dialogs.questionAnswers = {true};
  In<QPushButton>(dialog, "RestoreButton")->click();
  EXPECT_TRUE(RomBytes() == afterFirst);
  // The shown screen is read again from the restored ROM.
  EXPECT_EQ(TileCode(1), "1F");
  EXPECT_EQ(TileCode(2), QString::fromStdString(IntToHexText(DistinctRecord(5)[1])));
  ASSERT_EQ(list->topLevelItemCount(), 4);
  EXPECT_EQ(list->topLevelItem(0)->text(2), "Restore to point 2");
  // Answering No writes nothing; the restore of point 1 is undone by restoring point 4's.
  dialog->selectPoint(1);
  dialogs.questionAnswers = {false};
  In<QPushButton>(dialog, "RestoreButton")->click();
  EXPECT_TRUE(RomBytes() == afterFirst);
  dialogs.questionAnswers = {true};
  In<QPushButton>(dialog, "RestoreButton")->click();
  EXPECT_TRUE(RomBytes() == original);
  EXPECT_EQ(Edit("Edit1")->text(), "5");
  EXPECT_TRUE(dialogs.messages.isEmpty()) << dialogs.messages.join("\n").toStdString();
}

TEST_F(RestorePointsTest, WithoutAHistoryOrWithADamagedOneTheWindowSaysWhyOnce) {
  Click([this] { window->ShowRestorePoints(); });
  EXPECT_EQ(LastMessage(), "There are no restore points of this ROM yet: every save from now on makes one.");
  WriteText(history::RomHistory::PathFor(RomPath()), std::string(4096, 'x'));
  dialogs.messages.clear();
  SaveTile(1, "1F");
  SaveTile(2, "2E");
  ASSERT_EQ(dialogs.messages.size(), 1);
  EXPECT_EQ(dialogs.messages[0].toStdString(),
            "Restore points are off for this ROM: Quelbrook.nes.history is damaged (file is not a database). "
            "The ROM "
            "was written all the same.");
  EXPECT_EQ(RomBytes()[static_cast<std::size_t>(ScreenRecordOffset(5) + 1)], 0x2E);
  Click([this] { window->ShowRestorePoints(); });
  EXPECT_EQ(LastMessage().toStdString(),
            "Restore points are off for this ROM: Quelbrook.nes.history is damaged (file is not a database)");
}

// A history this user may not write still lists its points; a save says once why it kept no
// point, and goes through.
TEST_F(RestorePointsTest, AReadOnlyHistoryIsListedAndASaveSaysWhyOnce) {
  {
    // Written before the window holds the history open: an open database is no child's to use.
    history::KeptHistory tool(RomPath());
    history::WritePatchesRecorded(tool, {{ScreenRecordOffset(5) + 1, {0x1F}}}, "set 5 tile2 1F");
  }
  ::chmod(dir.path().c_str(), 0777);
  ::chmod(RomPath().c_str(), 0666);
  ::chmod(history::RomHistory::PathFor(RomPath()).c_str(), 0444);
  const auto result = RunUnprivileged([this] {
    ::alarm(60);  // a child that hangs is no answer
    RestorePointsDialog* dialog = OpenDialog();
    if (!dialog) return "no dialog: " + LastMessage().toStdString();
    const auto listed = In<QTreeWidget>(dialog, "PointList")->topLevelItemCount();
    const bool limitsOff = !In<QSpinBox>(dialog, "KeepPoints")->isEnabled();
    dialog->close();
    SaveTile(2, "2E");
    SaveTile(3, "3D");
    return std::to_string(listed) + (limitsOff ? " limits off\n" : " limits on\n") +
           dialogs.messages.join("\n").toStdString() + "\n" +
           std::to_string(RomBytes()[static_cast<std::size_t>(ScreenRecordOffset(5) + 2)]);
  });
  if (!result) GTEST_SKIP() << "no unprivileged child";
  EXPECT_EQ(
      *result,
      "2 limits off\nRestore points are off for this ROM: Quelbrook.nes.history cannot be written (the file "
      "or its folder is read-only). The ROM was written all the same.\n" +
          std::to_string(0x3D));
}

// Another program holding the history's write lock: the window says it waits, then once that
// it kept no point, and the save costs no byte.
TEST_F(RestorePointsTest, ALockedHistoryIsWaitedForAndTheSaveGoesThrough) {
  SaveTile(1, "1F");
  sqlite3* holder = nullptr;
  sqlite3_open(history::RomHistory::PathFor(RomPath()).c_str(), &holder);
  sqlite3_exec(holder, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr);
  SaveTile(2, "2E");
  EXPECT_EQ(window->statusBar()->currentMessage(),
            "Waiting for Quelbrook.nes.history, which another program is using...");
  sqlite3_close(holder);
  ASSERT_EQ(dialogs.messages.size(), 1);
  EXPECT_EQ(dialogs.messages[0].toStdString(),
            "Restore points are off for this ROM: Quelbrook.nes.history is in use: another program kept it "
            "locked for 5 s. The ROM was written all the same.");
  EXPECT_EQ(RomBytes()[static_cast<std::size_t>(ScreenRecordOffset(5) + 1)], 0x2E);
  // Free again, the next save keeps its point and the missed one as a change from outside.
  SaveTile(3, "3D");
  const auto points = Points();
  ASSERT_EQ(points.size(), 4u);
  EXPECT_EQ(points[2].words, history::kOutsideChangeWords);
  EXPECT_EQ(points[3].words, "Save screen 5");
}

}  // namespace
}  // namespace quelbrook::testing
