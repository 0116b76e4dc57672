#pragma once
// The pictures the world editor draws, each read from the program's folders the first
// time it is wanted: tiles 0..255, items and enemies. A code without a picture file gets
// the renderer's marked placeholder. Tiles are also kept at the current cell size, so
// that painting only copies them.

#include <QPixmap>
#include <QString>
#include <array>
#include <set>
#include <string>

#include "picture_folder.h"

namespace quelbrook {

class WorldPictures {
 public:
  static constexpr int kCodeCount = 256;

  explicit WorldPictures(QString directory) : folder_(std::move(directory), MissingPictures::kPlaceholder) {}

  const QPixmap& tile(int code) const;
  const QPixmap& item(int code) const;
  const QPixmap& enemy(int kind) const;
  bool hasTilePicture(int code) const;
  // The codes drawn as placeholders so far, for people: "tiles B0, C3; items C".
  std::string missingText() const;

  // At the size set last with setCellSize: tiles a cell, markers a quarter of one.
  const QPixmap& scaledTile(int code) const;
  const QPixmap& scaledItem(int code) const;
  const QPixmap& scaledEnemy(int kind) const;
  void setCellSize(int pixels);
  int cellSize() const { return cellSize_; }
  // Every picture is read again from `directory` the next time it is wanted.
  void setDirectory(QString directory);

 private:
  using Set = std::array<QPixmap, kCodeCount>;
  const QPixmap& picture(Set& set, int code, std::string (*pathOf)(const std::string&)) const;
  static const QPixmap& scaled(Set& cache, const QPixmap& full, int code, int side);

  mutable PictureFolder folder_;
  mutable std::set<std::string> unreadable_;  // there, but not a bitmap
  mutable Set tiles_;
  mutable Set items_;
  mutable Set enemies_;
  mutable Set scaledTiles_;
  mutable Set scaledItems_;
  mutable Set scaledEnemies_;
  int cellSize_ = kPlaceholderPixels;
};

}  // namespace quelbrook
