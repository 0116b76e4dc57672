#include "image_control.h"

#include "image_panel.h"

namespace quelbrook {

ImageControl::ImageControl(ImagePanel* panel) : QObject(panel), panel_(panel) { panel_->attach(this); }

ImageControl::~ImageControl() {
  if (panel_) panel_->detach(this);
}

void ImageControl::setPicture(const QPixmap& picture) {
  picture_ = picture;
  scaled_ = QPixmap();
  repaint();
}

void ImageControl::setGeometry(int left, int top, int width, int height) {
  const QRect moved(left, top, width, height);
  if (moved == geometry_) return;
  repaint();
  if (moved.size() != geometry_.size()) scaled_ = QPixmap();
  geometry_ = moved;
  repaint();
}

void ImageControl::setVisible(bool visible) {
  if (hidden_ == !visible) return;
  hidden_ = !visible;
  if (panel_) panel_->update(geometry_);
}

void ImageControl::raise() {
  if (panel_) panel_->raise(this);
  repaint();
}

const QPixmap& ImageControl::shownPicture() const {
  if (picture_.isNull() || picture_.size() == geometry_.size()) return picture_;
  if (scaled_.isNull())
    scaled_ = picture_.scaled(geometry_.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  return scaled_;
}

void ImageControl::repaint() const {
  if (panel_ && !hidden_) panel_->update(geometry_);
}

}  // namespace quelbrook
