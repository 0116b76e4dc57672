#include "numeric_field.h"

#include <QEvent>
#include <QKeyEvent>

#include "field_clamp.h"

namespace quelbrook {

NumericField::NumericField(QLineEdit* field, NumericRange range, GuardedRunner guard)
    : QObject(field), field_(field), range_(range), guard_(std::move(guard)) {
  field_->setMouseTracking(true);
  field_->installEventFilter(this);
}

void NumericField::Clamp(int lowerOnBelow, int below) {
  ClampField(field_, range_.upper, lowerOnBelow, below);
}

void NumericField::KeyDown() { Clamp(range_.lower, range_.lower); }

void NumericField::MouseMove() {
  if (!range_.lenientMouse) return Clamp(range_.lower, range_.lower);
  if (field_->text().isEmpty()) return;
  Clamp(range_.lower, 0);
}

bool NumericField::DiscardsKey(const QString& typed) {
  return typed.size() != 1 || typed[0] < '0' || typed[0] > '9';
}

bool NumericField::eventFilter(QObject* watched, QEvent* event) {
  if (watched != field_) return false;
  if (event->type() == QEvent::KeyPress) {
    guard_([this] { KeyDown(); });
    auto* key = static_cast<QKeyEvent*>(event);
    // Delete, the arrows and the like carry no text and keep their effect.
    const bool editsText = !key->text().isEmpty() || key->key() == Qt::Key_Backspace ||
                           key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
    return editsText && DiscardsKey(key->text());
  }
  if (event->type() == QEvent::MouseMove) guard_([this] { MouseMove(); });
  return false;
}

}  // namespace quelbrook
