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
#include "object_controls.h"

namespace quelbrook {

// Destinations: the number fields and the markers that show them over the tiles.
void TForm1::PlaceMarker(const QString& marker, int destination) {
  if (auto position = MarkerPositionOf(destination)) image(marker)->move(position->left, position->top);
}

void TForm1::DestinationStepClick(int object, int direction) {
  if (auto moved = StepField(edit(kObjects[object].destinationField), 0, kLastDestination, direction))
    PlaceMarker(kObjects[object].marker, *moved);
}

// The "<<<" and ">>>" buttons that step through item and enemy kinds.
void TForm1::ItemKindStepClick(int direction) {
  int index = numberIn("Edit4");
  if (direction < 0 ? index > 0 : index < kItemKindCount - 1)
    edit("Edit4")->setText(QString::number(index + direction));
  const std::string code = IntToHexText(numberIn("Edit4"));
  setPicture("items", ItemBitmapPath(code));
  setPicture("selit", ItemBitmapPath(code));
  index = numberIn("Edit4");
  label("Label3")->setText(QString::fromStdString(ItemCaptionOfIndex(index)));
  edit("itemnumber")->setText(QString::fromStdString(code));
}

void TForm1::EnemyKindStepClick(int enemy, int direction) {
  const auto& controls = kObjects[enemy];
  const int kind = HexTextToInt(edit(controls.kindField)->text().toStdString());
  if (direction < 0 ? kind > 0 : kind < kEnemyKindCount - 1)
    edit(controls.kindField)->setText(QString::fromStdString(IntToHexText(kind + direction)));
  const std::string path = EnemyBitmapPath(edit(controls.kindField)->text().toStdString());
  setPicture(controls.picture, path);
  setPicture(controls.marker, path);
}

// Showing and hiding the item and enemy markers.
void TForm1::ShowBoxClick(int object) {
  image(kObjects[object].marker)->setVisible(check(kObjects[object].showBox)->isChecked());
}

void TForm1::CheckBox6Click() {
  const bool shown = check("CheckBox6")->isChecked();
  for (const auto& object : kObjects) image(object.marker)->setVisible(shown);
  // Each box that changes runs its own handling through its toggled signal.
  for (const auto& object : kObjects) check(object.showBox)->setChecked(shown);
}

}  // namespace quelbrook
