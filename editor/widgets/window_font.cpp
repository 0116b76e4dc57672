#include "window_font.h"

#include <QFontDatabase>
#include <QGuiApplication>

namespace quelbrook {

QFont WindowFont() {
  QFont font("MS Sans Serif", 8);
  // Looked up in the font list, not by matching a font: matching a family the system lacks
  // sorts every installed font. Nor by hasFamily, which first runs each name through
  // fontconfig's substitution rules: milliseconds apiece with many fonts installed.
  const QStringList installed = QFontDatabase::families();
  for (const char* family : {"MS Sans Serif", "Liberation Sans", "Arial"}) {
    if (!installed.contains(QLatin1String(family), Qt::CaseInsensitive)) continue;
    font.setFamily(family);
    break;
  }
  font.setStyleHint(QFont::SansSerif);
  return font;
}

// Set on the application object alone: no widget hears of it, and none is laid out again.
// Qt then counts the restored font as the program's own choice, so a desktop font changed
// while the program runs reaches its windows at the next start.
ApplicationFontWhileBuilding::ApplicationFontWhileBuilding(const QFont& font)
    : applicationFont_(QGuiApplication::font()) {
  QGuiApplication::setFont(font);
}

ApplicationFontWhileBuilding::~ApplicationFontWhileBuilding() { QGuiApplication::setFont(applicationFont_); }

}  // namespace quelbrook
