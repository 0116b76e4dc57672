#pragma once
// The input pattern of every numeric field: digits only, and the value pulled into
// the field's range whenever a key goes down in it or the mouse moves over it.

#include <QKeyEvent>
#include <QLineEdit>
#include <QObject>
#include <functional>

namespace quelbrook {

struct NumericRange {
  int lower;
  int upper;
  // The end-screen field's mouse clamp skips empty text and turns only negatives into
  // the lower bound, so that a loaded 0 survives a mouse pass.
  bool lenientMouse = false;
};

// Runs a step that may fail; the window shows what failed.
using GuardedRunner = std::function<void(const std::function<void()>&)>;

class NumericField : public QObject {
  Q_OBJECT
 public:
  NumericField(QLineEdit* field, NumericRange range, GuardedRunner guard);

  // Key down: runs before the key takes effect.
  void KeyDown();
  void MouseMove();
  // Key press: true when the key must be discarded. A key is judged by what it is, not
  // by its text (under X11 Delete carries U+007F and Tab "\t"): only a typed printable
  // character that is not a digit, Backspace and Enter are discarded; Delete, Tab,
  // Shift+Tab, the arrows and the Ctrl shortcuts keep their effect.
  static bool DiscardsKey(const QKeyEvent& key);
  // The digits of a text, in order: what a paste inserts.
  static QString DigitsOf(const QString& text);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Clamp(int lowerOnBelow, int below);
  // Inserts only the digits of the clipboard's text (mode: QClipboard::Mode), as one edit;
  // a text without digits changes nothing.
  void PasteDigits(int mode);

  QLineEdit* field_;
  NumericRange range_;
  GuardedRunner guard_;
};

}  // namespace quelbrook
