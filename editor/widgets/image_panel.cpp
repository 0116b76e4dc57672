#include "image_panel.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>
#include <algorithm>
#include <utility>

#include "image_control.h"

namespace quelbrook {

ImagePanel::~ImagePanel() {
  // The images are deleted with the panel's children, after this panel's own part is gone.
  for (ImageControl* image : images_) image->panel_ = nullptr;
}

ImageControl* ImagePanel::imageAt(QPoint point) const {
  for (auto image = images_.rbegin(); image != images_.rend(); ++image)
    if (!(*image)->isHidden() && (*image)->geometry().contains(point)) return *image;
  return nullptr;
}

void ImagePanel::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  for (const ImageControl* image : images_)
    if (!image->isHidden() && image->geometry().intersects(event->rect()))
      painter.drawPixmap(image->geometry().topLeft(), image->shownPicture());
}

void ImagePanel::mousePressEvent(QMouseEvent* event) {
  const bool clickButton = event->button() == Qt::LeftButton || event->button() == Qt::RightButton;
  pressed_ = clickButton ? imageAt(event->position().toPoint()) : nullptr;
  pressedButton_ = event->button();
  if (pressed_)
    event->accept();
  else
    QWidget::mousePressEvent(event);
}

void ImagePanel::mouseReleaseEvent(QMouseEvent* event) {
  ImageControl* pressed = std::exchange(pressed_, nullptr);
  if (event->button() != pressedButton_ || !pressed) return QWidget::mouseReleaseEvent(event);
  event->accept();
  if (imageAt(event->position().toPoint()) != pressed) return;
  if (event->button() == Qt::LeftButton)
    emit pressed->clicked();
  else
    emit pressed->rightClicked();
}

bool ImagePanel::event(QEvent* event) {
  if (event->type() != QEvent::ToolTip) return QWidget::event(event);
  const auto* help = static_cast<QHelpEvent*>(event);
  const ImageControl* image = imageAt(help->pos());
  if (image && !image->toolTip().isEmpty()) {
    QToolTip::showText(help->globalPos(), image->toolTip(), this, image->geometry());
    return true;
  }
  return QWidget::event(event);
}

void ImagePanel::detach(ImageControl* image) {
  images_.erase(std::remove(images_.begin(), images_.end(), image), images_.end());
  if (pressed_ == image) pressed_ = nullptr;
}

void ImagePanel::raise(ImageControl* image) {
  detach(image);
  attach(image);
}

}  // namespace quelbrook
