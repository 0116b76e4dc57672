// The Play panel in the real window: F6 plays the shown screen, keys reach the game, closing
// frees the core, and the key map is remembered.
#include "play_panel.h"

#include <QAction>
#include <QMenuBar>
#include <QSettings>
#include <QTest>

#include "byte_map.h"
#include "pad_sprite.h"
#include "play_view.h"
#include "screen_decoding.h"
#include "window_fixture.h"

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
    WriteFile(RomPath(), rom);
    dialogs.fileAnswers.push_back(QString::fromStdString(RomPath()));
    Click([this] { window->Button2Click(); });
    window->show();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
  }

  PlayPanel* Panel() const { return window->findChild<PlayPanel*>("PlayPanel", Qt::FindDirectChildrenOnly); }
  PlayPanel* PressF6() {
    QTest::keyClick(window.get(), Qt::Key_F6);
    EXPECT_TRUE(dialogs.messages.isEmpty()) << dialogs.messages.join("\n").toStdString();
    return Panel();
  }
  void ClosePanel() {
    Panel()->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_EQ(Panel(), nullptr);
  }
  static QImage Shown(PlayPanel* panel) { return panel->view()->Picture(); }
};

TEST_F(PlayPanelTest, F6PlaysTheShownScreenAndKeysReachTheGame) {
  const auto romBefore = RomBytes();
  PlayPanel* panel = PressF6();
  ASSERT_NE(panel, nullptr);
  EXPECT_TRUE(panel->isVisible());
  QTest::qWait(250);
  EXPECT_GT(panel->host().FramesRun(), 8) << "the timer runs the game";
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
