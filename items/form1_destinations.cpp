// Destinations: the number fields and the markers that show them over the tiles.
#include <QLineEdit>

#include "destination.h"
#include "field_clamp.h"
#include "form1.h"
#include "image_control.h"
#include "object_controls.h"

namespace quelbrook {

void TForm1::PlaceMarker(const QString& marker, int destination) {
  if (auto position = MarkerPositionOf(destination)) image(marker)->move(position->left, position->top);
}

void TForm1::DestinationStepClick(int object, int direction) {
  if (auto moved = StepField(edit(kObjects[object].destinationField), 0, kLastDestination, direction))
    PlaceMarker(kObjects[object].marker, *moved);
}

}  // namespace quelbrook
