// The Play panel in the real window: F6 plays the shown screen, keys reach the game, closing
// lets the next F6 start the core again, the key map is remembered, and a ROM refused while a
// game plays leaves either that game or none.
#include "play_panel.h"

#include <QAction>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QSettings>
#include <QStandardPaths>
#include <QTest>

#include "byte_map.h"
#include "core_search.h"
#include "game_identity.h"
#include "host.h"
#include "input_script.h"
#include "pad_sprite.h"
#include "play_view.h"
#include "screen_decoding.h"
#include "state_slots.h"
#include "window_fixture.h"
#include "world_canvas.h"
#include "world_cells.h"
#include "world_document.h"
#include "world_editor.h"

namespace quelbrook::testing {
namespace {

class PlayPanelTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    PlaySettings()->clear();
    // The test program, laid out as the game's cartridge, with a start screen to show.
    auto rom = ReadFile(QUELBROOK_PAD_SPRITE_ROM);
    rom[kStartScreenOffset] = EncodeStartScreenByte(12);
    OpenInActiveWindow(rom);
  }

  PlayPanel* Panel() const { return window->findChild<PlayPanel*>("PlayPanel", Qt::FindDirectChildrenOnly); }
  PlayPanel* PressF6() {
    QTest::keyClick(window.get(), Qt::Key_F6);
    EXPECT_TRUE(dialogs.messages.isEmpty()) << dialogs.messages.join("\n").toStdString();
    return Panel();
  }
  // F6, once the game drew its first pictures.
  PlayPanel* PressF6AndWait() {
    PlayPanel* panel = PressF6();
    if (panel) {
      EXPECT_TRUE(QTest::qWaitFor([panel] { return panel->host().FramesRun() > 8; }));
    }
    return panel;
  }
  void ClosePanel() {
    Panel()->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_EQ(Panel(), nullptr);
  }
  static QImage Shown(PlayPanel* panel) { return panel->view()->Picture(); }
  static QString Status(PlayPanel* panel) { return panel->findChild<QLabel*>("PlayStatus")->text(); }
  // The slots of the ROM as the panel keeps them.
  play::StateSlots Slots(PlayPanel* panel) const {
    return play::StateSlots(QString::fromStdString(RomPath()),
                            {panel->host().CoreName(), play::GameIdentity(panel->rom())});
  }
  // Holds a key for a while, then lets the frame after the release show.
  static void HoldKey(PlayPanel* panel, Qt::Key key, int milliseconds) {
    QTest::keyPress(panel->view(), key);
    QTest::qWait(milliseconds);
    QTest::keyRelease(panel->view(), key);
    QTest::qWait(50);
  }
  void RemoveSlots(PlayPanel* panel) const {
    for (int slot = 0; slot <= play::kNumberedSlots; ++slot) QFile::remove(Slots(panel).PathOf(slot));
  }
};

TEST_F(PlayPanelTest, F6PlaysTheShownScreenAndKeysReachTheGame) {
  const auto romBefore = RomBytes();
  PlayPanel* panel = PressF6();
  ASSERT_NE(panel, nullptr);
  EXPECT_TRUE(panel->isVisible());
  QTRY_VERIFY2(panel->host().FramesRun() > 8, "the timer runs the game");
  EXPECT_EQ(Shown(panel), PadSpritePicture(kSpriteStart));

  QTest::keyPress(panel->view(), Qt::Key_Right);
  QTest::qWait(200);
  QTest::keyRelease(panel->view(), Qt::Key_Right);
  QTest::qWait(50);  // the last press shows a frame later
  const QPoint moved = SpriteIn(Shown(panel));
  EXPECT_GT(moved.x(), kSpriteStart.x() + 3) << "the frames change with the pad";
  EXPECT_EQ(moved.y(), kSpriteStart.y());

  QTest::keyPress(panel->view(), Qt::Key_X);
  QTest::qWait(100);
  EXPECT_EQ(Shown(panel), PadSpritePicture(moved, kSpriteColourA)) << "X is A";
  QTest::keyRelease(panel->view(), Qt::Key_X);
  EXPECT_EQ(ChangedOffsets(romBefore, RomBytes()), std::vector<std::size_t>())
      << "the ROM itself is only read";
}

