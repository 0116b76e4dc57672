#include <gtest/gtest.h>

#include <QImage>

#include "title_consumer.h"

namespace quelbrook::testing {
namespace {

TEST(TitleResource, LoadsThroughAStaticLibraryWithoutInitialisationCall) {
  const QImage title = LoadTitlePictureFromLibrary();
  ASSERT_FALSE(title.isNull());
  EXPECT_EQ(title.width(), 529);
  EXPECT_EQ(title.height(), 148);
}

TEST(TitleResource, IsTheGeneratedPicture) {
  const QImage compiled = LoadTitlePictureFromLibrary().convertToFormat(QImage::Format_RGB32);
  const QImage generated = QImage(QUELBROOK_TEST_TITLE_PICTURE).convertToFormat(QImage::Format_RGB32);
  EXPECT_EQ(compiled, generated);
}

}  // namespace
}  // namespace quelbrook::testing
