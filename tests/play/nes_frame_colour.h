#pragma once
// A console colour number as the host's frames hold it.

#include <QRgb>

#include "nes_colours.h"

namespace quelbrook::testing {

inline QRgb NesFrameColour(int number) {
  const Rgb colour = NesColour(number);
  return qRgb(colour.r, colour.g, colour.b);
}

}  // namespace quelbrook::testing
