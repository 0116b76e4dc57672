// Frames kept packed while learning must come back exactly: a colour changed in packing would
// change a learned picture.

#include "packed_frame.h"

#include <gtest/gtest.h>

#include <QImage>

namespace quelbrook::testing {
namespace {

QImage FrameOfColours(int colours) {
  QImage frame(256, 240, QImage::Format_RGB32);
  for (int y = 0; y < frame.height(); ++y)
    for (int x = 0; x < frame.width(); ++x) {
      const int colour = (y / 8 * 32 + x / 8) % colours;
      frame.setPixel(x, y, qRgb(colour & 0xFF, (colour * 37) & 0xFF, colour >> 8));
    }
  return frame;
}

TEST(PackedFrame, FewAndManyColoursComeBackExactly) {
  for (int colours : {1, 25, 256, 257, 960}) {
    const QImage frame = FrameOfColours(colours);
    EXPECT_EQ(learn::PackedFrame(frame).Unpacked(), frame) << colours << " colours";
  }
}

TEST(PackedFrame, OtherFormatsComeBackInFullColour) {
  const QImage frame = FrameOfColours(25);
  const QImage rgb565 = frame.convertToFormat(QImage::Format_RGB16);
  EXPECT_EQ(learn::PackedFrame(rgb565).Unpacked(), rgb565.convertToFormat(QImage::Format_RGB32));
  EXPECT_TRUE(learn::PackedFrame().Unpacked().isNull());
  EXPECT_TRUE(learn::PackedFrame(QImage()).isNull());
}

}  // namespace
}  // namespace quelbrook::testing
