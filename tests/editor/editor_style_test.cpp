// The program's style draws the menu bar's overflow arrow itself and leaves every other
// picture to the platform's style.
#include "editor_style.h"

#include <gtest/gtest.h>

#include <QImage>

namespace quelbrook::testing {
namespace {

int DrawnPixels(const QIcon& icon) {
  const QImage image = icon.pixmap(8, 8).toImage();
  int drawn = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) drawn += qAlpha(image.pixel(x, y)) > 0;
  return drawn;
}

TEST(EditorStyleTest, DrawsTheOverflowArrowAndLeavesOtherIconsToThePlatform) {
  const EditorStyle style;
  // A narrow world editor shows this arrow: an empty icon would leave a blank button.
  EXPECT_GT(DrawnPixels(style.standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton, nullptr, nullptr)),
            8);
  EXPECT_GT(DrawnPixels(style.standardIcon(QStyle::SP_ToolBarVerticalExtensionButton, nullptr, nullptr)), 0);
  EXPECT_FALSE(style.standardIcon(QStyle::SP_TitleBarCloseButton, nullptr, nullptr).isNull());
}

}  // namespace
}  // namespace quelbrook::testing
