#pragma once
// A folder of plain pictures beside which the window under test starts: every tile,
// item and enemy picture is one solid colour that tells which file it came from.

#include <QColor>
#include <QPixmap>
#include <QString>

namespace quelbrook::testing {

QColor TileColour(int tile);
QColor ItemColour(int code);
QColor EnemyColour(int kind);
QColor InfoColour(int number);

// Writes graph/0..AF, items/0..B, enemyes/0..F and info/info1, info2 into the folder.
void MakeAssetFolder(const QString& folder);

// The colour of the middle pixel of a picture, to tell which file it shows.
QColor CentreColour(const QPixmap& picture);

}  // namespace quelbrook::testing
