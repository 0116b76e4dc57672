// Destinations: the number fields and the markers that show them over the tiles.
#include <QLineEdit>

#include "destination.h"
#include "form1.h"
#include "image_control.h"
#include "object_controls.h"

namespace quelbrook {

void TForm1::PlaceMarker(const QString& marker, int destination) {
  if (auto position = MarkerPositionOf(destination)) image(marker)->move(position->left, position->top);
}

void TForm1::DestinationStepClick(int object, int direction) {
  const QString field = kObjects[object].destinationField;
  if (numberIn(field) > kLastDestination) edit(field)->setText(QString::number(kLastDestination));
  if (numberIn(field) < 0) edit(field)->setText("0");
  const int value = numberIn(field);
  const bool canMove = direction < 0 ? value > 0 : value < kLastDestination;
  if (!canMove) return;
  edit(field)->setText(QString::number(value + direction));
  PlaceMarker(kObjects[object].marker, value + direction);
}

}  // namespace quelbrook
