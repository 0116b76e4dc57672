#pragma once
// The pictures the world editor draws, each read from the program's folders the first
// time it is wanted: tiles 0..255, items and enemies. A code without a picture gets the
// marked placeholder. Tiles are also kept at the current cell size, so that painting
// only copies them.

#include <QPixmap>
#include <QString>
#include <array>

namespace quelbrook {

class WorldPictures {
 public:
  static constexpr int kCodeCount = 256;

  explicit WorldPictures(QString directory) : directory_(std::move(directory)) {}

  const QPixmap& tile(int code) const;
  const QPixmap& item(int code) const;
  const QPixmap& enemy(int kind) const;
  bool hasTilePicture(int code) const;

  // The tile at the size set last with setCellSize.
  const QPixmap& scaledTile(int code) const;
  void setCellSize(int pixels);
  int cellSize() const { return cellSize_; }

 private:
  struct Slot {
    QPixmap picture;  // null until first wanted
    bool found = false;
  };
  using Set = std::array<Slot, kCodeCount>;
  const Slot& slot(Set& set, int code, int side, std::string (*pathOf)(const std::string&)) const;

  QString directory_;
  mutable Set tiles_;
  mutable Set items_;
  mutable Set enemies_;
  mutable std::array<QPixmap, kCodeCount> scaledTiles_;
  int cellSize_ = 32;
};

}  // namespace quelbrook