TEST_F(PlayPanelTest, ACopyOfTheShownRecordWithItsEditsIsPlayed) {
  ShowScreen(30);
  Click([this] { window->ImageClick(5); });
  Click([this] { window->PicClick(0x22); });  // palette picture n is tile code n - 1
  PlayPanel* panel = PressF6();
  ASSERT_NE(panel, nullptr);
  const QByteArray copy = panel->rom();
  EXPECT_EQ(std::uint8_t(copy[kStartScreenOffset]), EncodeStartScreenByte(30));
  EXPECT_EQ(std::uint8_t(copy[ScreenRecordOffset(30) + 4]), 0x21);
  EXPECT_EQ(RomBytes()[ScreenRecordOffset(30) + 4], 0) << "the edit is not saved";

  Click([this] { window->ImageClick(6); });
  Click([this] { window->PicClick(0x23); });
  EXPECT_EQ(PressF6(), panel) << "F6 again restarts the same panel";
  EXPECT_EQ(std::uint8_t(panel->rom()[ScreenRecordOffset(30) + 5]), 0x22) << "with the new edit";
  EXPECT_LT(panel->host().FramesRun(), 5);
}

TEST_F(PlayPanelTest, ClosingFreesTheCoreForTheNextF6) {
  ASSERT_NE(PressF6(), nullptr);
  ClosePanel();
  PlayPanel* again = PressF6();
  ASSERT_NE(again, nullptr);
  QTest::qWait(100);
  EXPECT_EQ(Shown(again), PadSpritePicture(kSpriteStart));
}

TEST_F(PlayPanelTest, PauseStopsTheGameAndRestartGoesBackToTheScreen) {
  PlayPanel* panel = PressF6();
  ASSERT_NE(panel, nullptr);
  QTest::keyPress(panel->view(), Qt::Key_Down);
  QTest::qWait(150);
  panel->findChild<QPushButton*>("PauseButton")->click();
  QTest::keyRelease(panel->view(), Qt::Key_Down);
  const auto frames = panel->host().FramesRun();
  QTest::qWait(100);
  EXPECT_EQ(panel->host().FramesRun(), frames);
  EXPECT_EQ(panel->findChild<QLabel*>("PlayStatus")->text(), "Paused");

  panel->findChild<QPushButton*>("RestartButton")->click();
  EXPECT_FALSE(panel->IsPaused());
  QTest::qWait(150);
  EXPECT_EQ(Shown(panel), PadSpritePicture(kSpriteStart));
}

// The quick slot outlives the panel, lies in the user's data folder, and leaves the ROM alone.
TEST_F(PlayPanelTest, F2SavesTheStateOfThisRomAndF4GoesBackToItInTheNextPanelToo) {
  const auto romBefore = RomBytes();
  PlayPanel* panel = PressF6();
  ASSERT_NE(panel, nullptr);
  QTRY_VERIFY(panel->host().FramesRun() > 8);
  auto* status = panel->findChild<QLabel*>("PlayStatus");
  QTest::keyClick(panel->view(), Qt::Key_F4);
  EXPECT_EQ(status->text(), "The quick slot of Quelbrook.nes is empty: F2 saves the game's state there");

  QTest::keyPress(panel->view(), Qt::Key_Right);
  QTest::qWait(150);
  QTest::keyRelease(panel->view(), Qt::Key_Right);
  QTest::qWait(50);
  const QPoint saved = SpriteIn(Shown(panel));
  ASSERT_GT(saved.x(), kSpriteStart.x());
  QTest::keyClick(panel->view(), Qt::Key_F2);
  EXPECT_EQ(status->text(), "State saved in the quick slot: F4 goes back to it");
  const QString stateFile = Slots(panel).PathOf(play::kQuickSlot);
  EXPECT_TRUE(stateFile.startsWith(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)));
  EXPECT_TRUE(QFile::exists(stateFile));

  QTest::keyPress(panel->view(), Qt::Key_Down);
  QTest::qWait(150);
  QTest::keyRelease(panel->view(), Qt::Key_Down);
  ASSERT_NE(SpriteIn(Shown(panel)), saved);
  QTest::keyClick(panel->view(), Qt::Key_F4);
  EXPECT_EQ(status->text(), "State loaded from the quick slot");
  EXPECT_EQ(Shown(panel), PadSpritePicture(saved));

  ClosePanel();
  window->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
  panel = PressF6();
  ASSERT_NE(panel, nullptr);
  QTest::keyClick(panel->view(), Qt::Key_F4);
  EXPECT_EQ(Shown(panel), PadSpritePicture(saved)) << "the slot is the ROM's, not the panel's";
  EXPECT_TRUE(dialogs.messages.isEmpty()) << dialogs.messages.join("\n").toStdString();
  EXPECT_EQ(RomBytes(), romBefore);
  QFile::remove(stateFile);
}

