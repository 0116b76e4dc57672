#include "numeric_field.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>

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

bool NumericField::DiscardsKey(const QKeyEvent& key) {
  if (key.key() == Qt::Key_Backspace || key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter)
    return true;
  if (key.modifiers() & (Qt::ControlModifier | Qt::MetaModifier)) return false;  // shortcuts
  const QString typed = key.text();
  if (typed.isEmpty()) return false;
  for (QChar ch : typed)
    if (!ch.isPrint()) return false;  // Delete's U+007F, Tab's "\t", Escape...
  return DigitsOf(typed) != typed;
}

QString NumericField::DigitsOf(const QString& text) {
  QString digits;
  for (QChar ch : text)
    if (ch >= '0' && ch <= '9') digits += ch;
  return digits;
}

void NumericField::PasteDigits(int mode) {
  if (field_->isReadOnly()) return;
  const QString digits = DigitsOf(QGuiApplication::clipboard()->text(static_cast<QClipboard::Mode>(mode)));
  if (!digits.isEmpty()) field_->insert(digits);  // a text without digits changes nothing
}

bool NumericField::eventFilter(QObject* watched, QEvent* event) {
  if (watched != field_) return false;
  if (event->type() == QEvent::KeyPress) {
    guard_([this] { KeyDown(); });
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->matches(QKeySequence::Paste)) {
      PasteDigits(QClipboard::Clipboard);
      return true;
    }
    return DiscardsKey(*key);
  }
  // The X11 middle-button paste of the selection: digits only as well.
  if (event->type() == QEvent::MouseButtonRelease &&
      static_cast<QMouseEvent*>(event)->button() == Qt::MiddleButton &&
      QGuiApplication::clipboard()->supportsSelection()) {
    PasteDigits(QClipboard::Selection);
    return true;
  }
  // The context menu's Paste likewise.
  if (event->type() == QEvent::ContextMenu) {
    QMenu* menu = field_->createStandardContextMenu();
    for (QAction* action : menu->actions()) {
      if (action->objectName() != QLatin1String("edit-paste")) continue;
      QObject::disconnect(action, &QAction::triggered, nullptr, nullptr);
      connect(action, &QAction::triggered, this, [this] { PasteDigits(QClipboard::Clipboard); });
    }
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(static_cast<QContextMenuEvent*>(event)->globalPos());
    return true;
  }
  if (event->type() == QEvent::MouseMove) guard_([this] { MouseMove(); });
  return false;
}

}  // namespace quelbrook
