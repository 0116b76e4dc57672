#include "world_map_window.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

#include "byte_map.h"
#include "editor_error.h"
#include "picture_folder.h"
#include "rom_image.h"
#include "world_data.h"
#include "world_geometry.h"
#include "world_rendering.h"

namespace quelbrook {

// The mosaic itself: reports which screen a click landed on.
class MosaicView : public QLabel {
 public:
  MosaicView(std::function<void(int)> clicked, QWidget* parent)
      : QLabel(parent), clicked_(std::move(clicked)) {
    setObjectName("Mosaic");
    setFixedSize(WorldSize(WorldMapWindow::kShownScale));
    setCursor(Qt::PointingHandCursor);
    setMouseTracking(true);
  }

 protected:
  void mousePressEvent(QMouseEvent* event) override { event->accept(); }
  // A click is a press and release over the mosaic, as on a button.
  void mouseReleaseEvent(QMouseEvent* event) override {
    event->accept();
    if (event->button() != Qt::LeftButton) return;
    if (const int screen = ScreenAt(event->position().toPoint(), size())) clicked_(screen);
  }
  void mouseMoveEvent(QMouseEvent* event) override {
    const int screen = ScreenAt(event->position().toPoint(), size());
    setToolTip(screen ? "Screen " + QString::number(screen) : QString());
  }

 private:
  std::function<void(int)> clicked_;
};

namespace {
QString ScreenText(const std::optional<int>& screen) {
  return screen ? QString::number(*screen) : QStringLiteral("none");
}
}  // namespace

WorldMapWindow::WorldMapWindow(std::string romPath, QString startDirectory, Dialogs& dialogs,
                               ShowScreen showScreen, QWidget* parent)
    : QWidget(parent),
      romPath_(std::move(romPath)),
      startDirectory_(std::move(startDirectory)),
      dialogs_(dialogs),
      showScreen_(std::move(showScreen)) {
  setObjectName("WorldMap");
  setWindowFlag(Qt::Window);
  setWindowTitle("World map");

  view_ = new MosaicView([this](int screen) { ClickScreen(screen); }, this);
  legend_ = new QLabel(this);
  legend_->setObjectName("Legend");
  auto* refresh = new QPushButton("Refresh", this);
  refresh->setObjectName("Refresh");
  auto* save = new QPushButton("Save as PNG...", this);
  save->setObjectName("SaveAsPng");
  connect(refresh, &QPushButton::clicked, this,
          [this] { RunShowingErrors(dialogs_, [this] { Refresh(); }); });
  connect(save, &QPushButton::clicked, this, [this] { RunShowingErrors(dialogs_, [this] { SaveClick(); }); });

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(legend_, 1);
  buttons->addWidget(refresh);
  buttons->addWidget(save);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(view_);
  layout->addLayout(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  Refresh();
}

void WorldMapWindow::Refresh() {
  RomImage rom(romPath_);
  const WorldData world = ReadWorld(rom);
  // Fresh pictures each time, so a changed picture file shows too. A code without a
  // picture is drawn as a placeholder and named in the legend (the editor's Reload refuses it).
  PictureFolder pictures(startDirectory_, MissingPictures::kPlaceholder);
  QImage full = RenderWorld(world, pictures, 1.0);
  QImage shown = full.scaled(WorldSize(kShownScale), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  marks_ = MarksOf(world);
  DrawWorldOverlays(shown, marks_);
  full_ = std::move(full);
  shown_ = std::move(shown);
  view_->setPixmap(QPixmap::fromImage(shown_));
  QString legend = "Green frame: start screen " + ScreenText(marks_.startScreen) + ".  Red frame: end screen " +
                   ScreenText(marks_.endScreen) + ".  Click a screen to edit it.";
  if (!pictures.missingPictures().empty())
    legend += "\nMagenta squares: no picture for " +
              QString::fromStdString(MissingPicturesText(pictures.missingPictures())) + ".";
  legend_->setText(legend);
}

void WorldMapWindow::SaveAsPng(const QString& path) const {
  QImage picture = full_;
  DrawWorldOverlays(picture, marks_);
  if (!picture.save(path, "PNG")) throw EditorError("Cannot write file " + path.toStdString());
}

void WorldMapWindow::ClickScreen(int screen) {
  if (screen >= 1 && screen <= kScreenCount && showScreen_) showScreen_(screen);
}

void WorldMapWindow::SaveClick() {
  auto chosen = dialogs_.saveFile({"Save world map as PNG", "PNG pictures|*.png", "png"});
  if (chosen) SaveAsPng(*chosen);
}

}  // namespace quelbrook