TEST_F(PlayPanelTest, AStateTheCoreRefusesIsAMessageAndTheGamePlaysOn) {
  PlayPanel* panel = PressF6();
  ASSERT_NE(panel, nullptr);
  QTRY_VERIFY(panel->host().FramesRun() > 8);
  Slots(panel).Save(play::kQuickSlot, "no state");
  QTest::keyClick(panel->view(), Qt::Key_F4);
  EXPECT_EQ(LastMessage(),
            "The NES core nestopia_libretro.so refused the saved state: it was saved from another game or "
            "another core.");
  const auto frames = panel->host().FramesRun();
  QTRY_VERIFY(panel->host().FramesRun() > frames + 2);
  EXPECT_EQ(Shown(panel), PadSpritePicture(kSpriteStart));
  RemoveSlots(panel);
}

// Ctrl and a digit save in a numbered slot, the digit loads it; the quick slot and the other
// numbered slots stay as they were, and the States menu says which slots are empty.
TEST_F(PlayPanelTest, NumberedSlotsSaveAndLoadByDigitAndByMenu) {
  PlayPanel* panel = PressF6AndWait();
  ASSERT_NE(panel, nullptr);
  HoldKey(panel, Qt::Key_Right, 150);
  const QPoint saved = SpriteIn(Shown(panel));
  QTest::keyClick(panel->view(), Qt::Key_2, Qt::ControlModifier);
  EXPECT_EQ(Status(panel), "State saved in slot 2: 2 goes back to it");

  HoldKey(panel, Qt::Key_Down, 150);
  const QPoint moved = SpriteIn(Shown(panel));
  ASSERT_NE(moved, saved);
  QTest::keyClick(panel->view(), Qt::Key_3);
  EXPECT_EQ(Status(panel), "Slot 3 of Quelbrook.nes is empty: Ctrl+3 saves the game's state there");
  EXPECT_EQ(SpriteIn(Shown(panel)), moved) << "an empty slot changes nothing";
  QTest::keyClick(panel->view(), Qt::Key_F4);
  EXPECT_EQ(SpriteIn(Shown(panel)), moved) << "the quick slot is another slot";

  auto* menu = panel->findChild<QMenu*>("StatesMenu");
  ASSERT_NE(menu, nullptr);
  emit menu->aboutToShow();
  QStringList texts;
  QAction* load2 = nullptr;
  for (QAction* action : menu->actions()) {
    texts << action->text();
    if (action->text() == "Load slot 2\t2") load2 = action;
  }
  EXPECT_TRUE(texts.contains("Load slot 3 (empty)\t3")) << texts.join(" | ").toStdString();
  EXPECT_TRUE(texts.contains("Save in the quick slot\tF2"));
  ASSERT_NE(load2, nullptr);
  load2->trigger();
  EXPECT_EQ(Status(panel), "State loaded from slot 2");
  EXPECT_EQ(Shown(panel), PadSpritePicture(saved));
  EXPECT_TRUE(dialogs.messages.isEmpty()) << dialogs.messages.join("\n").toStdString();
  RemoveSlots(panel);
}

