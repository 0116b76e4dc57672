#pragma once
// The shown screen as the window holds it: the texts of its fields (hexadecimal
// codes, decimal numbers, the message), between the decoded record and the controls.
// Load and save are the conversions between the two; the command-line tool and the
// side files use them too.

#include <array>
#include <functional>
#include <string>

#include "byte_map.h"
#include "screen_data.h"

namespace quelbrook {

// A stored destination of 255 means "unset" and is shown, and drawn, as destination 0.
constexpr int kUnsetDestination = 255;
constexpr int ShownDestination(int stored) { return stored == kUnsetDestination ? 0 : stored; }

struct ScreenValue {
  std::array<std::string, kTileCount> tileCodes;  // the hidden tile-code table
  std::string itemCode = "0";
  std::string itemDestination = "0";
  std::u16string message;  // as typed: Save pads it to 16 characters
  std::array<std::string, kEnemyCount> enemyKinds;
  std::array<std::string, kEnemyCount> enemyDestinations;
  std::string palette1 = "0";
  std::string palette2 = "0";

  ScreenValue();
  bool operator==(const ScreenValue& other) const;
  bool operator!=(const ScreenValue& other) const { return !(*this == other); }
};

// Load: codes as upper-case hexadecimal, numbers in decimal, an unset destination as 0.
ScreenValue ScreenValueOf(const ScreenData& screen);

// The message's 16 positions: padded with spaces, cut after the 16th.
std::u16string RecordMessage(const std::u16string& typed);

// Save: every field converted in record order, so the first field that does not
// convert is the one reported (an EditorError); numbers keep their low 8 bits and
// code texts that are not hexadecimal become 0. `messageReached` runs once the
// conversions get to the message, before it is checked.
RecordBytes RecordOf(const ScreenValue& value, const std::function<void()>& messageReached = {});

}  // namespace quelbrook
