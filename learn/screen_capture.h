#pragma once
// Each screen as the game draws it: a copy of the ROM that starts there, run until its
// picture stands still.

#include <QByteArray>
#include <QImage>
#include <QPoint>
#include <QSize>
#include <QString>
#include <optional>
#include <vector>

#include "console.h"
#include "each_in_turn.h"
#include "input_script.h"
#include "packed_frame.h"
#include "screen_data.h"

namespace quelbrook::learn {

struct CaptureOptions {
  play::InputScript input;  // pressed from each copy's first frame, e.g. past a title screen
  int frames = 12;          // frames run before the picture is looked at
};

// A copy of the ROM that starts on `screen` (1..128), with that screen's record replaced by
// `record` when given.
struct ScreenCopy {
  int screen = 1;
  std::optional<RecordBytes> record;
};

// The picture of the ROM `bytes` (named `name` in messages) after `frames` frames, or up to as
// many again until two frames in a row agree: an animated game never agrees, and its last frame
// is taken. The ROM stays loaded. Throws EditorError when the core refuses it.
QImage CaptureBytes(play::Console& host, const QByteArray& bytes, const QString& name,
                    const CaptureOptions& options);
// The same for a copy of the ROM at `romPath`.
QImage CaptureCopy(play::Console& host, const QString& romPath, const ScreenCopy& copy,
                   const CaptureOptions& options);

// Throws EditorError unless a play field with its top-left corner at `origin` fits in frames of
// this size.
void RequirePlayFieldFits(QSize frame, QPoint origin);
// The 256 x 192 RGB32 play field at `origin` in the frame; throws as RequirePlayFieldFits.
QImage PlayFieldOf(const QImage& frame, QPoint origin);

// Each copy's picture in turn, the core unloaded after the last. Empty when `progress`
// stopped the run.
std::vector<PackedFrame> CaptureScreens(play::Console& host, const QString& romPath,
                                        const std::vector<ScreenCopy>& copies, const CaptureOptions& options,
                                        const Progress& progress);

}  // namespace quelbrook::learn
