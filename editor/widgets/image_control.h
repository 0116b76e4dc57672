#pragma once
// An image of the window: a picture, stretched to its place on the panel, that
// reports clicks. It is drawn by its panel rather than being a widget of its own.

#include <QObject>
#include <QPixmap>
#include <QRect>
#include <QString>

namespace quelbrook {

class ImagePanel;

class ImageControl : public QObject {
  Q_OBJECT
 public:
  explicit ImageControl(ImagePanel* panel);
  ~ImageControl() override;

  QPixmap picture() const { return picture_; }
  void setPicture(const QPixmap& picture);

  QRect geometry() const { return geometry_; }
  void setGeometry(int left, int top, int width, int height);
  QPoint pos() const { return geometry_.topLeft(); }
  int x() const { return geometry_.x(); }
  int y() const { return geometry_.y(); }
  void move(int left, int top) { setGeometry(left, top, geometry_.width(), geometry_.height()); }
  void move(QPoint position) { move(position.x(), position.y()); }

  bool isHidden() const { return hidden_; }
  void setVisible(bool visible);
  QString toolTip() const { return toolTip_; }
  void setToolTip(const QString& text) { toolTip_ = text; }
  // Drawn above every other image of the panel.
  void raise();

  // The picture as it is drawn: stretched to the image's size.
  const QPixmap& shownPicture() const;

 signals:
  void clicked();
  void rightClicked();

 private:
  friend class ImagePanel;
  void repaint() const;

  ImagePanel* panel_;
  QPixmap picture_;
  mutable QPixmap scaled_;  // made on first drawing at another size than the picture's
  QRect geometry_;
  bool hidden_ = false;
  QString toolTip_;
};

}  // namespace quelbrook
