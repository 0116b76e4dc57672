#include "form1.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QTimer>
#include <QUndoStack>

#include "backup_question.h"
#include "byte_map.h"
#include "console_captures.h"
#include "end_screen_patch.h"
#include "hex_text.h"
#include "image_control.h"
#include "image_panel.h"
#include "item_catalogue.h"
#include "number_text.h"
#include "numeric_field.h"
#include "picture_folder.h"
#include "picture_prefetch.h"
#include "recorded_write.h"
#include "rom_backup.h"
#include "tile_code_table.h"
#include "window_description.h"
#include "window_font.h"
#include "window_layout.h"

namespace quelbrook {

namespace {
const char* const kCaption = "QuelbrookFullEditor  ver.1.0";
const char* const kMemoGreeting =
    "Ending text: 32 symbols in line. If End screen number = 0, then game never ends!";
constexpr int kTimerInterval = 20000;

QPixmap SolidSquare(QColor colour) {
  QPixmap square(kMarkerSize, kMarkerSize);
  square.fill(colour);
  return square;
}

}  // namespace

TForm1::TForm1(Dialogs* dialogs, QWidget* parent) : QMainWindow(parent) {
  if (!dialogs) {
    ownDialogs_ = std::make_unique<QtDialogs>(this);
    dialogs = ownDialogs_.get();
  }
  dialogs_ = dialogs;
  setObjectName("Form1");
  setWindowTitle(kCaption);
  // The parts that lay out no text come first: the program may be reading the font list on
  // another core meanwhile.
  BuildMenus();
  BuildWindow();
  BuildStatusRow();
  controls_ = Form1Controls::Bind(registry_);
  controls_.pointertext->setText(kEndCodeBlockText);
  // The game-wide block starts hidden; this box is the way to it.
  controls_.CheckBox7->setChecked(false);
  ConnectHandlers();
  setFixedSize(sizeHint());
  setAcceptDrops(true);
  if (!RestoreWindowLayout(*this, kMainWindowLayout))
    if (const QScreen* screen = QGuiApplication::primaryScreen())
      move(screen->availableGeometry().center() - rect().center());
  Run([this] { FormCreate(); });
  timer_->start();
}

// The history outlives the registry in member order; it must not call back while it goes.
TForm1::~TForm1() { history_->disconnect(this); }

void TForm1::Run(const std::function<void()>& operation) { RunShowingErrors(*dialogs_, operation); }

void TForm1::BuildWindow() {
  panel_ = new ImagePanel(this);
  panel_->setObjectName("Panel1");
  panel_->setFixedSize(kPanelWidth, kPanelHeight);
  setCentralWidget(panel_);
  registry_.add(panel_);

  // The selection markers lie beneath the images, so they are made first.
  for (auto [name, colour] :
       {std::pair{"Red", QColor(224, 0, 128)}, std::pair{"Green", QColor(224, 32, 64)}}) {
    auto* marker = new ImageControl(panel_);
    marker->setObjectName(name);
    marker->setPicture(SolidSquare(colour));
    marker->setGeometry(kParked, kParked, kMarkerSize, kMarkerSize);
    registry_.add(marker);
  }
  BuildImageGrid(kCellStem, kTileCount, kGridColumns, kTileGridLeft, kTileGridTop);
  BuildImageGrid(kPaletteStem, kPaletteSize, kPaletteColumns, kPaletteLeft, kPaletteTop);
  for (int n = 1; n <= kPaletteSize; ++n)
    Pic(n)->setToolTip("Tile " + QString::fromStdString(IntToHexText(n - 1)));

  auto* pending = new ImageControl(panel_);
  pending->setObjectName("ConsolePending");
  pending->setPicture(SolidSquare(QColor(160, 160, 160)));
  pending->setGeometry(kTileGridLeft + kGridColumns * kCellPitch - 8, kTileGridTop + 1, 6, 6);
  pending->setToolTip("Being captured from the game");
  pending->setVisible(false);
  registry_.add(pending);

  auto* info = new ImageControl(panel_);
  info->setObjectName("Image49");
  info->setGeometry(288, 384, 529, 148);
  QFile title(":/quelbrook/title.bmp");
  title.open(QIODevice::ReadOnly);
  info->setPicture(QPixmap::fromImage(ReadBitmap(title)));
  registry_.add(info);

  // The font list may still be being read on another core: the window's first pictures are
  // read meanwhile, as the window would only wait.
  PicturePrefetch::ReadNow();
  const QFont font = WindowFont();
  setFont(font);
  panel_->setFont(font);

  // Shown with the game-wide block, so that its captions do not lie on the info picture.
  auto* backing = new QWidget(panel_);
  backing->setObjectName("GameSettingsBacking");
  backing->setGeometry(620, 370, 197, 166);
  backing->setAutoFillBackground(true);
  backing->setVisible(false);
  registry_.add(backing);

  {
    const ApplicationFontWhileBuilding windowFont(font);
    BuildControls(panel_, registry_, MainWindowControls());
  }

  // Destination markers sit over the tiles: the item's, then the enemies'.
  for (const char* name : {"selit", "En1", "En2", "En3", "En4"}) {
    auto* marker = new ImageControl(panel_);
    marker->setObjectName(name);
    marker->setGeometry(8, 8, 16, 16);
    marker->raise();
    registry_.add(marker);
  }

  auto* spin = new QWidget(panel_);
  spin->setObjectName("SpinButton1");
  spin->setGeometry(8, 282, 17, 25);
  registry_.add(spin);
  for (auto [name, top, arrow] :
       {std::tuple{"SpinButton1Up", 0, Qt::UpArrow}, {"SpinButton1Down", 12, Qt::DownArrow}}) {
    auto* half = new QPushButton(spin);
    half->setObjectName(name);
    half->setGeometry(0, top, 17, 13);
    QPixmap glyph(7, 4);
    glyph.fill(Qt::transparent);
    QPainter painter(&glyph);
    painter.setBrush(Qt::black);
    painter.setPen(Qt::NoPen);
    const QPolygon up{{0, 4}, {7, 4}, {3, 0}}, down{{0, 0}, {7, 0}, {3, 4}};
    painter.drawPolygon(arrow == Qt::UpArrow ? up : down);
    painter.end();
    half->setIcon(glyph);
    half->setIconSize(glyph.size());
    registry_.add(half);
  }

  auto* table = new TileCodeTable(panel_);
  table->setObjectName("StringGrid1");
  registry_.add(table);

  timer_ = new QTimer(this);
  timer_->setObjectName("Timer1");
  timer_->setInterval(kTimerInterval);
}

void TForm1::BuildImageGrid(const char* stem, int count, int columns, int left, int top) {
  for (int n = 1; n <= count; ++n) {
    auto* cell = new ImageControl(panel_);
    cell->setObjectName(QString::fromLatin1(stem) + QString::number(n));
    cell->setGeometry(left + kCellPitch * ((n - 1) % columns), top + kCellPitch * ((n - 1) / columns),
                      kCellSize, kCellSize);
    registry_.add(cell);
  }
}

std::vector<std::string> TForm1::StartPicturePaths() {
  std::vector<std::string> paths{TileBitmapPath("0"), EnemyBitmapPath("0"), ItemBitmapPath("0")};
  for (int n = 1; n <= kPaletteSize; ++n) paths.push_back(TileBitmapPath(IntToHexText(n - 1)));
  return paths;
}

void TForm1::FormCreate() {
  state_.InfoPictureNumber = 0;
  controls_.Memo1->setPlainText(kMemoGreeting);
  state_.StartDirectory = QDir::currentPath();
  state_.PictureDirectory = state_.StartDirectory;
  pictures_ = std::make_unique<PictureLoader>(state_.PictureDirectory);
  state_.PalettePreset = 0;
  for (ImageControl* marker : {controls_.Red, controls_.Green}) marker->move(kParked, kParked);
  state_.SelectedCell = 0;
  for (int n = 1; n <= kTileCount; ++n) setPicture(Image(n), TileBitmapPath("0"));
  for (int enemy = 1; enemy <= kEnemyCount; ++enemy) {
    setPicture(controls_.objects[enemy].picture, EnemyBitmapPath("0"));
    setPicture(controls_.objects[enemy].marker, EnemyBitmapPath("0"));
  }
  for (int n = 1; n <= kPaletteSize; ++n) setPicture(Pic(n), TileBitmapPath(IntToHexText(n - 1)));
  setPicture(controls_.item().picture, ItemBitmapPath("0"));
  controls_.Edit4->setText("0");
  setPicture(controls_.item().marker, ItemBitmapPath("0"));
  for (const auto& object : controls_.objects) object.marker->move(8, 8);
}

ImageControl* TForm1::Image(int cell) const { return registry_.get<ImageControl>(kCellStem, cell); }
ImageControl* TForm1::Pic(int n) const { return registry_.get<ImageControl>(kPaletteStem, n); }
int TForm1::numberIn(const QLineEdit* field) { return StrToInt(field->text()); }

void TForm1::EnsureBackup() {
  if (state_.backupChecked) return;
  BackupOrLeaveToWriteWithout(state_.romPath, *dialogs_);  // throws when nothing may be written
  state_.backupChecked = true;
}

history::KeptHistory& TForm1::RestorePoints() {
  if (!restorePoints_ || restorePoints_->romPath() != state_.romPath) {
    // The window cannot answer while SQLite waits, so the message is painted at once.
    const QString waiting = QString("Waiting for %1.history, which another program is using...")
                                .arg(QFileInfo(QFile::decodeName(state_.romPath.c_str())).fileName());
    restorePoints_ = std::make_unique<history::KeptHistory>(state_.romPath, [this, waiting] {
      statusBar()->showMessage(waiting, 10000);
      statusBar()->repaint();
    });
  }
  return *restorePoints_;
}

void TForm1::TellHistoryNote(const std::string& note) {
  const std::string first = RestorePoints().NoteOnce(note);
  if (!first.empty()) dialogs_->message(QApplication::applicationName(), QString::fromStdString(first));
}

void TForm1::WriteRom(const std::vector<BytePatch>& patches, const std::string& words) {
  EnsureBackup();
  const std::string note = history::WritePatchesRecorded(RestorePoints(), patches, words);
  NoteOwnRomWrite();
  TellHistoryNote(note);
}

void TForm1::setPicture(ImageControl* image, const std::string& relativePath) {
  image->setPicture(pictures_->load(relativePath));
}

}  // namespace quelbrook