// Backspace held runs the game backwards, one frame for each frame shown, down to the oldest
// frame kept; let go, the game plays on. The panel's keys cannot become the pad's.
TEST_F(PlayPanelTest, BackspaceHeldRunsTheGameBackwardsToTheOldestFrame) {
  PlayPanel* panel = PressF6AndWait();
  ASSERT_NE(panel, nullptr);
  HoldKey(panel, Qt::Key_Right, 300);
  const int walked = SpriteIn(Shown(panel)).x();
  ASSERT_GT(walked, kSpriteStart.x() + 5);
  auto* pause = panel->findChild<QPushButton*>("PauseButton");
  pause->click();
  QTest::keyClick(panel->view(), Qt::Key_Backspace);
  EXPECT_EQ(Status(panel), "Paused, one frame back");
  EXPECT_TRUE(panel->IsPaused());
  pause->click();

  QTest::keyPress(panel->view(), Qt::Key_Backspace);
  EXPECT_EQ(Status(panel), "Running backwards");
  QTest::qWait(120);
  const int back = SpriteIn(Shown(panel)).x();
  EXPECT_LT(back, walked) << "backwards";
  EXPECT_GT(back, kSpriteStart.x()) << "smoothly, not at once";
  QTRY_COMPARE(Status(panel), QString("At the oldest frame kept, 10 seconds back at most"));
  EXPECT_NE(SpriteIn(Shown(panel)), kSpriteStart) << "the first frame, before the program drew";
  QTest::keyRelease(panel->view(), Qt::Key_Backspace);
  EXPECT_TRUE(Status(panel).startsWith("Playing"));
  QTRY_COMPARE(Shown(panel), PadSpritePicture(kSpriteStart));

  QPushButton* aKey = panel->findChild<QPushButton*>("KeyButton_a");
  aKey->click();
  QTest::keyClick(panel->view(), Qt::Key_Backspace);
  EXPECT_EQ(Status(panel), "Backspace is one of the panel's own keys: choose another for the pad");
  EXPECT_EQ(aKey->text(), "A: X");
}

// Recording starts the copy again, so the script replayed from power-on draws the same frame.
TEST_F(PlayPanelTest, ARecordedRouteIsAScriptThatPlaysTheSameFramesAgain) {
  PlayPanel* panel = PressF6();
  ASSERT_NE(panel, nullptr);
  QTRY_VERIFY(panel->host().FramesRun() > 8);
  auto* record = panel->findChild<QPushButton*>("RecordButton");
  record->click();
  EXPECT_LT(panel->host().FramesRun(), 5) << "from the start of the game";
  QTest::keyPress(panel->view(), Qt::Key_Right);
  QTest::qWait(150);
  QTest::keyPress(panel->view(), Qt::Key_Down);
  QTest::qWait(100);
  QTest::keyRelease(panel->view(), Qt::Key_Right);
  QTest::keyRelease(panel->view(), Qt::Key_Down);
  QTest::qWait(50);
  panel->findChild<QPushButton*>("PauseButton")->click();
  const QImage last = Shown(panel);
  const auto frames = panel->host().FramesRun();
  const QByteArray copy = panel->rom();
  const QString routeFile = QString::fromStdString((dir / "route.txt").string());
  dialogs.fileAnswers.push_back(routeFile);
  record->click();
  EXPECT_EQ(panel->findChild<QLabel*>("PlayStatus")->text(),
            "Route saved: quelbrook route Quelbrook.nes route.txt --screen 12 plays it again");
  ClosePanel();

  const auto text = ReadFile(routeFile.toStdString());
  const auto script = play::InputScript::Parse(std::string(text.begin(), text.end() - 1));
  play::Host host(play::ChooseNesCore({}), QString::fromStdString((dir / "play").string()));
  host.LoadRom(copy, "copy");
  for (std::int64_t frame = 0; frame < frames; ++frame) {
    host.SetPad(script.PadAt(long(frame)));
    host.RunFrame();
  }
  EXPECT_EQ(host.Frame(), last);
  EXPECT_NE(last, PadSpritePicture(kSpriteStart)) << "the sprite moved";
}

