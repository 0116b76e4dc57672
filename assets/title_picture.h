#pragma once
// The 529 x 148 title picture, compiled into every program that links
// quelbrook_title_resource; no resource initialisation call is needed.

namespace quelbrook {

extern const char* const kTitlePicturePath;  // ":/quelbrook/title.bmp"

}  // namespace quelbrook
