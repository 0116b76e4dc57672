#pragma once
// The hidden one-row grid that holds the tile code of each cell as text. Nothing ever
// shows it, so it keeps plain strings: a table view with headers, selection and
// delegates cost as much to make as all the window's buttons together.

#include <QString>
#include <QWidget>
#include <array>

#include "byte_map.h"

namespace quelbrook {

class TileCodeTable : public QWidget {
  Q_OBJECT
 public:
  explicit TileCodeTable(QWidget* parent = nullptr) : QWidget(parent) { setVisible(false); }
  // Column c (0-based) of the only row: the code of cell c + 1; empty until first set.
  const QString& text(int column) const { return codes_.at(static_cast<std::size_t>(column)); }
  void setText(int column, const QString& code) { codes_.at(static_cast<std::size_t>(column)) = code; }

 private:
  std::array<QString, kTileCount> codes_;
};

}  // namespace quelbrook
