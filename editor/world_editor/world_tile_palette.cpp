#include "world_tile_palette.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

#include "byte_map.h"
#include "console_captures.h"
#include "hex_text.h"
#include "world_pictures.h"

namespace quelbrook {

namespace {
constexpr int kGameTiles = kTilePictureCount;
constexpr int kTileSide = 32;
}  // namespace

std::vector<int> CodesBeyondTheGame(const std::vector<bool>& used) {
  std::vector<int> codes;
  for (int code = kGameTiles; code < static_cast<int>(used.size()); ++code)
    if (used[static_cast<std::size_t>(code)]) codes.push_back(code);
  return codes;
}

WorldTilePalette::WorldTilePalette(const WorldPictures& pictures, QWidget* parent)
    : QWidget(parent), pictures_(pictures) {
  setObjectName("TilePalette");
  setMouseTracking(true);
  setExtraCodes({});
}

void WorldTilePalette::setExtraCodes(const std::vector<int>& extra) {
  std::vector<int> codes(kGameTiles);
  for (int code = 0; code < kGameTiles; ++code) codes[static_cast<std::size_t>(code)] = code;
  codes.insert(codes.end(), extra.begin(), extra.end());
  if (codes == codes_) return;
  codes_ = std::move(codes);
  setFixedSize(sizeHint());
  update();
}

QSize WorldTilePalette::sizeHint() const {
  const int rows = (static_cast<int>(codes_.size()) + kColumns - 1) / kColumns;
  return {kColumns * kPitch + 1, rows * kPitch + 1};
}

QRect WorldTilePalette::tileRect(int code) const {
  const auto found = std::find(codes_.begin(), codes_.end(), code);
  if (found == codes_.end()) return {};
  const int index = static_cast<int>(found - codes_.begin());
  return {1 + index % kColumns * kPitch, 1 + index / kColumns * kPitch, kTileSide, kTileSide};
}

int WorldTilePalette::codeAt(QPoint point) const {
  if (point.x() < 1 || point.y() < 1) return -1;
  const int column = (point.x() - 1) / kPitch;
  const int index = (point.y() - 1) / kPitch * kColumns + column;
  if (column >= kColumns || index >= static_cast<int>(codes_.size())) return -1;
  return codes_[static_cast<std::size_t>(index)];
}

void WorldTilePalette::setConsole(ConsoleCaptures* captures, learn::PalettePair palettes) {
  if (captures == console_ && palettes.palette1 == palettes_.palette1 &&
      palettes.palette2 == palettes_.palette2)
    return;
  if (console_) console_->disconnect(this);
  console_ = captures;
  palettes_ = palettes;
  if (console_)
    connect(console_, &ConsoleCaptures::tileCaptured, this, [this](int code) { update(tileRect(code)); });
  update();
}

void WorldTilePalette::setChosen(int code) {
  if (code == chosen_) return;
  update(tileRect(chosen_).adjusted(-1, -1, 1, 1));
  chosen_ = code;
  update(tileRect(chosen_).adjusted(-1, -1, 1, 1));
}

void WorldTilePalette::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), palette().window());
  for (int code : codes_) {
    // A tile not yet captured in these palettes keeps its picture until it is.
    const QImage drawn = console_ && code < kGameTiles ? console_->tile(palettes_, code) : QImage();
    if (drawn.isNull())
      painter.drawPixmap(tileRect(code), pictures_.tile(code));
    else
      painter.drawImage(tileRect(code), drawn);
  }
  const QRect chosen = tileRect(chosen_);
  if (!chosen.isEmpty()) {
    painter.setPen(QPen(QColor(224, 32, 64), 2));
    painter.drawRect(chosen.adjusted(-1, -1, 0, 0));
  }
}

void WorldTilePalette::mousePressEvent(QMouseEvent* event) {
  const int code = codeAt(event->position().toPoint());
  if (event->button() != Qt::LeftButton || code < 0) return;
  setChosen(code);
  emit tileChosen(code);
}

bool WorldTilePalette::event(QEvent* event) {
  if (event->type() == QEvent::ToolTip) {
    auto* help = static_cast<QHelpEvent*>(event);
    const int code = codeAt(help->pos());
    if (code < 0) {
      QToolTip::hideText();
      event->ignore();
    } else {
      QString text = "Tile " + QString::fromStdString(IntToHexText(code));
      if (!pictures_.hasTilePicture(code)) text += " (no picture)";
      QToolTip::showText(help->globalPos(), text, this, tileRect(code));
    }
    return true;
  }
  return QWidget::event(event);
}

}  // namespace quelbrook