TEST_F(PlayPanelTest, AChangedKeyIsUsedAndRemembered) {
  PlayPanel* panel = PressF6();
  ASSERT_NE(panel, nullptr);
  QPushButton* aKey = panel->findChild<QPushButton*>("KeyButton_a");
  EXPECT_EQ(aKey->text(), "A: X");
  EXPECT_EQ(panel->findChild<QPushButton*>("KeyButton_select")->text(), "Select: Right Shift");
  aKey->click();
  EXPECT_EQ(aKey->text(), "A: press a key...");
  QTest::keyClick(panel->view(), Qt::Key_C);
  EXPECT_EQ(aKey->text(), "A: C");
  ClosePanel();

  panel = PressF6();
  ASSERT_NE(panel, nullptr);
  EXPECT_EQ(panel->findChild<QPushButton*>("KeyButton_a")->text(), "A: C") << "remembered";
  QTest::qWait(50);
  QTest::keyPress(panel->view(), Qt::Key_C);
  QTest::qWait(100);
  EXPECT_EQ(Shown(panel), PadSpritePicture(kSpriteStart, kSpriteColourA));
  QTest::keyRelease(panel->view(), Qt::Key_C);
}

TEST_F(PlayPanelTest, ARomTheCoreCannotRunIsAMessageAndNoPanel) {
  auto rom = RomBytes();
  rom[0] = 'X';  // no iNES header
  WriteFile(RomPath(), rom);
  QTest::keyClick(window.get(), Qt::Key_F6);
  EXPECT_EQ(LastMessage(), "Quelbrook.nes is not an NES ROM: it does not begin with an iNES header.");
  EXPECT_EQ(Panel(), nullptr);

  rom[0] = 'N';
  rom[6] = 0x20;  // mapper 98, which the core refuses
  rom[7] = 0x60;
  WriteFile(RomPath(), rom);
  QTest::keyClick(window.get(), Qt::Key_F6);
  EXPECT_EQ(LastMessage(), "The NES core refused Quelbrook.nes.");
  EXPECT_EQ(Panel(), nullptr);
  EXPECT_EQ(RomBytes(), rom) << "the ROM is only read";
}

TEST_F(PlayPanelTest, ARomRefusedWhilePlayingLeavesTheGameRunningAndTheEditsKept) {
  ShowScreen(30);
  Click([this] { window->ImageClick(5); });
  Click([this] { window->PicClick(0x22); });
  PlayPanel* panel = PressF6();
  ASSERT_NE(panel, nullptr);
  auto rom = RomBytes();
  rom[0] = rom[1] = rom[2] = 'X';  // a rebuild gone wrong
  WriteFile(RomPath(), rom);
  QTest::keyClick(window.get(), Qt::Key_F6);
  EXPECT_EQ(LastMessage(), "Quelbrook.nes is not an NES ROM: it does not begin with an iNES header.");
  ASSERT_EQ(Panel(), panel);
  EXPECT_FALSE(panel->IsPaused()) << "the game it had plays on";
  auto* pause = panel->findChild<QPushButton*>("PauseButton");
  pause->click();
  pause->click();
  const auto frames = panel->host().FramesRun();
  QTRY_VERIFY(panel->host().FramesRun() > frames + 2);
  EXPECT_EQ(dialogs.messages.size(), 1);
  EXPECT_EQ(TileCode(5), "21") << "the unsaved edit is still there";
  EXPECT_EQ(RomBytes(), rom);
}

