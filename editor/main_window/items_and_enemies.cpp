// The item and the four enemies: their kinds, destinations and markers.
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>

#include "destination.h"
#include "field_clamp.h"
#include "form1.h"
#include "hex_text.h"
#include "image_control.h"
#include "item_catalogue.h"

namespace quelbrook {

// Destinations: the number fields and the markers that show them over the tiles.
void TForm1::PlaceMarker(ImageControl* marker, int destination) {
  if (auto position = MarkerPositionOf(destination)) marker->move(position->left, position->top);
}

void TForm1::DestinationStepClick(int object, int direction) {
  const ObjectControls& controls = controls_.objects[object];
  if (auto moved = StepField(controls.destinationField, 0, kLastDestination, direction))
    PlaceMarker(controls.marker, *moved);
}

// The "<<<" and ">>>" buttons that step through item and enemy kinds.
void TForm1::ItemKindStepClick(int direction) {
  int index = numberIn(controls_.Edit4);
  if (direction < 0 ? index > 0 : index < kItemKindCount - 1)
    controls_.Edit4->setText(QString::number(index + direction));
  const std::string code = IntToHexText(numberIn(controls_.Edit4));
  setPicture(controls_.item().picture, ItemBitmapPath(code));
  setPicture(controls_.item().marker, ItemBitmapPath(code));
  index = numberIn(controls_.Edit4);
  controls_.Label3->setText(QString::fromStdString(ItemCaptionOfIndex(index)));
  controls_.item().kindField->setText(QString::fromStdString(code));
}

void TForm1::EnemyKindStepClick(int enemy, int direction) {
  const ObjectControls& controls = controls_.objects[enemy];
  const int kind = HexTextToInt(controls.kindField->text().toStdString());
  if (direction < 0 ? kind > 0 : kind < kEnemyKindCount - 1)
    controls.kindField->setText(QString::fromStdString(IntToHexText(kind + direction)));
  const std::string path = EnemyBitmapPath(controls.kindField->text().toStdString());
  setPicture(controls.picture, path);
  setPicture(controls.marker, path);
}

// Showing and hiding the item and enemy markers.
void TForm1::ShowBoxClick(int object) {
  const ObjectControls& controls = controls_.objects[object];
  controls.marker->setVisible(controls.showBox->isChecked());
}

void TForm1::CheckBox6Click() {
  const bool shown = controls_.CheckBox6->isChecked();
  for (const auto& object : controls_.objects) object.marker->setVisible(shown);
  // Each box that changes runs its own handling through its toggled signal.
  for (const auto& object : controls_.objects) object.showBox->setChecked(shown);
}

}  // namespace quelbrook
