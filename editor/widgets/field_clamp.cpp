#include "field_clamp.h"

#include <QLineEdit>

#include "number_text.h"

namespace quelbrook {

void ClampField(QLineEdit* field, int upper, int lowerOnBelow, int below) {
  if (StrToInt(field->text()) > upper) field->setText(QString::number(upper));
  if (StrToInt(field->text()) < below) field->setText(QString::number(lowerOnBelow));
}

std::optional<int> StepField(QLineEdit* field, int lower, int upper, int direction) {
  ClampField(field, upper, lower, lower);
  const int value = StrToInt(field->text());
  if (direction < 0 ? value <= lower : value >= upper) return std::nullopt;
  field->setText(QString::number(value + direction));
  return value + direction;
}

}  // namespace quelbrook
