#pragma once
// The copies of the ROM that learning plays: each screen with its objects moved off the play
// field, so that every cell shows its tile whole, and the screens that show objects as they
// are, so that each object is seen over a ground already known.

#include <QString>
#include <array>
#include <vector>

#include "byte_map.h"
#include "picture_votes.h"
#include "screen_capture.h"
#include "screen_data.h"

namespace quelbrook::learn {

using Records = std::array<RecordBytes, kScreenCount>;

// Every screen record of the ROM. Throws EditorError for a file that cannot be read or is too
// short to hold the records and the start screen a copy sets.
Records ReadRecords(const QString& romPath);
Screens DecodeRecords(const Records& records);

// The record with every object moved off the play field.
RecordBytes WithoutObjects(RecordBytes record);

// Each of the 128 screens without objects, in screen order: the frames the play field is found in.
std::vector<ScreenCopy> BareCopies(const Records& records);
// BareCopies, then, in screen order, those that show an object as they are.
std::vector<ScreenCopy> LearningCopies(const Records& records);

}  // namespace quelbrook::learn
