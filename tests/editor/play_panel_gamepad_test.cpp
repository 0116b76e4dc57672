// Gamepads in the Play panel on the demo game, with SDL's virtual joystick as the pad: one
// plugged in while playing is named and moves the hero as the keys do, changing its buttons
// is remembered, and pulling it out lets go of them.
#include <QTest>
#include <filesystem>
#include <functional>

#include "gamepad_controls.h"
#include "play_panel.h"
#include "play_view.h"
#include "virtual_pad.h"
#include "window_fixture.h"

namespace quelbrook::testing {
namespace {

using gamepad::ControllerButton;

constexpr int kFirstPicture = 12;  // frames until the game's first complete picture
constexpr int kHeldFrames = 40;

class PlayPanelGamepadTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    PlaySettings()->clear();
    OpenInActiveWindow(ReadFile(std::filesystem::path(QUELBROOK_TEST_APP_DIR) / "Quelbrook.nes"));
  }

  PlayPanel* Play() {
    Click([this] { window->PlayScreenClick(); });
    auto* panel = window->findChild<PlayPanel*>("PlayPanel", Qt::FindDirectChildrenOnly);
    EXPECT_NE(panel, nullptr);
    EXPECT_TRUE(dialogs.messages.isEmpty()) << dialogs.messages.join("\n").toStdString();
    return panel;
  }
  void ClosePanel(PlayPanel* panel) {
    panel->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
  static QString GamepadNote(PlayPanel* panel) { return panel->findChild<QLabel*>("GamepadStatus")->text(); }
  static QPushButton* BindingButton(PlayPanel* panel, play::PadButton button) {
    return panel->findChild<QPushButton*>(QString("GamepadButton_") + play::PadButtonName(button));
  }

  // The frame after Right has been held for kHeldFrames from the game's first picture on, held
  // by `hold`; the hero is still hidden before. Pressed while paused, so the panel's first
  // frame after it hands the press to the core; the frames left are run on that pad.
  static QImage FrameAfterHoldingRight(PlayPanel* panel, const std::function<void(bool)>& hold) {
    panel->Restart();
    auto* pause = panel->findChild<QPushButton*>("PauseButton");
    EXPECT_TRUE(QTest::qWaitFor([&] { return panel->host().FramesRun() > kFirstPicture; }, 5000));
    pause->click();
    const auto pressedAt = panel->host().FramesRun();
    hold(true);
    pause->click();
    EXPECT_TRUE(QTest::qWaitFor([&] { return panel->host().FramesRun() > pressedAt; }, 5000));
    pause->click();
    for (auto run = panel->host().FramesRun() - pressedAt; run < kHeldFrames; ++run) panel->host().RunFrame();
    hold(false);
    return panel->host().Frame();
  }
};

TEST_F(PlayPanelGamepadTest, APadPluggedInWhilePlayingIsNamedAndItsDpadMovesTheHeroAsTheArrowKeysDo) {
  PlayPanel* panel = Play();
  ASSERT_NE(panel, nullptr);
  EXPECT_FALSE(GamepadNote(panel).contains(kVirtualPadName));
  VirtualPad pad;
  QTRY_VERIFY(GamepadNote(panel).contains(kVirtualPadName));
  EXPECT_TRUE(GamepadNote(panel).startsWith("Gamepad: "));

  const QImage byKey = FrameAfterHoldingRight(panel, [panel](bool down) {
    down ? QTest::keyPress(panel->view(), Qt::Key_Right) : QTest::keyRelease(panel->view(), Qt::Key_Right);
  });
  const QImage byPad =
      FrameAfterHoldingRight(panel, [&pad](bool down) { pad.Press(ControllerButton::kDpadRight, down); });
  EXPECT_EQ(byPad, byKey);
  const QImage idle = FrameAfterHoldingRight(panel, [](bool) {});
  EXPECT_NE(byKey, idle) << "the hero came out and moved";
  const QImage byStick =
      FrameAfterHoldingRight(panel, [&pad](bool down) { pad.TiltLeftStick(down ? 32767 : 0, 0); });
  EXPECT_EQ(byStick, byKey);
}

TEST_F(PlayPanelGamepadTest, AChangedButtonIsShownAndRememberedByTheNextPanel) {
  VirtualPad pad;
  PlayPanel* panel = Play();
  ASSERT_NE(panel, nullptr);
  QPushButton* a = BindingButton(panel, play::PadButton::kA);
  EXPECT_EQ(a->text(), "Pad: B");
  EXPECT_EQ(BindingButton(panel, play::PadButton::kSelect)->text(), "Pad: Back");

  QPushButton* b = BindingButton(panel, play::PadButton::kB);
  b->click();
  EXPECT_EQ(b->text(), "Pad: press a gamepad button...");
  b->click();
  EXPECT_EQ(b->text(), "Pad: A") << "a second click keeps the button it had";

  a->click();
  pad.Press(ControllerButton::kY);
  QTRY_COMPARE(a->text(), QString("Pad: Y"));
  auto* controls = panel->findChild<GamepadControls*>();
  EXPECT_TRUE(controls->Pad().IsDown(play::PadButton::kA));
  pad.Release(ControllerButton::kY);

  ClosePanel(panel);
  panel = Play();
  ASSERT_NE(panel, nullptr);
  EXPECT_EQ(BindingButton(panel, play::PadButton::kA)->text(), "Pad: Y");
  EXPECT_EQ(BindingButton(panel, play::PadButton::kB)->text(), "Pad: A") << "untouched";
}

TEST_F(PlayPanelGamepadTest, PullingThePadOutReleasesItsButtonsAndTheNoteGoes) {
  PlayPanel* panel = Play();
  ASSERT_NE(panel, nullptr);
  auto* controls = panel->findChild<GamepadControls*>();
  VirtualPad pad;
  pad.Press(ControllerButton::kDpadRight);
  pad.Press(ControllerButton::kStart);
  QTRY_VERIFY(controls->Pad().IsDown(play::PadButton::kRight));
  EXPECT_TRUE(controls->Pad().IsDown(play::PadButton::kStart));

  pad.Unplug();
  QTRY_VERIFY(!GamepadNote(panel).contains(kVirtualPadName));
  EXPECT_EQ(controls->Pad(), play::PadState());
}

}  // namespace
}  // namespace quelbrook::testing
