#include "window_font.h"

#include <QFontInfo>

namespace quelbrook {

QFont WindowFont() {
  QFont font("MS Sans Serif", 8);
  for (const char* family : {"MS Sans Serif", "Liberation Sans", "Arial"}) {
    font.setFamily(family);
    if (QFontInfo(font).family() == family) break;
  }
  font.setStyleHint(QFont::SansSerif);
  return font;
}

}  // namespace quelbrook
