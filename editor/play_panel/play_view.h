#pragma once
// The game's picture, scaled by the largest whole number that fits, with sharp pixels and
// black around it.

#include <QImage>
#include <QWidget>

namespace quelbrook {

class PlayView : public QWidget {
  Q_OBJECT
 public:
  explicit PlayView(QWidget* parent = nullptr);

  void ShowPicture(const QImage& picture);
  const QImage& Picture() const { return picture_; }
  // The whole-number scale the picture is drawn at, 1 at least.
  int Scale() const;

  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QImage picture_;
};

}  // namespace quelbrook
