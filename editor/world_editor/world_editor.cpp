#include "world_editor.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDockWidget>
#include <QDropEvent>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStatusBar>
#include <QUndoView>

#include "hex_text.h"
#include "number_text.h"
#include "rom_drop.h"
#include "rom_watcher.h"
#include "window_layout.h"
#include "world_canvas.h"
#include "world_cells.h"
#include "world_document.h"
#include "world_pictures.h"
#include "world_tile_palette.h"

namespace quelbrook {

namespace {
// Without a kept layout: large enough for the whole world beside the tiles, within the screen.
QSize DefaultSize() {
  const QSize wanted(1280, 800);
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen ? wanted.boundedTo(screen->availableGeometry().size() * 9 / 10) : wanted;
}
}  // namespace

QString ScreenListText(const std::vector<int>& screens) {
  QStringList numbers;
  for (int screen : screens) numbers << QString::number(screen);
  if (numbers.size() == 1) return "screen " + numbers[0];
  const QString last = numbers.takeLast();
  return "screens " + numbers.join(", ") + " and " + last;
}

WorldEditor::WorldEditor(std::string romPath, const QString& pictureDirectory, Dialogs& dialogs, Hooks hooks,
                         QWidget* parent)
    : QMainWindow(parent),
      dialogs_(dialogs),
      hooks_(std::move(hooks)),
      pictureDirectory_(pictureDirectory),
      pictures_(std::make_unique<WorldPictures>(pictureDirectory)) {
  setObjectName("WorldEditor");
  setWindowFlag(Qt::Window);
  setAttribute(Qt::WA_DeleteOnClose);
  document_ = new WorldDocument(std::move(romPath), this);
  canvas_ = new WorldCanvas(*document_, *pictures_, this);
  setCentralWidget(canvas_);
  buildDocks();
  buildMenus();

  zoomLabel_ = new QLabel(this);
  zoomLabel_->setObjectName("ZoomLabel");
  hoverLabel_ = new QLabel(this);
  hoverLabel_->setObjectName("HoverLabel");
  missingLabel_ = new QLabel(this);
  missingLabel_->setObjectName("MissingPicturesLabel");
  statusBar()->addWidget(hoverLabel_, 1);
  statusBar()->addPermanentWidget(missingLabel_);
  statusBar()->addPermanentWidget(zoomLabel_);
  auto showZoom = [this](int percent) { zoomLabel_->setText(QString::number(percent) + " %"); };
  showZoom(canvas_->zoom());
  connect(canvas_, &WorldCanvas::zoomChanged, this, showZoom);
  connect(canvas_, &WorldCanvas::hovered, this, [this](QPoint cell) {
    hoverLabel_->setText(QStringLiteral("Screen %1, column %2, row %3: tile %4")
                             .arg(ScreenOfCell(cell))
                             .arg(cell.x() % kGridColumns + 1)
                             .arg(cell.y() % kGridRows + 1)
                             .arg(QString::fromStdString(IntToHexText(document_->tile(cell)))));
  });
  connect(canvas_, &WorldCanvas::screenMenuRequested, this, &WorldEditor::showScreenMenu);
  connect(canvas_, &WorldCanvas::showScreenRequested, this, [this](int screen) {
    if (hooks_.showScreen) run([this, screen] { hooks_.showScreen(screen); });
  });
  connect(canvas_, &WorldCanvas::chosenTileChanged, palette_, &WorldTilePalette::setChosen);
  connect(palette_, &WorldTilePalette::tileChosen, canvas_, &WorldCanvas::setChosenTile);
  connect(document_, &WorldDocument::unsavedChanged, this, [this] {
    updateTitle();
    updatePictures();
  });
  updateTitle();
  updatePictures();
  watcher_ = new RomWatcher(this);
  watcher_->watch(QString::fromStdString(document_->romPath()));
  connect(watcher_, &RomWatcher::changedElsewhere, this, [this] { run([this] { fileChangedElsewhere(); }); });
  if (parent) parent->installEventFilter(this);
  setAcceptDrops(true);
  if (!RestoreWindowLayout(*this, kWorldEditorLayout)) resize(DefaultSize());
  if (consoleView_->isChecked()) run([this] { consoleViewToggled(true); });
}

WorldEditor::~WorldEditor() = default;

void WorldEditor::buildDocks() {
  palette_ = new WorldTilePalette(*pictures_, this);
  auto* paletteScroll = new QScrollArea(this);
  paletteScroll->setWidget(palette_);
  // As wide as the tiles and the scroll bar beside them: the rest of the window is the world's.
  const int paletteWidth = palette_->sizeHint().width() +
                           paletteScroll->verticalScrollBar()->sizeHint().width() +
                           2 * paletteScroll->frameWidth();
  paletteScroll->setMinimumWidth(paletteWidth);
  auto* paletteDock = new QDockWidget("Tiles", this);
  paletteDock->setObjectName("TilesDock");
  paletteDock->setWidget(paletteScroll);
  paletteDock->setFeatures(QDockWidget::DockWidgetMovable | QDockWidget::DockWidgetFloatable);
  addDockWidget(Qt::RightDockWidgetArea, paletteDock);

  auto* history = new QUndoView(document_->history(), this);
  history->setObjectName("History");
  history->setEmptyLabel("As read from the file");
  auto* historyDock = new QDockWidget("History", this);
  historyDock->setObjectName("HistoryDock");
  historyDock->setWidget(history);
  historyDock->setFeatures(QDockWidget::DockWidgetMovable | QDockWidget::DockWidgetFloatable);
  addDockWidget(Qt::RightDockWidgetArea, historyDock);
  resizeDocks({paletteDock}, {paletteWidth}, Qt::Horizontal);
}

void WorldEditor::buildMenus() {
  auto add = [this](QMenu* menu, const QString& text, const QList<QKeySequence>& keys, auto handler) {
    QAction* action = menu->addAction(text);
    action->setShortcuts(keys);
    connect(action, &QAction::triggered, this, [this, handler] { run(handler); });
    return action;
  };
  QMenu* file = menuBar()->addMenu("&File");
  add(file, "&Save", {QKeySequence::Save}, [this] { save(); });
  add(file, "Save as &PNG...", {}, [this] { saveAsPngClick(); });
  add(file, "&Reload from file", {QKeySequence(Qt::Key_F5)}, [this] { reloadFromFile(); });
  file->addSeparator();
  add(file, "&Close", {QKeySequence(Qt::CTRL | Qt::Key_W)}, [this] { close(); });

  QMenu* edit = menuBar()->addMenu("&Edit");
  QAction* undo = document_->history()->createUndoAction(this, "&Undo");
  undo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
  QAction* redo = document_->history()->createRedoAction(this, "&Redo");
  redo->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
  edit->addAction(undo);
  edit->addAction(redo);
  edit->addSeparator();
  add(edit, "Cu&t", {QKeySequence::Cut}, [this] { cutSelection(); });
  add(edit, "&Copy", {QKeySequence::Copy}, [this] { copySelection(); });
  add(edit, "&Paste", {QKeySequence::Paste}, [this] { paste(); });
  add(edit, "&Delete", {QKeySequence::Delete}, [this] { deleteSelection(); });

  QMenu* view = menuBar()->addMenu("&View");
  add(view, "Zoom &in", {QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)},
      [this] { canvas_->zoomBy(1); });
  add(view, "Zoom &out", {QKeySequence(Qt::CTRL | Qt::Key_Minus)}, [this] { canvas_->zoomBy(-1); });
  add(view, "&Actual size", {QKeySequence(Qt::CTRL | Qt::Key_0)}, [this] { canvas_->setZoom(100); });
  add(view, "Zoom to &fit", {QKeySequence(Qt::CTRL | Qt::Key_9)}, [this] { canvas_->zoomToFit(); });
  view->addSeparator();
  QAction* grid = view->addAction("Screen &borders and numbers");
  grid->setObjectName("ShowGrid");
  grid->setCheckable(true);
  grid->setChecked(true);
  connect(grid, &QAction::toggled, canvas_, &WorldCanvas::setShowGrid);
  QAction* objects = view->addAction("Show &objects");
  objects->setObjectName("ShowObjects");
  objects->setCheckable(true);
  objects->setChecked(true);
  connect(objects, &QAction::toggled, canvas_, &WorldCanvas::setShowObjects);
  view->addSeparator();
  buildConsoleView(view);
  // The window's actions work wherever the focus is inside it.
  for (QMenu* menu : {file, edit, view}) addActions(menu->actions());
}

