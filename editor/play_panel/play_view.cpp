#include "play_view.h"

#include <QPainter>
#include <algorithm>

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
  picture_ = picture;
  update();
}

int PlayView::Scale() const {
  const QSize picture = picture_.isNull() ? kNesPicture : picture_.size();
  return std::max(1, std::min(width() / picture.width(), height() / picture.height()));
}

QSize PlayView::sizeHint() const { return kNesPicture * 2; }

void PlayView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), Qt::black);
  if (picture_.isNull()) return;
  const QSize scaled = picture_.size() * Scale();
  const QRect target(QPoint((width() - scaled.width()) / 2, (height() - scaled.height()) / 2), scaled);
  painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
  painter.drawImage(target, picture_);
}

}  // namespace quelbrook
