#pragma once
// Stands in for a code that has no picture. Kept behind this one function so that the
// renderer's own placeholder can take its place.

#include <QImage>
#include <QSize>

namespace quelbrook {

QImage PlaceholderPicture(int code, QSize size);

}  // namespace quelbrook
