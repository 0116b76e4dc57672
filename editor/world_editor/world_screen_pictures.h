#pragma once
// Each screen of the world as one picture: its tiles, its item and enemy markers and its
// number, at the canvas's cell size. A repaint then copies 128 pictures instead of drawing
// 6,144 tiles and 640 markers. A kept picture is made again as soon as the record or the
// look it was made from differs, so no edit has to remember to throw one away.

#include <QImage>
#include <QPixmap>
#include <QPoint>
#include <vector>

#include "byte_map.h"
#include "screen_data.h"

class QPainter;

namespace quelbrook {

class WorldPictures;

struct ScreenLook {
  int cellSize = 32;
  bool objects = true;
  bool number = true;
  bool console = false;  // the play field as the game draws it in place of the tiles
  bool operator==(const ScreenLook& other) const {
    return cellSize == other.cellSize && objects == other.objects && number == other.number &&
           console == other.console;
  }
};

// A screen's top left corner lies at `origin`. In the console's look, `field` is the screen's
// play field as captured; until it is (null), the tiles are drawn with a quiet mark.
void DrawScreen(QPainter& painter, QPoint origin, int screen, const RecordBytes& record,
                const ScreenLook& look, const WorldPictures& pictures, const QImage& field = {});

class WorldScreenPictures {
 public:
  // Pictures are kept up to the full tile size (25 MB for the world at 100 %); when zoomed
  // in further they would grow with the square of the zoom while only a few screens show.
  static constexpr int kLargestKeptCell = 32;
  static bool keeps(const ScreenLook& look) { return look.cellSize <= kLargestKeptCell; }

  explicit WorldScreenPictures(const WorldPictures& pictures) : pictures_(pictures) {}

  // Only for a look that `keeps`.
  const QPixmap& picture(int screen, const RecordBytes& record, const ScreenLook& look,
                         const QImage& field = {});
  // After a zoom none of them fits any more: their memory goes now, not when each is redrawn.
  void clear() { kept_.assign(kScreenCount, Kept{}); }

 private:
  struct Kept {
    RecordBytes record{};
    ScreenLook look;
    qint64 field = 0;  // the console picture's cacheKey, 0 for none
    QPixmap picture;
  };

  const WorldPictures& pictures_;
  std::vector<Kept> kept_ = std::vector<Kept>(kScreenCount);
};

}  // namespace quelbrook
