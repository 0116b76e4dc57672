#include "window_font.h"

#include <QFontDatabase>

namespace quelbrook {

QFont WindowFont() {
  QFont font("MS Sans Serif", 8);
  // Asked of the font list, not by matching a font: matching a family the system lacks
  // sorts every installed font, and costs more than the rest of the window.
  for (const char* family : {"MS Sans Serif", "Liberation Sans", "Arial"}) {
    if (!QFontDatabase::hasFamily(family)) continue;
    font.setFamily(family);
    break;
  }
  font.setStyleHint(QFont::SansSerif);
  return font;
}

}  // namespace quelbrook
