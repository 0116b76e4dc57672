#include "world_canvas.h"

#include <QContextMenuEvent>
#include <QCursor>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>
#include <cmath>

#include "console_captures.h"
#include "screen_rendering.h"
#include "world_cells.h"
#include "world_document.h"
#include "world_overlays.h"
#include "world_pictures.h"
#include "world_screen_pictures.h"

namespace quelbrook {

namespace {
constexpr int kDestinationRows = 12;
constexpr QRgb kUnsavedFrameColour = 0xffff9900;
constexpr QRgb kSelectionColour = 0xff3080ff;

QRect CellSpan(QPoint a, QPoint b) {
  return QRect(QPoint(std::min(a.x(), b.x()), std::min(a.y(), b.y())),
               QPoint(std::max(a.x(), b.x()), std::max(a.y(), b.y())));
}

// The cells a straight stroke from one cell to the next passes, so fast drags leave no gaps.
std::vector<QPoint> CellsAlong(QPoint from, QPoint to) {
  std::vector<QPoint> cells;
  const int steps = std::max(std::abs(to.x() - from.x()), std::abs(to.y() - from.y()));
  for (int step = 1; step <= steps; ++step)
    cells.emplace_back(from.x() + static_cast<int>(std::lround((to.x() - from.x()) * step / double(steps))),
                       from.y() + static_cast<int>(std::lround((to.y() - from.y()) * step / double(steps))));
  return cells;
}

void DrawFrame(QPainter& painter, const QRect& rect, QRgb colour, int inset, int width, Qt::PenStyle style) {
  if (style == Qt::SolidLine) {
    // Four bands: filling them costs a fraction of stroking a wide pen.
    const QRect outer = rect.adjusted(inset, inset, -inset, -inset);
    const QColor solid = QColor::fromRgb(colour);
    const int side = outer.height() - 2 * width;
    painter.fillRect(QRect(outer.left(), outer.top(), outer.width(), width), solid);
    painter.fillRect(QRect(outer.left(), outer.bottom() - width + 1, outer.width(), width), solid);
    painter.fillRect(QRect(outer.left(), outer.top() + width, width, side), solid);
    painter.fillRect(QRect(outer.right() - width + 1, outer.top() + width, width, side), solid);
    return;
  }
  QPen pen{QColor::fromRgb(colour)};
  pen.setWidth(width);
  pen.setStyle(style);
  pen.setJoinStyle(Qt::MiterJoin);
  painter.setPen(pen);
  painter.setBrush(Qt::NoBrush);
  const int half = inset + width / 2;
  painter.drawRect(rect.adjusted(half, half, -half - 1, -half - 1));
}
}  // namespace

WorldCanvas::WorldCanvas(WorldDocument& document, WorldPictures& pictures, QWidget* parent)
    : QAbstractScrollArea(parent),
      document_(document),
      pictures_(pictures),
      screenPictures_(pictures),
      unsavedShown_(kScreenCount, false) {
  setObjectName("WorldCanvas");
  setFocusPolicy(Qt::StrongFocus);
  viewport()->setMouseTracking(true);
  viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
  pictures_.setCellSize(cellSize());
  connect(&document_, &WorldDocument::cellsChanged, this, [this](const QRect& cells) { updateCells(cells); });
  connect(&document_, &WorldDocument::screensChanged, this,
          [this](const std::vector<int>& screens) { updateScreens(screens); });
  connect(&document_, &WorldDocument::marksChanged, viewport(), qOverload<>(&QWidget::update));
  connect(&document_, &WorldDocument::unsavedChanged, this, [this] { noteUnsavedScreens(); });
  updateScrollBars();
}

int WorldCanvas::cellSize() const { return kTilePixels * zoom_ / 100; }

QPoint WorldCanvas::offset() const { return {horizontalScrollBar()->value(), verticalScrollBar()->value()}; }

QRect WorldCanvas::viewRectOfCells(const QRect& cells) const {
  const int size = cellSize();
  return QRect(cells.x() * size, cells.y() * size, cells.width() * size, cells.height() * size)
      .translated(-offset());
}

QPoint WorldCanvas::cellAt(QPoint viewportPoint) const {
  const QPoint content = viewportPoint + offset();
  const int size = cellSize();
  return {content.x() >= 0 ? content.x() / size : -1, content.y() >= 0 ? content.y() / size : -1};
}

QPoint WorldCanvas::cellCentre(QPoint cell) const {
  return viewRectOfCells(QRect(cell, QSize(1, 1))).center();
}

QRect WorldCanvas::objectRect(int screen, int destination) const {
  const auto corner = RenderedMarkerCorner(destination);
  if (!corner) return {};
  const int size = cellSize();
  const QRect screenRect = viewRectOfCells(CellsOfScreen(screen));
  return {screenRect.topLeft() + *corner * size / kTilePixels, QSize(size / 2, size / 2)};
}

QPoint WorldCanvas::objectCentre(int screen, int object) const {
  const RecordBytes& record = document_.record(screen);
  return objectRect(screen, record[static_cast<std::size_t>(DestinationByteOfObject(object))]).center();
}

std::optional<WorldCanvas::ObjectHit> WorldCanvas::objectAt(QPoint viewportPoint) const {
  const QPoint cell = cellAt(viewportPoint);
  if (!kWorldCells.contains(cell)) return std::nullopt;
  const int screen = ScreenOfCell(cell);
  const RecordBytes& record = document_.record(screen);
  // Enemies are drawn over the item, the last enemy on top: the topmost is hit first.
  for (int object = kWorldObjectCount - 1; object >= 0; --object) {
    const int destination = record[static_cast<std::size_t>(DestinationByteOfObject(object))];
    if (objectRect(screen, destination).contains(viewportPoint)) return ObjectHit{screen, object};
  }
  return std::nullopt;
}

int WorldCanvas::destinationAt(int screen, QPoint viewportPoint) const {
  const QPoint inScreen = viewportPoint - viewRectOfCells(CellsOfScreen(screen)).topLeft();
  const int half = std::max(1, cellSize() / 2);
  const int column = std::clamp(inScreen.x() / half, 0, kGridColumns * 2 - 1);
  const int row = std::clamp(inScreen.y() / half, 0, kDestinationRows - 1);
  return row * kGridColumns * 2 + column;
}

void WorldCanvas::updateCells(const QRect& cells) { viewport()->update(viewRectOfCells(cells)); }

void WorldCanvas::updateScreens(const std::vector<int>& screens) {
  for (int screen : screens) updateCells(CellsOfScreen(screen));
}

void WorldCanvas::noteUnsavedScreens() {
  std::vector<int> changed;
  for (int screen = 1; screen <= kScreenCount; ++screen) {
    const bool unsaved = document_.isScreenChanged(screen);
    if (unsavedShown_[static_cast<std::size_t>(screen - 1)] == unsaved) continue;
    unsavedShown_[static_cast<std::size_t>(screen - 1)] = unsaved;
    changed.push_back(screen);
  }
  updateScreens(changed);
}

void WorldCanvas::updateScrollBars() {
  const int size = cellSize();
  const QSize view = viewport()->size();
  horizontalScrollBar()->setRange(0, std::max(0, kWorldCellColumns * size - view.width()));
  horizontalScrollBar()->setPageStep(view.width());
  horizontalScrollBar()->setSingleStep(size);
  verticalScrollBar()->setRange(0, std::max(0, kWorldCellRows * size - view.height()));
  verticalScrollBar()->setPageStep(view.height());
  verticalScrollBar()->setSingleStep(size);
}

void WorldCanvas::setZoom(int percent, std::optional<QPoint> anchor) {
  fitting_ = false;
  changeZoom(percent, anchor);
}

void WorldCanvas::zoomToFit() {
  fitting_ = true;
  changeZoom(fittingZoom(), std::nullopt);
}

int WorldCanvas::fittingZoom() const {
  const QSize view = viewport()->size();
  const int largestCell = kTilePixels * kZoomSteps[std::size(kZoomSteps) - 1] / 100;
  const int cell =
      std::clamp(std::min(view.width() / kWorldCellColumns, view.height() / kWorldCellRows), 1, largestCell);
  // The smallest percentage whose cells are that many pixels wide.
  return (cell * 100 + kTilePixels - 1) / kTilePixels;
}

void WorldCanvas::picturesReplaced() {
  screenPictures_.clear();
  viewport()->update();
}

void WorldCanvas::changeZoom(int percent, std::optional<QPoint> anchor) {
  percent = std::clamp(percent, kSmallestZoom, kZoomSteps[std::size(kZoomSteps) - 1]);
  if (percent == zoom_) return;
  const QPoint fixed = anchor.value_or(viewport()->rect().center());
  const QPointF world = QPointF(fixed + offset()) / cellSize();
  zoom_ = percent;
  pictures_.setCellSize(cellSize());
  screenPictures_.clear();
  updateScrollBars();
  const QPointF moved = world * cellSize() - QPointF(fixed);
  horizontalScrollBar()->setValue(static_cast<int>(std::lround(moved.x())));
  verticalScrollBar()->setValue(static_cast<int>(std::lround(moved.y())));
  viewport()->update();
  emit zoomChanged(zoom_);
}

void WorldCanvas::zoomBy(int steps, std::optional<QPoint> anchor) {
  const auto* begin = std::begin(kZoomSteps);
  const auto* end = std::end(kZoomSteps);
  // From a fitted zoom between two steps, one step in is the next larger one.
  const auto* next = std::lower_bound(begin, end, zoom_);
  const int index = static_cast<int>(next - begin) + (steps > 0 && (next == end || *next != zoom_) ? -1 : 0);
  const int target = index + steps;
  if (target < 0) return;  // already below the smallest step
  setZoom(kZoomSteps[std::min(target, static_cast<int>(std::size(kZoomSteps)) - 1)], anchor);
}

void WorldCanvas::setShowGrid(bool shown) {
  showGrid_ = shown;
  viewport()->update();
}

void WorldCanvas::setShowObjects(bool shown) {
  showObjects_ = shown;
  viewport()->update();
}

void WorldCanvas::setConsole(ConsoleCaptures* captures) {
  if (console_) console_->disconnect(this);
  console_ = captures;
  if (console_)
    connect(console_, &ConsoleCaptures::screenCaptured, this,
            [this](int screen) { updateScreens({screen}); });
  viewport()->update();
}

void WorldCanvas::setChosenTile(int code) {
  if (code == chosenTile_) return;
  chosenTile_ = code;
  emit chosenTileChanged(code);
}

void WorldCanvas::setSelection(const QRect& cells) {
  const QRect old = selection_;
  selection_ = cells & kWorldCells;
  updateCells(old.adjusted(-1, -1, 1, 1));
  updateCells(selection_.adjusted(-1, -1, 1, 1));
}

void WorldCanvas::liftStamp(const TileBlock& block) {
  stamp_ = block;
  stampAt_ = cellAt(viewport()->mapFromGlobal(QCursor::pos()));
  if (!kWorldCells.contains(stampAt_))
    stampAt_ = selection_.isEmpty() ? cellAt({0, 0}) : selection_.topLeft();
  viewport()->update();
}

void WorldCanvas::cancelStamp() {
  stamp_.reset();
  viewport()->update();
}

void WorldCanvas::paintAlong(QPoint from, QPoint to) {
  for (QPoint cell : CellsAlong(from, to))
    document_.paint(cell, static_cast<std::uint8_t>(chosenTile_), stroke_);
}

void WorldCanvas::mousePressEvent(QMouseEvent* event) {
  pressPainted_ = false;
  const QPoint point = event->position().toPoint();
  const QPoint cell = cellAt(point);
  const bool inWorld = kWorldCells.contains(cell);
  const Qt::KeyboardModifiers modifiers = event->modifiers();
  if (event->button() == Qt::MiddleButton) {
    gesture_ = Gesture::Pan;
    panFrom_ = point;
    viewport()->setCursor(Qt::ClosedHandCursor);
    return;
  }
  if (!inWorld) return;
  if (event->button() == Qt::RightButton) {
    if (modifiers & Qt::ControlModifier) {
      menuScreen_ = ScreenOfCell(cell);
      emit screenMenuRequested(menuScreen_, event->globalPosition().toPoint());
    } else {
      setChosenTile(document_.tile(cell));
    }
    return;
  }
  if (event->button() != Qt::LeftButton) return;
  if (stamp_) {
    const TileBlock block = *stamp_;
    cancelStamp();
    document_.pasteCells(cell, block);
  } else if (modifiers & Qt::ShiftModifier) {
    gesture_ = Gesture::Select;
    selectionStart_ = cell;
    setSelection(QRect(cell, QSize(1, 1)));
  } else if (modifiers & Qt::ControlModifier) {
    document_.fill(cell, static_cast<std::uint8_t>(chosenTile_));
  } else if (auto hit = showObjects_ ? objectAt(point) : std::nullopt) {
    gesture_ = Gesture::DragObject;
    dragged_ = *hit;
    dragFrom_ = dragDestination_ = destinationAt(hit->screen, point);
    updateScreens({hit->screen});
  } else {
    gesture_ = Gesture::Paint;
    ++stroke_;
    lastCell_ = cell;
    const int before = document_.history()->index();
    document_.paint(cell, static_cast<std::uint8_t>(chosenTile_), stroke_);
    pressPainted_ = document_.history()->index() != before;
  }
}

void WorldCanvas::mouseMoveEvent(QMouseEvent* event) {
  const QPoint point = event->position().toPoint();
  const QPoint cell = cellAt(point);
  if (kWorldCells.contains(cell)) emit hovered(cell);
  switch (gesture_) {
    case Gesture::Paint:
      if (kWorldCells.contains(cell) && cell != lastCell_) {
        pressPainted_ = false;
        paintAlong(lastCell_, cell);
        lastCell_ = cell;
      }
      break;
    case Gesture::Select:
      setSelection(CellSpan(selectionStart_, cell));
      break;
    case Gesture::DragObject:
      dragDestination_ = destinationAt(dragged_.screen, point);
      updateScreens({dragged_.screen});
      break;
    case Gesture::Pan: {
      const QPoint moved = point - panFrom_;
      panFrom_ = point;
      horizontalScrollBar()->setValue(horizontalScrollBar()->value() - moved.x());
      verticalScrollBar()->setValue(verticalScrollBar()->value() - moved.y());
      break;
    }
    case Gesture::None:
      if (stamp_ && kWorldCells.contains(cell) && cell != stampAt_) {
        stampAt_ = cell;
        viewport()->update();
      }
      break;
  }
}

void WorldCanvas::mouseReleaseEvent(QMouseEvent* event) {
  const Gesture ended = std::exchange(gesture_, Gesture::None);
  if (ended == Gesture::DragObject) {
    // A click, or a drag back to where it began, keeps the stored byte: 255 is shown at 0
    // and must not become 0.
    const int destination = destinationAt(dragged_.screen, event->position().toPoint());
    if (destination != dragFrom_) document_.moveObject(dragged_.screen, dragged_.object, destination);
    updateScreens({dragged_.screen});
  } else if (ended == Gesture::Pan) {
    viewport()->unsetCursor();
  }
}

void WorldCanvas::mouseDoubleClickEvent(QMouseEvent* event) {
  const QPoint cell = cellAt(event->position().toPoint());
  if (event->button() != Qt::LeftButton || !kWorldCells.contains(cell)) return;
  // The double click's first press painted; showing a screen is not meant to change it.
  if (std::exchange(pressPainted_, false)) document_.history()->undo();
  emit showScreenRequested(ScreenOfCell(cell));
}

void WorldCanvas::wheelEvent(QWheelEvent* event) {
  if (!(event->modifiers() & Qt::ControlModifier)) return QAbstractScrollArea::wheelEvent(event);
  const int delta = event->angleDelta().y();
  if (delta != 0) zoomBy(delta > 0 ? 1 : -1, event->position().toPoint());
  event->accept();
}

void WorldCanvas::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape && (stamp_ || !selection_.isEmpty())) {
    if (stamp_)
      cancelStamp();
    else
      setSelection({});
    return;
  }
  QAbstractScrollArea::keyPressEvent(event);
}

