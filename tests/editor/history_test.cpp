// Undo and redo of screen edits, the unsaved-edits label, the backup kept before the
// first write, and the test copy handed to an emulator.
#include <QAction>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QUndoStack>
#include <chrono>
#include <filesystem>
#include <thread>

#include "byte_map.h"
#include "screen_decoding.h"
#include "screen_edit.h"
#include "window_fixture.h"

namespace quelbrook::testing {
namespace {

class HistoryTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    OpenRom(RomBuilder().DistinctScreens().StartScreenByte(kStartsAt55));
    ASSERT_TRUE(dialogs.messages.isEmpty()) << dialogs.messages.join("\n").toStdString();
  }
  // As the user's clicks arrive: through the controls' signals.
  void Press(const QString& name) { Button(name)->click(); }
  void Paint(int cell, int paletteImage) {
    Click([this, cell] { window->ImageClick(cell); });
    emit Image("Pic" + QString::number(paletteImage))->clicked();
  }
  QString Unsaved() const { return Label("UnsavedLabel")->text(); }
  QStringList Codes() const {
    QStringList codes;
    for (int cell = 1; cell <= kTileCount; ++cell) codes << TileCode(cell);
    return codes;
  }
  QAction* Action(const QKeySequence& keys) const {
    for (auto* action : window->findChildren<QAction*>())
      if (action->shortcuts().contains(keys)) return action;
    return nullptr;
  }
};

TEST(ScreenEditCommand, SwapsTheTwoValuesAndLeavesTheFirstRedoToTheEdit) {
  ScreenEdit before, after;
  after.screen.tileCodes[0] = "AF";
  after.palettePreset = 2;
  QVector<ScreenEdit> applied;
  QUndoStack stack;
  stack.push(new ScreenEditCommand("Paint cell", before, after,
                                   [&applied](const ScreenEdit& edit) { applied << edit; }));
  EXPECT_TRUE(applied.isEmpty()) << "the edit has already happened";
  stack.undo();
  stack.redo();
  ASSERT_EQ(applied.size(), 2);
  EXPECT_EQ(applied[0], before);
  EXPECT_EQ(applied[1], after);
}

TEST_F(HistoryTest, UndoAndRedoWalkBackAndForthThroughEdits) {
  const QStringList loaded = Codes();
  const QString pal1 = Edit("pal1")->text();
  const QPoint marker = Position("selit");
  Paint(3, 176);
  Press("Button32");  // palette 1 up
  Press("Button7");   // item destination up
  Press("Button10");  // clear screen
  EXPECT_EQ(window->history()->count(), 4);
  EXPECT_EQ(Codes(), QStringList(QVector<QString>(kTileCount, "0").toList()));

  window->history()->undo();
  QStringList painted = loaded;
  painted[2] = "AF";
  EXPECT_EQ(Codes(), painted);
  EXPECT_EQ(CentreColour(Image("Image3")->picture()), TileColour(175));
  window->history()->undo();
  EXPECT_EQ(Position("selit"), marker);
  window->history()->undo();
  EXPECT_EQ(Edit("pal1")->text(), pal1);
  window->history()->undo();
  EXPECT_EQ(Codes(), loaded);
  EXPECT_EQ(Unsaved(), "");

  for (int i = 0; i < 4; ++i) window->history()->redo();
  EXPECT_EQ(Codes(), QStringList(QVector<QString>(kTileCount, "0").toList()));
  EXPECT_EQ(Edit("pal1")->text(), QString::number(pal1.toInt() + 1));
  EXPECT_NE(Unsaved(), "");
}

TEST_F(HistoryTest, KindAndPresetStepsUndoWithTheirPictures) {
  const QString kind = Edit("ene2")->text();
  const QColor picture = CentreColour(Image("Enemy2")->picture());
  Press("Button16");
  Press("SpinButton1Down");
  ASSERT_NE(Edit("ene2")->text(), kind);
  window->history()->undo();
  window->history()->undo();
  EXPECT_EQ(Edit("ene2")->text(), kind);
  EXPECT_EQ(CentreColour(Image("Enemy2")->picture()), picture);
  EXPECT_EQ(CentreColour(Image("En2")->picture()), picture);
}

TEST_F(HistoryTest, ReloadAndSaveEndTheHistoryOfAScreen) {
  Paint(1, 2);
  EXPECT_NE(Unsaved(), "");
  Click([this] { window->Button5Click(); });
  EXPECT_EQ(Unsaved(), "");
  Paint(1, 3);
  ShowScreen(56);
  EXPECT_EQ(window->history()->count(), 0);
  EXPECT_EQ(Unsaved(), "");
  Edit("pal2")->setFocus();
  Edit("pal2")->textEdited("7");  // typing is an edit the history does not hold
  EXPECT_NE(Unsaved(), "");
}

TEST_F(HistoryTest, StepsThatChangeNothingLeaveNoHistory) {
  Edit("Edit3")->setText("0");
  Press("Button6");  // "<" at destination 0
  EXPECT_EQ(window->history()->count(), 0);
}

TEST_F(HistoryTest, TheFirstWriteKeepsTheOriginalBesideTheRom) {
  const auto original = RomBytes();
  const std::string backup = RomPath() + ".bak";
  ASSERT_FALSE(std::filesystem::exists(backup));
  Paint(1, 2);
  Click([this] { window->Button5Click(); });
  EXPECT_EQ(ReadFile(backup), original);
  Paint(1, 3);
  Click([this] { window->Button5Click(); });
  EXPECT_EQ(ReadFile(backup), original) << "an existing backup is never replaced";
}

