#include "title_picture.h"

namespace quelbrook {

const char* const kTitlePicturePath = ":/quelbrook/title.bmp";

}  // namespace quelbrook
