// The "<<<" and ">>>" buttons that step through item and enemy kinds.
#include <QLabel>
#include <QLineEdit>

#include "form1.h"
#include "hex_text.h"
#include "item_catalogue.h"
#include "object_controls.h"

namespace quelbrook {

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

}  // namespace quelbrook