void WorldCanvas::contextMenuEvent(QContextMenuEvent* event) {
  event->accept();
  // A right click picks a tile (and Ctrl + right click opens the menu in the press):
  // only the keyboard's menu key arrives here to be handled.
  if (event->reason() != QContextMenuEvent::Keyboard) return;
  const QPoint under = cellAt(viewport()->mapFromGlobal(QCursor::pos()));
  const int screen = kWorldCells.contains(under) ? ScreenOfCell(under) : std::max(1, menuScreen_);
  menuScreen_ = screen;
  emit screenMenuRequested(screen, viewport()->mapToGlobal(viewRectOfCells(CellsOfScreen(screen)).center()));
}

void WorldCanvas::resizeEvent(QResizeEvent* event) {
  QAbstractScrollArea::resizeEvent(event);
  if (fitting_) changeZoom(fittingZoom(), std::nullopt);
  updateScrollBars();
}

void WorldCanvas::scrollContentsBy(int, int) { viewport()->update(); }

void WorldCanvas::paintEvent(QPaintEvent* event) {
  QPainter painter(viewport());
  const int size = cellSize();
  // The screens cover the world; only the room around it needs a ground.
  const QRegion around = QRegion(event->rect()) - viewRectOfCells(kWorldCells);
  for (const QRect& rect : around) painter.fillRect(rect, QColor(48, 48, 48));
  const QRect content = event->rect().translated(offset());
  const QRect cells = QRect(QPoint(content.left() / size, content.top() / size),
                            QPoint(content.right() / size, content.bottom() / size)) &
                      kWorldCells;
  drawScreens(painter, cells, event->rect());
  drawScreenMarks(painter, cells);
  if (!selection_.isEmpty()) {
    const QRect rect = viewRectOfCells(selection_);
    painter.fillRect(rect, QColor(48, 128, 255, 60));
    DrawFrame(painter, rect, kSelectionColour, 0, 2, Qt::SolidLine);
  }
  if (stamp_) {
    painter.setOpacity(0.7);
    for (int row = 0; row < stamp_->height; ++row)
      for (int column = 0; column < stamp_->width; ++column) {
        const QPoint cell = stampAt_ + QPoint(column, row);
        if (kWorldCells.contains(cell))
          painter.drawPixmap(viewRectOfCells(QRect(cell, QSize(1, 1))).topLeft(),
                             pictures_.scaledTile(stamp_->at(column, row)));
      }
    painter.setOpacity(1.0);
    DrawFrame(painter, viewRectOfCells(QRect(stampAt_, QSize(stamp_->width, stamp_->height))),
              kSelectionColour, 0, 2, Qt::DashLine);
  }
}

