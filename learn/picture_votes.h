#pragma once
// From the frames of every screen to one picture a code: where the play field lies in the
// frame, and for each code the picture it shows most often.

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QRgb>
#include <array>
#include <map>
#include <vector>

#include "byte_map.h"
#include "packed_frame.h"
#include "screen_data.h"

namespace quelbrook::learn {

using Screens = std::array<ScreenData, kScreenCount>;

// One screen's frames: drawn with its objects off the play field, and as it is (none when it
// shows no object).
struct ScreenFrames {
  PackedFrame bare, shown;
};

struct OriginFit {
  QPoint origin;
  double fit = 0;  // share of cells that show their code's most frequent picture, 0..1
};

// Where cell 0..47 of a play field whose top-left corner is at `origin` lies in the frame.
QRect CellInFrame(QPoint origin, int cell);

// The offset of the play field's top-left corner in the frames (all of one size, without
// objects) at which the cells of each code agree best; the first best offset in reading order.
OriginFit FindPlayFieldOrigin(const std::vector<PackedFrame>& frames, const Screens& screens);

struct LearnedPicture {
  QImage picture;               // as the editor's folders hold it: 32 x 32
  std::vector<int> otherLooks;  // screens (1..128) where the code looked different
  int screens = 0;              // how many screens showed it
};

struct LearnedPictures {
  std::map<int, LearnedPicture> tiles, items, enemies;
};

// Whether the screen has an object on the play field.
bool ShowsAnObject(const ScreenData& screen);

// A tile is what most of its cells show without objects. An object's pixels are those where
// the frame with objects differs from the one without; a pixel that always equals the ground
// beneath is that colour if the ground never changed, else transparent: it shows the game's
// backdrop and takes `backdrop`, the ground of the editor's object pictures. An object that
// never shows a pixel of its own is not learned.
LearnedPictures VotePictures(const std::vector<ScreenFrames>& frames, const Screens& screens, QPoint origin,
                             QRgb backdrop);

// The colour the frames show most outside the play field (black when it fills them).
QRgb BackdropColour(const std::vector<PackedFrame>& frames, QPoint origin);

}  // namespace quelbrook::learn
