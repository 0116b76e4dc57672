#pragma once
// An image of the window: shows its picture stretched and reports clicks.

#include <QLabel>
#include <QMouseEvent>

namespace quelbrook {

class ImageControl : public QLabel {
  Q_OBJECT
 public:
  explicit ImageControl(QWidget* parent = nullptr) : QLabel(parent) { setScaledContents(true); }
  QPixmap picture() const { return pixmap(); }
  void setPicture(const QPixmap& picture) { setPixmap(picture); }

 signals:
  void clicked();

 protected:
  // A click is a press and release over the same image, as on a button.
  void mousePressEvent(QMouseEvent* event) override { event->accept(); }
  void mouseReleaseEvent(QMouseEvent* event) override {
    event->accept();
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) emit clicked();
  }
};

}  // namespace quelbrook
