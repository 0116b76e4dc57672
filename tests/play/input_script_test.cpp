// The --input script: its grammar, and a message naming the entry for every slip.
#include "input_script.h"

#include <gtest/gtest.h>

#include "editor_error.h"

namespace quelbrook::testing {
namespace {

using play::InputScript;
using play::PadButton;

TEST(InputScript, RangesAndSingleFramesHoldTheirButtons) {
  const InputScript script = InputScript::Parse("right:60-119,a:130,right:100-140,start:0");
  EXPECT_TRUE(script.PadAt(0).IsDown(PadButton::kStart));
  EXPECT_FALSE(script.PadAt(1).IsDown(PadButton::kStart));
  EXPECT_FALSE(script.PadAt(59).IsDown(PadButton::kRight));
  EXPECT_TRUE(script.PadAt(60).IsDown(PadButton::kRight));
  EXPECT_TRUE(script.PadAt(140).IsDown(PadButton::kRight)) << "overlapping entries add up";
  EXPECT_FALSE(script.PadAt(141).IsDown(PadButton::kRight));
  play::PadState both;
  both.Set(PadButton::kRight, true);
  both.Set(PadButton::kA, true);
  EXPECT_EQ(script.PadAt(130), both);
  EXPECT_EQ(script.PadAt(129).IsDown(PadButton::kA), false);

  for (PadButton button : play::kPadButtons)
    EXPECT_TRUE(InputScript::Parse(std::string(play::PadButtonName(button)) + ":5").PadAt(5).IsDown(button));
}

TEST(InputScript, EverySlipIsNamedWithItsEntry) {
  const std::pair<const char*, const char*> cases[] = {
      {"", "Input script \"\": an entry is empty"},
      {"a:1,,b:2", "Input script \"a:1,,b:2\": an entry is empty"},
      {"right", "Input script entry \"right\": expected BUTTON:FRAME or BUTTON:FIRST-LAST"},
      {"jump:5",
       "Input script entry \"jump:5\": \"jump\" is not a button (up down left right a b start select)"},
      {"A:5", "Input script entry \"A:5\": \"A\" is not a button (up down left right a b start select)"},
      {"a:", "Input script entry \"a:\": no frame after \":\""},
      {"a:-5",
       "Input script entry \"a:-5\": \"-5\" is not a frame number or a range FIRST-LAST (frames count from "
       "0)"},
      {"a:5-",
       "Input script entry \"a:5-\": \"5-\" is not a frame number or a range FIRST-LAST (frames count from "
       "0)"},
      {"a:-",
       "Input script entry \"a:-\": \"-\" is not a frame number or a range FIRST-LAST (frames count from 0)"},
      {"a:5-x", "Input script entry \"a:5-x\": \"x\" is not a frame number"},
      {"a: 5", "Input script entry \"a: 5\": \" 5\" is not a frame number"},
      {"a:1-2-3", "Input script entry \"a:1-2-3\": a range has one \"-\""},
      {"a:9-3", "Input script entry \"a:9-3\": the range ends before it starts"},
      {"a:1000000000", "Input script entry \"a:1000000000\": \"1000000000\" is not a frame number"},
      {"a:200000000", "Input script entry \"a:200000000\": frame 200000000 is beyond 100000000"},
  };
  for (const auto& [text, message] : cases) {
    try {
      InputScript::Parse(text);
      ADD_FAILURE() << text << " was taken";
    } catch (const EditorError& error) {
      EXPECT_STREQ(error.what(), message);
    }
  }
}

}  // namespace
}  // namespace quelbrook::testing
