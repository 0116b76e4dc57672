#include "play_view.h"

#include <QPainter>
#include <QRegion>
#include <algorithm>
#include <cstring>

namespace quelbrook {

namespace {
const QSize kNesPicture(256, 240);
}

PlayView::PlayView(QWidget* parent) : QWidget(parent) {
  setObjectName("PlayView");
  setMinimumSize(kNesPicture);
  setFocusPolicy(Qt::StrongFocus);
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void PlayView::ShowPicture(const QImage& picture) {
  // Copied into the picture kept, not shared: a shared frame would make the host allocate
  // and copy a new one for the next frame it draws.
  if (!picture.isNull() && picture_.size() == picture.size() && picture_.format() == picture.format())
    std::memcpy(picture_.bits(), picture.constBits(), std::size_t(picture.sizeInBytes()));
  else
    picture_ = picture.copy();
  update();
}

int PlayView::Scale() const {
  const QSize picture = picture_.isNull() ? kNesPicture : picture_.size();
  return std::max(1, std::min(width() / picture.width(), height() / picture.height()));
}

QSize PlayView::sizeHint() const { return kNesPicture * 2; }

void PlayView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  if (picture_.isNull()) return painter.fillRect(rect(), Qt::black);
  const QSize scaled = picture_.size() * Scale();
  const QRect target(QPoint((width() - scaled.width()) / 2, (height() - scaled.height()) / 2), scaled);
  // Only the margins are black: the picture covers the rest.
  for (const QRect& margin : QRegion(rect()).subtracted(target)) painter.fillRect(margin, Qt::black);
  painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
  painter.drawImage(target, picture_);
}

}  // namespace quelbrook