RecordBytes WorldCanvas::shownRecord(int screen) const {
  RecordBytes record = document_.record(screen);
  if (gesture_ == Gesture::DragObject && dragged_.screen == screen && dragDestination_ != dragFrom_)
    record[static_cast<std::size_t>(DestinationByteOfObject(dragged_.object))] =
        static_cast<std::uint8_t>(dragDestination_);
  return record;
}

void WorldCanvas::drawScreens(QPainter& painter, const QRect& cells, const QRect& area) {
  const ScreenLook look{cellSize(), showObjects_, showGrid_, console_ != nullptr};
  const int first = ScreenOfCell(cells.topLeft());
  const int last = ScreenOfCell(cells.bottomRight());
  for (int screen = first; screen <= last; ++screen) {
    if (!CellsOfScreen(screen).intersects(cells)) continue;
    const QRect rect = viewRectOfCells(CellsOfScreen(screen));
    // A dragged marker is no change of the play field until it lands.
    const QImage field = console_ ? console_->screen(screen, document_.record(screen)) : QImage();
    if (WorldScreenPictures::keeps(look)) {
      const QRect shown = rect & area;
      painter.drawPixmap(shown, screenPictures_.picture(screen, shownRecord(screen), look, field),
                         shown.translated(-rect.topLeft()));
    } else {
      DrawScreen(painter, rect.topLeft(), screen, shownRecord(screen), look, pictures_, field);
    }
  }
}

