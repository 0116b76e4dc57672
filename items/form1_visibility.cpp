// Showing and hiding the item and enemy markers.
#include <QCheckBox>

#include "form1.h"
#include "image_control.h"
#include "object_controls.h"

namespace quelbrook {

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
