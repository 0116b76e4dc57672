#include "title_consumer.h"

#include <QString>

#include "title_picture.h"

namespace quelbrook::testing {

QImage LoadTitlePictureFromLibrary() { return QImage(QString::fromLatin1(kTitlePicturePath)); }

}  // namespace quelbrook::testing