void WorldEditor::updateTitle() {
  setWindowTitle("World editor - " + QFileInfo(QString::fromStdString(document_->romPath())).fileName() +
                 "[*]");
  setWindowModified(document_->hasUnsavedChanges());
}

void WorldEditor::usePictures(const QString& directory) {
  if (directory == pictureDirectory_) return;
  pictureDirectory_ = directory;
  pictures_->setDirectory(directory);
  updatePictures();
  canvas_->picturesReplaced();
  palette_->update();
}

void WorldEditor::updatePictures() {
  // Every picture the world shows is read now, so that painting never waits for a file.
  std::vector<bool> used(WorldPictures::kCodeCount, false);
  for (int screen = 1; screen <= kScreenCount; ++screen) {
    const RecordBytes& record = document_->record(screen);
    for (int index = 0; index < kTileCount; ++index)
      used[record[static_cast<std::size_t>(kRecordTiles + index)]] = true;
    pictures_->item(record[kRecordItem]);
    for (int enemy = 0; enemy < kEnemyCount; ++enemy) pictures_->enemy(record[kRecordEnemyKinds + enemy]);
  }
  palette_->setExtraCodes(CodesBeyondTheGame(used));
  for (int code : palette_->codes()) pictures_->tile(code);
  const std::string missing = pictures_->missingText();
  missingLabel_->setText(
      missing.empty() ? QString() : "Magenta squares: no picture for " + QString::fromStdString(missing));
}

