#pragma once
// Loads the title picture from inside a static library, where the editor will.

#include <QImage>

namespace quelbrook::testing {

QImage LoadTitlePictureFromLibrary();

}  // namespace quelbrook::testing
