#pragma once
// Learning each code's picture from the running ROM into a folder the editor reads:
// DIR/graph/XX.bmp, DIR/items/X.bmp, DIR/enemyes/X.bmp and the report DIR/learned.txt.
// The ROM is only read; DIR changes all at once or not at all.

#include <QPoint>
#include <QString>
#include <optional>
#include <string>

#include "screen_capture.h"

namespace quelbrook::learn {

struct LearnOptions {
  CaptureOptions capture;
  std::optional<QPoint> origin;  // the play field's place in the frame, found when not given
  QString basePictures;          // pictures a new DIR starts from, so that codes not seen keep one
};

struct LearnReport {
  QPoint origin;
  std::optional<double> fit;  // how well the found origin fits; none when it was given
  int tilesLearned = 0, itemsLearned = 0, enemiesLearned = 0;
  std::string text;  // as learned.txt holds it
};

// Empty when `progress` cancelled the run (DIR untouched). Throws EditorError for a core
// whose frames are not repeatable (Console::RequireReproducibleFrames), a ROM that cannot be
// read, that the core refuses or whose game does not draw its screens from the records
// (RequireScreensDrawnFromRecords), and a folder that cannot be written.
std::optional<LearnReport> LearnPictures(play::Console& host, const QString& romPath, const QString& dir,
                                         const LearnOptions& options, const Progress& progress = {});

}  // namespace quelbrook::learn
