#pragma once
// The windows were laid out for a narrow 8-point sans face; this is the nearest one here.

#include <QFont>

namespace quelbrook {

QFont WindowFont();

// While it lasts, the application's font is the given one. A line edit lays out its text once
// in the application's font before it takes its own, and when that font is a name fontconfig
// knows only as an alias, as Qt's default "Sans Serif" is, Qt first sorts every installed font
// to find it. A window that makes its line edits meanwhile is spared that sort.
class ApplicationFontWhileBuilding {
 public:
  explicit ApplicationFontWhileBuilding(const QFont& font);
  ~ApplicationFontWhileBuilding();
  ApplicationFontWhileBuilding(const ApplicationFontWhileBuilding&) = delete;
  ApplicationFontWhileBuilding& operator=(const ApplicationFontWhileBuilding&) = delete;

 private:
  QFont applicationFont_;
};

}  // namespace quelbrook
