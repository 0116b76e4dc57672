#include "destination.h"

namespace quelbrook {

std::optional<MarkerPosition> MarkerPositionOf(int destination) {
  if (destination < 0 || destination > kLastDestination) return std::nullopt;
  return MarkerPosition{CellPixel(destination % kDestinationColumns),
                        CellPixel(destination / kDestinationColumns)};
}

}  // namespace quelbrook