void WorldEditor::run(const std::function<void()>& operation) {
  try {
    operation();
  } catch (const std::exception& error) {
    dialogs_.message(QApplication::applicationName(), ErrorMessageText(QString::fromStdString(error.what())));
  }
}

bool WorldEditor::mayClose() {
  if (!document_->hasUnsavedChanges()) return true;
  std::vector<int> screens = document_->changedScreens();
  QString what = screens.empty() ? QString("the start screen") : ScreenListText(screens);
  switch (dialogs_.askUnsaved("World editor",
                              "The world has unsaved changes in " + what + ". Save them before closing?")) {
    case UnsavedAnswer::Save: {
      bool saved = false;
      run([this, &saved] { saved = save(); });
      return saved;
    }
    case UnsavedAnswer::Discard:
      return true;
    case UnsavedAnswer::Cancel:
      break;
  }
  return false;
}

void WorldEditor::closeWithoutAsking() {
  closeAgreed_ = true;
  close();
}

void WorldEditor::closeEvent(QCloseEvent* event) {
  if (closeAgreed_ || mayClose()) {
    // Asked once: the main window's own close must not ask again.
    if (parentWidget()) parentWidget()->removeEventFilter(this);
    SaveWindowLayout(*this, kWorldEditorLayout);
    event->accept();
  } else {
    event->ignore();
  }
}

void WorldEditor::dragEnterEvent(QDragEnterEvent* event) {
  if (hooks_.openRom && !DroppedRom(event->mimeData()).isEmpty()) event->acceptProposedAction();
}

void WorldEditor::dropEvent(QDropEvent* event) {
  const QString rom = DroppedRom(event->mimeData());
  if (rom.isEmpty() || !hooks_.openRom) return;
  event->acceptProposedAction();
  if (mayClose()) hooks_.openRom(rom);
}

bool WorldEditor::eventFilter(QObject* watched, QEvent* event) {
  // Closing the main window would take this window with it: ask first.
  if (watched == parentWidget() && event->type() == QEvent::Close && !mayClose()) {
    event->ignore();
    return true;
  }
  return QMainWindow::eventFilter(watched, event);
}

}  // namespace quelbrook
