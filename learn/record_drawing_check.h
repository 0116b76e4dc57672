#pragma once
// Whether a ROM's game draws its screens from the screen records the editor writes: what
// learning pictures from the game's frames, or comparing them with the editor's, rests on.

#include <QRect>
#include <QSize>
#include <QString>
#include <string>
#include <vector>

#include "console.h"
#include "screen_capture.h"

namespace quelbrook::learn {

// Plays copies of one screen, each with one cell's tile code changed, and requires that each
// change shows in that cell's place of the frame alone (two cells, so that their places agree
// on one play field). Throws EditorError in a user's words when it does not, when the ROM is
// too short for the records, or when the core refuses it; the message goes on to say that
// `consequence` ("its pictures cannot be learned").
void RequireScreensDrawnFromRecords(play::Console& host, const QString& romPath,
                                    const CaptureOptions& options, const std::string& consequence);

// The pixels of the frame that changed when one cell's tile code changed.
struct CellChange {
  int cell;       // 0..47
  QRect changed;  // in the frame
};

// Whether each change lies inside its cell's place on one play field that fits in frames of
// size `frame`.
bool ChangesFitOnePlayField(const std::vector<CellChange>& changes, QSize frame);

}  // namespace quelbrook::learn
