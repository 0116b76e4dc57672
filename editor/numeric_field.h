#pragma once
// The input pattern of every numeric field: digits only, and the value pulled into
// the field's range whenever a key goes down in it or the mouse moves over it.

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
  // Key press: true when the typed text must be discarded.
  static bool DiscardsKey(const QString& typed);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Clamp(int lowerOnBelow, int below);

  QLineEdit* field_;
  NumericRange range_;
  GuardedRunner guard_;
};

}  // namespace quelbrook
