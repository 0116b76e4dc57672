#pragma once
// The tiles to paint with, beside the world canvas: the 176 tiles of the game and,
// only while the world uses any, the codes 176..255 (drawn as placeholders). The
// chosen tile is framed; hovering a tile names its code.

#include <QWidget>
#include <optional>
#include <vector>

#include "console_pictures.h"

namespace quelbrook {

class ConsoleCaptures;
class WorldPictures;

class WorldTilePalette : public QWidget {
  Q_OBJECT
 public:
  // Eight tiles a row (the game's rows start at codes ending in 0 or 8): narrow beside the wide world.
  static constexpr int kColumns = 8;
  static constexpr int kPitch = 33;  // 32-pixel tiles, 1-pixel gaps

  WorldTilePalette(const WorldPictures& pictures, QWidget* parent = nullptr);

  // The codes beyond the game's tiles that the world uses.
  void setExtraCodes(const std::vector<int>& codes);
  const std::vector<int>& codes() const { return codes_; }
  // The game's tiles as it draws them in these palettes, from `captures`; none: the pictures.
  void setConsole(ConsoleCaptures* captures, learn::PalettePair palettes);
  void setChosen(int code);
  int chosen() const { return chosen_; }
  // Where a code's tile lies, for tests; an empty rectangle for a code not shown.
  QRect tileRect(int code) const;
  QSize sizeHint() const override;

 signals:
  void tileChosen(int code);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  bool event(QEvent* event) override;

 private:
  int codeAt(QPoint point) const;

  const WorldPictures& pictures_;
  ConsoleCaptures* console_ = nullptr;
  learn::PalettePair palettes_;
  std::vector<int> codes_;
  int chosen_ = 0;
};

// The codes 176..255 that a set of tiles uses, in order.
std::vector<int> CodesBeyondTheGame(const std::vector<bool>& used);

}  // namespace quelbrook
