#pragma once
// Where the game draws its play field in the frames, for learning and the console view alike.

#include <QPoint>
#include <optional>
#include <vector>

#include "packed_frame.h"
#include "picture_votes.h"

namespace quelbrook::learn {

struct PlayFieldPlace {
  QPoint origin;
  std::optional<double> fit;  // how well a found origin fits; none for a given one
};

// The origin in `bare`, the frames of BareCopies in screen order: `given` when set, else the one
// at which the codes of `screens` agree best. Throws EditorError unless the play field fits in the
// frames there.
PlayFieldPlace PlayFieldOrigin(const std::vector<PackedFrame>& bare, const Screens& screens,
                               std::optional<QPoint> given);

}  // namespace quelbrook::learn