void WorldCanvas::drawScreenMarks(QPainter& painter, const QRect& cells) const {
  if (showGrid_) {
    // The screens' borders: a line on each side of every border, filled as thin bands,
    // which is far cheaper than drawing long lines pixel by pixel.
    const QRect world = viewRectOfCells(kWorldCells);
    const QColor colour = QColor::fromRgb(kGridColour);
    for (int column = 0; column <= kWorldColumns; ++column) {
      const int x = viewRectOfCells(QRect(column * kGridColumns, 0, 1, 1)).left();
      painter.fillRect(QRect(x - 1, world.top(), 2, world.height()), colour);
    }
    for (int row = 0; row <= kWorldRows; ++row) {
      const int y = viewRectOfCells(QRect(0, row * kGridRows, 1, 1)).top();
      painter.fillRect(QRect(world.left(), y - 1, world.width(), 2), colour);
    }
  }
  const int first = ScreenOfCell(cells.topLeft());
  const int last = ScreenOfCell(cells.bottomRight());
  for (int screen = first; screen <= last; ++screen) {
    if (!CellsOfScreen(screen).intersects(cells)) continue;
    const QRect rect = viewRectOfCells(CellsOfScreen(screen));
    if (document_.startScreen() == screen) DrawFrame(painter, rect, kStartFrameColour, 1, 3, Qt::SolidLine);
    if (document_.endScreen() == screen) DrawFrame(painter, rect, kEndFrameColour, 4, 3, Qt::SolidLine);
    if (document_.isScreenChanged(screen)) DrawFrame(painter, rect, kUnsavedFrameColour, 7, 2, Qt::DashLine);
  }
}

}  // namespace quelbrook
