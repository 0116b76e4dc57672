#include "packed_frame.h"

#include <algorithm>
#include <cstring>

namespace quelbrook::learn {

namespace {
// Compressing faster matters more than the last few per cent: frames arrive 30 a second.
constexpr int kCompressionLevel = 1;
}  // namespace

PackedFrame::PackedFrame(const QImage& frame) : size_(frame.size()) {
  const QImage full = frame.convertToFormat(QImage::Format_RGB32);
  // One byte a pixel only when no colour is lost: past 256 colours Qt would pick near ones.
  const QImage indexed = full.convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither | Qt::AvoidDither);
  const QImage& kept = indexed.convertToFormat(QImage::Format_RGB32) == full ? indexed : full;
  format_ = kept.format();
  colours_ = kept.colorTable();
  bits_ = qCompress(kept.constBits(), static_cast<int>(kept.sizeInBytes()), kCompressionLevel);
  bits_.squeeze();  // qCompress leaves room for the worst case
}

QImage PackedFrame::Unpacked() const {
  if (isNull()) return {};
  QImage image(size_, format_);
  image.setColorTable(colours_);
  const QByteArray bits = qUncompress(bits_);
  std::memcpy(image.bits(), bits.constData(),
              static_cast<std::size_t>(std::min(bits.size(), image.sizeInBytes())));
  return image.convertToFormat(QImage::Format_RGB32);
}

}  // namespace quelbrook::learn
