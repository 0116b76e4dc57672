#pragma once
// The windows were laid out for a narrow 8-point sans face; this is the nearest one here.

#include <QFont>

namespace quelbrook {

QFont WindowFont();

}  // namespace quelbrook