TEST_F(HistoryTest, ShortcutsActLikeClicksOfEnabledButtons) {
  ASSERT_NE(Action(QKeySequence::Save), nullptr);
  ASSERT_NE(Action(QKeySequence(Qt::Key_F5)), nullptr);
  ASSERT_NE(Action(QKeySequence(Qt::CTRL | Qt::Key_Y)), nullptr);
  Paint(1, 2);
  Action(QKeySequence::Save)->trigger();
  EXPECT_EQ(RomBytes()[ScreenRecordOffset(55)], 1);
  Button("Button5")->setEnabled(false);
  Paint(1, 3);
  Action(QKeySequence::Save)->trigger();
  EXPECT_EQ(RomBytes()[ScreenRecordOffset(55)], 1) << "a disabled Save is not pressed by its key";
  EXPECT_NE(Button("Button5")->toolTip().indexOf("Ctrl+S"), -1);
}

TEST_F(HistoryTest, ArrowKeysMoveTheSelectedCellWithinTheGrid) {
  Click([this] { window->MoveSelection(1, 0); });
  EXPECT_EQ(window->state().SelectedCell, 1);
  Click([this] { window->MoveSelection(1, 1); });
  EXPECT_EQ(window->state().SelectedCell, 10);
  Click([this] { window->MoveSelection(-1, 0); });
  Click([this] { window->MoveSelection(-1, 0); });
  EXPECT_EQ(window->state().SelectedCell, 9) << "the left edge stops the move";
  EXPECT_EQ(Position("Red"), Position("Image9") - QPoint(1, 1));
}

class TestRunTest : public HistoryTest {
 protected:
  void SetUp() override {
    HistoryTest::SetUp();
    oldPath_ = qgetenv("PATH");
    const QString bin = Folder() + "/bin";
    QDir().mkpath(bin);
    qputenv("PATH", bin.toLocal8Bit());
    // The copies go to a temporary folder of the test's own, so a test leaves nothing behind.
    oldTmp_ = qgetenv("TMPDIR");
    hadTmp_ = qEnvironmentVariableIsSet("TMPDIR");
    QDir().mkpath(TempFolder());
    qputenv("TMPDIR", TempFolder().toLocal8Bit());
  }
  void TearDown() override {
    qputenv("PATH", oldPath_);
    if (hadTmp_)
      qputenv("TMPDIR", oldTmp_);
    else
      qunsetenv("TMPDIR");
    HistoryTest::TearDown();
  }
  QString TempFolder() const { return Folder() + "/tmp"; }
  QStringList Copies() const { return QDir(TempFolder()).entryList({"quelbrook-test-*.nes"}, QDir::Files); }
  // A stand-in emulator that copies the ROM it is given.
  void InstallEmulator() {
    const QString script = Folder() + "/bin/fceux";
    WriteText(script.toStdString(), "#!/bin/sh\n/bin/cp \"$1\" \"" + Folder().toStdString() + "/ran.nes\"\n");
    QFile::setPermissions(script, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  }
  QByteArray oldPath_;
  QByteArray oldTmp_;
  bool hadTmp_ = false;
};

TEST_F(TestRunTest, TheEmulatorGetsACopyThatStartsOnTheShownScreen) {
  InstallEmulator();
  ShowScreen(70);
  Paint(1, 5);
  const auto before = RomBytes();
  Click([this] { window->TestScreenClick(); });
  ASSERT_TRUE(dialogs.messages.isEmpty()) << dialogs.messages.join("\n").toStdString();
  const auto ran = Folder().toStdString() + "/ran.nes";
  for (int i = 0; i < 100 && !std::filesystem::exists(ran); ++i)
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  const auto copy = ReadFile(ran);
  ASSERT_EQ(copy.size(), before.size());
  EXPECT_EQ(DecodeStartScreenByte(copy[kStartScreenOffset]), 70);
  EXPECT_EQ(copy[ScreenRecordOffset(70)], 4) << "the copy shows the unsaved paint";
  EXPECT_EQ(RomBytes(), before);
}

TEST_F(TestRunTest, WithoutAnEmulatorItSaysWhatToInstall) {
  const auto before = RomBytes();
  Click([this] { window->TestScreenClick(); });
  for (const char* package : {"fceux", "nestopia", "mednafen", "retroarch", "libretro-nestopia"})
    EXPECT_TRUE(LastMessage().contains(package)) << LastMessage().toStdString();
  EXPECT_EQ(RomBytes(), before);
}

// Each run leaves its copy for the emulator; the next run removes those older than a day.
TEST_F(TestRunTest, CopiesOlderThanADayAreRemovedAtTheNextRun) {
  InstallEmulator();
  auto write = [&](const QString& name, int hoursAgo) {
    const QString path = TempFolder() + "/" + name;
    WriteText(path.toStdString(), "old copy");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.setFileTime(QDateTime::currentDateTime().addSecs(-3600 * hoursAgo),
                                 QFileDevice::FileModificationTime));
  };
  write("quelbrook-test-AAAAAA.nes", 49);
  write("quelbrook-test-BBBBBB.nes", 25);
  write("quelbrook-test-CCCCCC.nes", 2);
  write("other-old.nes", 49);
  Click([this] { window->TestScreenClick(); });
  ASSERT_TRUE(dialogs.messages.isEmpty()) << dialogs.messages.join("\n").toStdString();
  const QStringList copies = Copies();
  EXPECT_EQ(copies.size(), 2) << copies.join(", ").toStdString();
  EXPECT_TRUE(copies.contains("quelbrook-test-CCCCCC.nes"));
  EXPECT_FALSE(copies.contains("quelbrook-test-AAAAAA.nes"));
  EXPECT_TRUE(QFile::exists(TempFolder() + "/other-old.nes"));
}

}  // namespace
}  // namespace quelbrook::testing
