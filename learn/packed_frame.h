#pragma once
// A captured frame kept small: learning holds one for each of some 250 copies of the ROM, and
// a frame in full colour is 240 KB. An NES frame shows a few dozen colours in long runs.

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QSize>

namespace quelbrook::learn {

class PackedFrame {
 public:
  PackedFrame() = default;
  explicit PackedFrame(const QImage& frame);

  bool isNull() const { return size_.isEmpty(); }
  QSize size() const { return size_; }
  // The frame as captured, in RGB32.
  QImage Unpacked() const;

 private:
  QSize size_;
  QImage::Format format_ = QImage::Format_RGB32;
  QList<QRgb> colours_;  // of an indexed frame
  QByteArray bits_;      // compressed
};

}  // namespace quelbrook::learn