TEST_F(PlayPanelTest, ARomTheCoreRefusesWhilePlayingLeavesNoGameToRun) {
  PlayPanel* panel = PressF6();
  ASSERT_NE(panel, nullptr);
  const auto good = RomBytes();
  auto rom = good;
  rom[6] = 0x20;  // mapper 98, which the core refuses once the old game is gone
  rom[7] = 0x60;
  WriteFile(RomPath(), rom);
  QTest::keyClick(window.get(), Qt::Key_F6);
  EXPECT_EQ(LastMessage(), "The NES core refused Quelbrook.nes.");
  ASSERT_EQ(Panel(), panel);
  EXPECT_FALSE(panel->host().HasRom());
  EXPECT_TRUE(panel->IsPaused());
  EXPECT_FALSE(panel->findChild<QPushButton*>("PauseButton")->isEnabled());
  EXPECT_FALSE(panel->findChild<QPushButton*>("RestartButton")->isEnabled());
  EXPECT_EQ(panel->findChild<QLabel*>("PlayStatus")->text(),
            "No game: press F6 in the editor to play its screen");
  EXPECT_TRUE(Shown(panel).isNull()) << "no frozen frame";
  panel->SetPaused(false);
  QTest::qWait(50);
  EXPECT_TRUE(panel->IsPaused()) << "nothing to run";
  EXPECT_EQ(dialogs.messages.size(), 1);

  WriteFile(RomPath(), good);
  Button("PlayScreenButton")->click();  // the panel has the keyboard now
  EXPECT_EQ(dialogs.messages.size(), 1);
  EXPECT_TRUE(panel->findChild<QPushButton*>("PauseButton")->isEnabled());
  QTRY_COMPARE(Shown(panel), PadSpritePicture(kSpriteStart));
}

TEST_F(PlayPanelTest, PlayAfterAnOpenThatStoppedPartWaySaysHowToPlay) {
  auto rom = RomBytes();
  rom[ScreenRecordOffset(12) + 4] = 0xB0;  // no picture graph/B0.bmp
  WriteFile(RomPath(), rom);
  dialogs.fileAnswers.push_back(QString::fromStdString(RomPath()));
  Click([this] { window->Button2Click(); });
  ASSERT_EQ(LastMessage(), "Cannot open file graph/B0.bmp.");
  QTest::keyClick(window.get(), Qt::Key_F6);
  EXPECT_EQ(
      LastMessage(),
      "There is no screen to play: the screen did not load completely. Fix what its message named, then "
      "reload the screen (F5) and play again.");
  EXPECT_EQ(Panel(), nullptr);
}

// A core that crashes or hangs takes only its own program with it: the game ends with a
// message, and the window, its unsaved edit and the ROM on disk are as they were.
TEST_F(PlayPanelTest, ACoreThatCrashesOrHangsEndsOnlyTheGame) {
  const auto romBefore = RomBytes();
  ShowScreen(30);
  Click([this] { window->ImageClick(5); });
  Click([this] { window->PicClick(0x22); });
  for (const char* core : {QUELBROOK_CRASHING_CORE, QUELBROOK_HANGING_CORE}) {
    PlaySettings()->setValue("play/core", core);
    Click([this] { window->PlayScreenClick(); });
    PlayPanel* panel = Panel();
    ASSERT_NE(panel, nullptr) << dialogs.messages.join("\n").toStdString();
    QTRY_VERIFY_WITH_TIMEOUT(!dialogs.messages.isEmpty(), 20000);
    EXPECT_TRUE(LastMessage().startsWith("The NES core stopped")) << LastMessage().toStdString();
    EXPECT_TRUE(LastMessage().endsWith(
        " while running Quelbrook.nes; the game has ended. Your edits and the ROM are safe."))
        << LastMessage().toStdString();
    EXPECT_EQ(dialogs.messages.size(), 1) << "one message, not one a frame";
    EXPECT_EQ(panel->findChild<QLabel*>("PlayStatus")->text(),
              "No game: press F6 in the editor to play its screen");
    EXPECT_FALSE(panel->findChild<QPushButton*>("RestartButton")->isEnabled());
    dialogs.messages.clear();
    ClosePanel();
  }
  PlaySettings()->remove("play/core");
  Click([this] { window->PlayScreenClick(); });
  PlayPanel* panel = Panel();
  ASSERT_NE(panel, nullptr) << dialogs.messages.join("\n").toStdString();
  EXPECT_EQ(std::uint8_t(panel->rom()[ScreenRecordOffset(30) + 4]), 0x21) << "the edit is still there";
  EXPECT_EQ(RomBytes(), romBefore);
}

