// The gamepad's map: the NES layout by default, one pad button per gamepad button, kept in
// the settings by SDL's names, and the held buttons turned into the pad.
#include "button_map.h"

#include <gtest/gtest.h>

#include <QSettings>
#include <QTemporaryDir>

namespace quelbrook::gamepad {
namespace {

using play::PadButton;

TEST(ButtonMap, DefaultsLieAsOnTheNesPad) {
  const ButtonMap map;
  EXPECT_EQ(map.BindingOf(PadButton::kRight), ControllerButton::kDpadRight);
  EXPECT_EQ(map.BindingOf(PadButton::kB), ControllerButton::kA) << "the south face button is B";
  EXPECT_EQ(map.BindingOf(PadButton::kA), ControllerButton::kB) << "the east face button is A";
  EXPECT_EQ(map.BindingOf(PadButton::kStart), ControllerButton::kStart);
  EXPECT_EQ(map.BindingOf(PadButton::kSelect), ControllerButton::kBack);
}

TEST(ButtonMap, HeldButtonsPressTheirPadButtonsAndAButtonServesOneOnly) {
  ButtonMap map;
  HeldButtons held;
  held.set(int(ControllerButton::kDpadRight)).set(int(ControllerButton::kA)).set(int(ControllerButton::kY));
  play::PadState expected;
  expected.Set(PadButton::kRight, true);
  expected.Set(PadButton::kB, true);
  EXPECT_EQ(map.PadOf(held), expected) << "Y is nothing by default";

  map.Bind(PadButton::kA, ControllerButton::kA);
  EXPECT_EQ(map.BindingOf(PadButton::kB), std::nullopt) << "B lost the button A took";
  expected.Set(PadButton::kB, false);
  expected.Set(PadButton::kA, true);
  EXPECT_EQ(map.PadOf(held), expected);
}

TEST(ButtonMap, IsKeptInTheSettingsWithTheDefaultsForWhatCannotBeRead) {
  QTemporaryDir dir;
  QSettings settings(dir.filePath("settings.ini"), QSettings::IniFormat);
  ButtonMap map;
  map.Bind(PadButton::kA, ControllerButton::kY);
  map.Bind(PadButton::kSelect, ControllerButton::kStart);  // Start is left without one
  map.Save(settings);
  EXPECT_EQ(settings.value("play/gamepad/a").toString(), "y") << "SDL's own names";

  const ButtonMap loaded = ButtonMap::Load(settings);
  for (PadButton button : play::kPadButtons)
    EXPECT_EQ(loaded.BindingOf(button), map.BindingOf(button)) << play::PadButtonName(button);

  settings.setValue("play/gamepad/a", "trigger of doom");
  EXPECT_EQ(ButtonMap::Load(settings).BindingOf(PadButton::kA), ControllerButton::kB);
}

TEST(ControllerButton, NamesAndIdsCoverEveryButton) {
  for (int index = 0; index < kControllerButtonCount; ++index) {
    const auto button = static_cast<ControllerButton>(index);
    EXPECT_EQ(ControllerButtonWithId(ControllerButtonId(button)), button) << index;
    EXPECT_FALSE(ControllerButtonName(button).isEmpty()) << index;
  }
  EXPECT_EQ(ControllerButtonName(ControllerButton::kDpadUp), "D-pad Up");
  EXPECT_EQ(ControllerButtonWithId(""), std::nullopt);
}

}  // namespace
}  // namespace quelbrook::gamepad
