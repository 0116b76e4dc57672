#pragma once
// The main window's panel. It draws the window's images itself, beneath its child
// widgets and in the order they were made, later ones above: one widget for each of
// the 240 pictures cost more to make than reading the pictures.

#include <QWidget>
#include <vector>

namespace quelbrook {

class ImageControl;

class ImagePanel : public QWidget {
  Q_OBJECT
 public:
  explicit ImagePanel(QWidget* parent = nullptr) : QWidget(parent) {}
  ~ImagePanel() override;

  // The visible image drawn topmost at a point of the panel, or null.
  ImageControl* imageAt(QPoint point) const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  // A click is a press and release of one button over the same image, as on a button.
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  bool event(QEvent* event) override;

 private:
  friend class ImageControl;
  void attach(ImageControl* image) { images_.push_back(image); }
  void detach(ImageControl* image);
  void raise(ImageControl* image);

  std::vector<ImageControl*> images_;  // in drawing order
  ImageControl* pressed_ = nullptr;
  Qt::MouseButton pressedButton_ = Qt::NoButton;
};

}  // namespace quelbrook
