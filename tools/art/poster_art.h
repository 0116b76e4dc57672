#pragma once
// The 529 x 148 pictures of the info panel: the title compiled into the program
// and the two info pictures it alternates with.

#include "canvas.h"

namespace quelbrook::art {

constexpr int kPosterWidth = 529;
constexpr int kPosterHeight = 148;

Canvas DrawTitlePicture();
Canvas DrawWorldGridInfo();  // "info/info1.bmp"
Canvas DrawEditingInfo();    // "info/info2.bmp"

}  // namespace quelbrook::art
