#include "play_field_origin.h"

#include "screen_capture.h"

namespace quelbrook::learn {

PlayFieldPlace PlayFieldOrigin(const std::vector<PackedFrame>& bare, const Screens& screens,
                               std::optional<QPoint> given) {
  PlayFieldPlace place;
  if (given) {
    place.origin = *given;
  } else {
    const OriginFit found = FindPlayFieldOrigin(bare, screens);
    place = {found.origin, found.fit};
  }
  RequirePlayFieldFits(bare.front().size(), place.origin);
  return place;
}

}  // namespace quelbrook::learn
