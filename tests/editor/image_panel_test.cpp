// Images drawn by their panel: what a user sees and where a click lands.
#include "image_panel.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QMouseEvent>

#include "image_control.h"

namespace quelbrook::testing {
namespace {

QPixmap Solid(QColor colour, int size = 32) {
  QPixmap picture(size, size);
  picture.fill(colour);
  return picture;
}

class ImagePanelTest : public ::testing::Test {
 protected:
  ImagePanelTest() {
    panel.setFixedSize(100, 60);
    tile->setGeometry(0, 0, 32, 32);
    tile->setPicture(Solid(Qt::blue));
    marker->setGeometry(8, 8, 16, 16);
    marker->setPicture(Solid(Qt::red));
  }
  void Press(QPoint at) { Send(QEvent::MouseButtonPress, at, Qt::LeftButton); }
  void Release(QPoint at) { Send(QEvent::MouseButtonRelease, at, Qt::NoButton); }
  void Send(QEvent::Type type, QPoint at, Qt::MouseButtons buttons) {
    QMouseEvent event(type, QPointF(at), QPointF(panel.mapToGlobal(at)), Qt::LeftButton, buttons,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(&panel, &event);
  }
  QColor Shown(QPoint at) { return panel.grab().toImage().pixelColor(at); }

  ImagePanel panel;
  ImageControl* tile = new ImageControl(&panel);    // made first: drawn beneath
  ImageControl* marker = new ImageControl(&panel);  // over the tile's middle
};

TEST_F(ImagePanelTest, LaterImagesAreDrawnAboveAndPicturesAreStretchedToTheirPlace) {
  EXPECT_EQ(Shown({2, 2}), QColor(Qt::blue));
  EXPECT_EQ(Shown({12, 12}), QColor(Qt::red)) << "a 32-pixel picture fills a 16-pixel image";
  EXPECT_NE(Shown({40, 40}), QColor(Qt::blue)) << "nothing drawn outside the images";

  marker->setVisible(false);
  EXPECT_EQ(Shown({12, 12}), QColor(Qt::blue));
  marker->setVisible(true);
  tile->raise();
  EXPECT_EQ(Shown({12, 12}), QColor(Qt::blue));

  marker->move(60, 20);
  EXPECT_EQ(Shown({62, 22}), QColor(Qt::red));
}

TEST_F(ImagePanelTest, AClickIsAPressAndReleaseOverTheSameTopmostVisibleImage) {
  int tileClicks = 0, markerClicks = 0;
  QObject::connect(tile, &ImageControl::clicked, [&] { ++tileClicks; });
  QObject::connect(marker, &ImageControl::clicked, [&] { ++markerClicks; });

  Press({10, 10});
  Release({12, 12});
  EXPECT_EQ(markerClicks, 1);
  EXPECT_EQ(tileClicks, 0) << "the image beneath does not see the click";

  Press({2, 2});
  Release({10, 10});
  EXPECT_EQ(tileClicks, 0) << "released over another image";

  marker->setVisible(false);
  Press({10, 10});
  Release({10, 10});
  EXPECT_EQ(tileClicks, 1) << "a hidden image lets the click through";

  Press({50, 50});
  Release({2, 2});
  EXPECT_EQ(tileClicks, 1) << "pressed beside every image";
}

TEST_F(ImagePanelTest, DeletedImagesLeaveTheLookupAndAPanelTakesItsImagesAlong) {
  delete marker;
  EXPECT_EQ(panel.imageAt({10, 10}), tile);
  auto* orphan = new ImagePanel;
  new ImageControl(orphan);
  delete orphan;  // its images go with it without touching the panel that is gone
}

}  // namespace
}  // namespace quelbrook::testing
