#pragma once
// Each screen as the game draws it: a copy of the ROM that starts there, run until its
// picture stands still.

#include <QImage>
#include <QString>
#include <functional>
#include <vector>

#include "host.h"
#include "input_script.h"

namespace quelbrook::learn {

struct CaptureOptions {
  play::InputScript input;  // pressed from each copy's first frame, e.g. past a title screen
  int frames = 12;          // frames run before the picture is looked at
};

// Told how many screens are done of how many; returning false stops the run.
using Progress = std::function<bool(int done, int total)>;

// After `frames` frames, up to as many again until two frames in a row agree: an animated
// game never agrees, and its last frame is taken. Empty when `progress` stopped the run.
// Throws EditorError when the core refuses a copy.
std::vector<QImage> CaptureScreens(play::Host& host, const QString& romPath, const CaptureOptions& options,
                                   const Progress& progress);

}  // namespace quelbrook::learn
