#pragma once
// The whole world as one zoomable picture of 128 x 48 tiles, and the gestures that
// edit it: paint, pick, select, fill, stamp, drag an object, a screen's menu.

#include <QAbstractScrollArea>
#include <QPixmap>
#include <optional>
#include <vector>

#include "byte_map.h"
#include "tile_block.h"
#include "world_screen_pictures.h"

class QMenu;

namespace quelbrook {

class ConsoleCaptures;
class WorldDocument;
class WorldPictures;

class WorldCanvas : public QAbstractScrollArea {
  Q_OBJECT
 public:
  static constexpr int kZoomSteps[] = {25, 50, 75, 100, 150, 200, 300, 400};
  // Below the steps only to fit the world: one pixel a cell.
  static constexpr int kSmallestZoom = 4;

  WorldCanvas(WorldDocument& document, WorldPictures& pictures, QWidget* parent = nullptr);

  int zoom() const { return zoom_; }
  // Keeps the world point under `anchor` (viewport coordinates) in place.
  void setZoom(int percent, std::optional<QPoint> anchor = std::nullopt);
  void zoomBy(int steps, std::optional<QPoint> anchor = std::nullopt);
  // The whole world in view, and kept so as the window is resized until another zoom.
  // The canvas starts so.
  void zoomToFit();
  bool fitsWorld() const { return fitting_; }
  void setShowGrid(bool shown);
  void setShowObjects(bool shown);
  // The pictures were read from another folder: every screen is drawn again.
  void picturesReplaced();
  // Screens as the game draws them, from `captures`; none: the tiles, as always.
  void setConsole(ConsoleCaptures* captures);
  bool showsGrid() const { return showGrid_; }
  bool showsObjects() const { return showObjects_; }

  int chosenTile() const { return chosenTile_; }
  void setChosenTile(int code);

  // The selected cells (empty when none) and the stamp that follows the cursor.
  QRect selection() const { return selection_; }
  void setSelection(const QRect& cells);
  bool hasStamp() const { return stamp_.has_value(); }
  void liftStamp(const TileBlock& block);
  void cancelStamp();

  // Where things are in viewport coordinates, for tests and the menu.
  QPoint cellCentre(QPoint cell) const;
  QPoint objectCentre(int screen, int object) const;
  QPoint cellAt(QPoint viewportPoint) const;
  // The screen whose menu was opened last (0 before any).
  int menuScreen() const { return menuScreen_; }

 signals:
  void chosenTileChanged(int code);
  void zoomChanged(int percent);
  void hovered(QPoint cell);
  // The screen menu's entries and the double click, handled by the window.
  void screenMenuRequested(int screen, QPoint globalPosition);
  void showScreenRequested(int screen);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void scrollContentsBy(int dx, int dy) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  enum class Gesture { None, Paint, Select, DragObject, Pan };
  struct ObjectHit {
    int screen = 0;
    int object = 0;
  };

  int cellSize() const;
  void changeZoom(int percent, std::optional<QPoint> anchor);
  // The largest zoom at which the whole world fits the viewport.
  int fittingZoom() const;
  QPoint offset() const;
  QRect viewRectOfCells(const QRect& cells) const;
  void updateCells(const QRect& cells);
  void updateScreens(const std::vector<int>& screens);
  void updateScrollBars();
  void noteUnsavedScreens();
  std::optional<ObjectHit> objectAt(QPoint viewportPoint) const;
  QRect objectRect(int screen, int destination) const;
  int destinationAt(int screen, QPoint viewportPoint) const;
  void paintAlong(QPoint from, QPoint to);
  // The screen's record as drawn: a dragged marker shows where it would land once it left its cell.
  RecordBytes shownRecord(int screen) const;
  // The screens' tiles, markers and numbers in `cells`, painted within `area`.
  void drawScreens(QPainter& painter, const QRect& cells, const QRect& area);
  void drawScreenMarks(QPainter& painter, const QRect& cells) const;

  WorldDocument& document_;
  WorldPictures& pictures_;
  WorldScreenPictures screenPictures_;
  int zoom_ = 100;
  bool fitting_ = true;
  bool showGrid_ = true;
  bool showObjects_ = true;
  ConsoleCaptures* console_ = nullptr;
  int chosenTile_ = 0;

  Gesture gesture_ = Gesture::None;
  int stroke_ = 0;
  bool pressPainted_ = false;  // the last press painted a cell and nothing more followed
  QPoint lastCell_;
  QPoint selectionStart_;
  QRect selection_;
  std::optional<TileBlock> stamp_;
  QPoint stampAt_;
  ObjectHit dragged_;
  int dragFrom_ = 0;  // the destination cell under the press
  int dragDestination_ = 0;
  QPoint panFrom_;
  int menuScreen_ = 0;
  std::vector<bool> unsavedShown_;
};

}  // namespace quelbrook