TEST_F(PlayPanelTest, ACoreWhoseFramesMayDifferPlaysAndSaysSo) {
  PlaySettings()->setValue("play/core", QUELBROOK_OTHER_CORE);
  PlayPanel* panel = PressF6();
  ASSERT_NE(panel, nullptr);
  EXPECT_EQ(Shown(panel).size(), QSize(4, 4)) << "its frames are shown";
  EXPECT_TRUE(
      panel->findChild<QLabel*>("PlayStatus")
          ->text()
          .endsWith(" on other_libretro.so, whose colours and settings are not the editor's: frames may "
                    "differ from its pictures, and learning pictures needs Debian's Nestopia core"));
  // It saves no states: it plays without rewind.
  const auto frames = panel->host().FramesRun();
  QTRY_VERIFY(panel->host().FramesRun() > frames + 2);
  QTest::keyPress(panel->view(), Qt::Key_Backspace);
  EXPECT_EQ(Status(panel),
            "The NES core other_libretro.so cannot save states, so the game cannot run backwards");
  QTest::keyRelease(panel->view(), Qt::Key_Backspace);
  EXPECT_TRUE(dialogs.messages.isEmpty()) << dialogs.messages.join("\n").toStdString();
  // Learning loads the core the panel plays with, and so refuses it.
  ClosePanel();
  Click([this] { window->LearnPicturesClick(); });
  EXPECT_TRUE(LastMessage().contains("The NES core other_libretro.so does not take the settings"))
      << LastMessage().toStdString();
}

TEST_F(PlayPanelTest, TheWorldEditorPlaysItsScreenAsEdited) {
  Click([this] { window->ShowWorldEditor(); });
  auto* editor = window->findChild<WorldEditor*>("WorldEditor");
  ASSERT_NE(editor, nullptr);
  RecordBytes record = editor->document().record(40);
  record[7] = 0x33;
  editor->document().putRecord(40, record);  // not saved
  editor->resize(1400, 900);
  QApplication::setActiveWindow(editor);
  QTest::mouseClick(editor->canvas()->viewport(), Qt::RightButton, Qt::ControlModifier,
                    editor->canvas()->cellCentre(CellsOfScreen(40).center()));
  ASSERT_NE(editor->screenMenu(), nullptr);
  QAction* play = nullptr;
  for (QAction* action : editor->screenMenu()->actions())
    if (action->text() == "Play from this screen") play = action;
  ASSERT_NE(play, nullptr);
  play->trigger();
  ASSERT_NE(Panel(), nullptr);
  EXPECT_EQ(std::uint8_t(Panel()->rom()[kStartScreenOffset]), EncodeStartScreenByte(40));
  EXPECT_EQ(std::uint8_t(Panel()->rom()[ScreenRecordOffset(40) + 7]), 0x33);
  EXPECT_EQ(RomBytes()[ScreenRecordOffset(40) + 7], 0);
  editor->screenMenu()->hide();
}

TEST_F(PlayPanelTest, TheMenusOfferIt) {
  QAction* play = nullptr;
  for (QAction* action : window->menuBar()->actions().front()->menu()->actions())
    if (action->text() == "&Play from this screen") play = action;
  ASSERT_NE(play, nullptr);
  EXPECT_EQ(play->shortcut(), QKeySequence(Qt::Key_F6));
  EXPECT_TRUE(Button("PlayScreenButton")->isEnabled());
  Button("PlayScreenButton")->click();
  EXPECT_NE(Panel(), nullptr);
}

}  // namespace
}  // namespace quelbrook::testing
