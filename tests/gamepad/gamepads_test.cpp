// Gamepads through SDL's controller subsystem, with SDL's virtual joystick as the pad: opened
// whether plugged in before or meanwhile, its buttons and stick held, released when pulled out.
#include "gamepads.h"

#include <gtest/gtest.h>

#include "virtual_pad.h"

namespace quelbrook::gamepad {
namespace {

using testing::kVirtualPadName;
using testing::VirtualPad;

bool Holds(const Gamepads& pads, ControllerButton button) { return pads.Held().test(int(button)); }

TEST(Gamepads, APadPluggedInMeanwhileIsOpenedAndPullingItOutReleasesItsButtons) {
  Gamepads pads;
  ASSERT_TRUE(pads.Started()) << pads.StartError().toStdString();
  pads.Poll();
  EXPECT_FALSE(pads.Names().contains(kVirtualPadName));

  VirtualPad pad;
  pads.Poll();
  EXPECT_TRUE(pads.Names().contains(kVirtualPadName));
  pad.Press(ControllerButton::kDpadRight);
  EXPECT_EQ(pads.Poll(), std::vector{ControllerButton::kDpadRight});
  pad.Press(ControllerButton::kStart);
  EXPECT_EQ(pads.Poll(), std::vector{ControllerButton::kStart});
  EXPECT_TRUE(Holds(pads, ControllerButton::kDpadRight));
  EXPECT_TRUE(pads.Poll().empty()) << "a press is news once";
  EXPECT_TRUE(Holds(pads, ControllerButton::kDpadRight)) << "held until released";
  pad.Release(ControllerButton::kStart);
  pads.Poll();
  EXPECT_FALSE(Holds(pads, ControllerButton::kStart));

  pad.Unplug();
  pads.Poll();
  EXPECT_FALSE(pads.Names().contains(kVirtualPadName));
  EXPECT_FALSE(Holds(pads, ControllerButton::kDpadRight));
}

TEST(Gamepads, APadPluggedInBeforeIsOpenedOnce) {
  VirtualPad pad;
  Gamepads pads;
  EXPECT_EQ(pads.Names().count(kVirtualPadName), 1);
  pads.Poll();  // the news of it plugged in arrives now
  EXPECT_EQ(pads.Names().count(kVirtualPadName), 1);
}

TEST(Gamepads, TheLeftStickPushedPastHalfWayIsTheDpad) {
  VirtualPad pad;
  Gamepads pads;
  pad.TiltLeftStick(8000, -8000);
  pads.Poll();
  EXPECT_FALSE(Holds(pads, ControllerButton::kDpadRight)) << "a stick a little off centre is at rest";
  EXPECT_FALSE(Holds(pads, ControllerButton::kDpadUp));
  pad.TiltLeftStick(32767, -32768);
  pads.Poll();
  EXPECT_TRUE(Holds(pads, ControllerButton::kDpadRight));
  EXPECT_TRUE(Holds(pads, ControllerButton::kDpadUp));
  pad.TiltLeftStick(-20000, 20000);
  pads.Poll();
  EXPECT_TRUE(Holds(pads, ControllerButton::kDpadLeft));
  EXPECT_TRUE(Holds(pads, ControllerButton::kDpadDown));
  EXPECT_FALSE(Holds(pads, ControllerButton::kDpadRight));
}

TEST(Gamepads, TwoInTurnStartAndStopSdlEachTime) {
  for (int turn = 0; turn < 2; ++turn) {
    VirtualPad pad;
    Gamepads pads;
    pads.Poll();
    EXPECT_EQ(pads.Names().count(kVirtualPadName), 1) << "turn " << turn;
  }
}

}  // namespace
}  // namespace quelbrook::gamepad
