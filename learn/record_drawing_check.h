#pragma once
// Whether a ROM's game draws its screens from the screen records the editor writes: what
// learning pictures from the game's frames, or comparing them with the editor's, rests on.

#include <QString>

#include "host.h"
#include "screen_capture.h"

namespace quelbrook::learn {

// Plays copies of one screen, each with one cell's tile code changed, and requires that each
// change shows in that cell's place of the frame alone (two cells, so that their places agree
// on one play field). Throws EditorError in a user's words when it does not, when the ROM is
// too short for the records, or when the core refuses it.
void RequireScreensDrawnFromRecords(play::Host& host, const QString& romPath, const CaptureOptions& options);

}  // namespace quelbrook::learn
