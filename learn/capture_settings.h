#pragma once
// How a ROM's game is run for its pictures, the same for learning and for the console view:
// kept per ROM by the window, given as options to the tool.

#include <QPoint>
#include <QString>
#include <optional>
#include <string>

#include "picture_learning.h"
#include "screen_capture.h"

namespace quelbrook::learn {

struct CaptureSettings {
  std::string input;             // a pad script as InputScript::Parse reads it, e.g. past a title screen
  int frames = 12;               // frames run before the picture is looked at
  std::optional<QPoint> origin;  // the play field's place in the frame, found when not set
};

// Throws EditorError for a script that is off.
CaptureOptions CaptureOptionsOf(const CaptureSettings& settings);
LearnOptions LearnOptionsOf(const CaptureSettings& settings, const QString& basePictures);

}  // namespace quelbrook::learn
