// Moving between screens, and the step buttons of the other screen-number fields.
#include <QLineEdit>

#include "byte_map.h"
#include "form1.h"
#include "number_text.h"

namespace quelbrook {

void TForm1::StepScreenField(QLineEdit* field, int direction) {
  const int value = StrToInt(field->text());
  if (direction < 0)
    field->setText(value < 2 ? "1" : QString::number(value - 1));
  else
    field->setText(value >= kScreenCount ? QString::number(kScreenCount) : QString::number(value + 1));
}

void TForm1::Button3Click() {
  StepScreenField(controls_.Edit1, -1);
  Button1Click();
}

void TForm1::Button4Click() {
  StepScreenField(controls_.Edit1, +1);
  Button1Click();
}

void TForm1::GameScreenStepClick(QLineEdit* field, int direction) { StepScreenField(field, direction); }

}  // namespace quelbrook
