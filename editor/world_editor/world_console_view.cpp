// View > "As the console draws it" in the world editor: every screen captured when it is
// turned on (or the window opens with it on), with its progress in the status bar and a way
// to stop; then only the screens that change.
#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTimer>
#include <chrono>
#include <utility>

#include "console_captures.h"
#include "console_view_setting.h"
#include "editor_error.h"
#include "window_layout.h"
#include "world_canvas.h"
#include "world_cells.h"
#include "world_document.h"
#include "world_editor.h"
#include "world_tile_palette.h"

namespace quelbrook {

namespace {
constexpr std::chrono::milliseconds kStrokePause{150};
}  // namespace

void WorldEditor::buildConsoleView(QMenu* view) {
  consoleView_ = AddConsoleViewAction(*view, kWorldEditorLayout);
  consoleView_->setEnabled(static_cast<bool>(hooks_.consoleCaptures));
  if (!consoleView_->isEnabled()) consoleView_->setChecked(false);
  connect(consoleView_, &QAction::toggled, this,
          [this](bool on) { run([this, on] { consoleViewToggled(on); }); });

  captureProgress_ = new QProgressBar(this);
  captureProgress_->setObjectName("ConsoleCaptureProgress");
  captureProgress_->setFormat("As the console draws it: %v of %m screens");
  captureProgress_->setRange(0, kScreenCount);
  cancelCapture_ = new QPushButton("Stop", this);
  cancelCapture_->setObjectName("CancelConsoleCapture");
  cancelCapture_->setToolTip("Screens not captured yet keep their pictures until they change");
  connect(cancelCapture_, &QPushButton::clicked, this, [this] {
    if (captures_) captures_->dropWaitingScreens();
    showCaptureProgress();
  });
  statusBar()->addPermanentWidget(captureProgress_);
  statusBar()->addPermanentWidget(cancelCapture_);
  captureProgress_->setVisible(false);
  cancelCapture_->setVisible(false);

  // Only what changes is captured again, whether by an edit, an undo or a reload; a stroke's
  // screens once it pauses, so that painting never shares the machine with the core.
  changedSettle_ = new QTimer(this);
  changedSettle_->setSingleShot(true);
  changedSettle_->setInterval(kStrokePause);
  connect(changedSettle_, &QTimer::timeout, this, [this] {
    for (int screen : std::exchange(changedScreens_, {})) askConsole(screen);
  });
  connect(document_, &WorldDocument::cellsChanged, this, [this](const QRect& cells) {
    for (int screen = 1; screen <= kScreenCount; ++screen)
      if (CellsOfScreen(screen).intersects(cells)) consoleScreenChanged(screen);
  });
  connect(document_, &WorldDocument::screensChanged, this, [this](const std::vector<int>& screens) {
    for (int screen : screens) consoleScreenChanged(screen);
  });
  connect(canvas_, &WorldCanvas::hovered, this,
          [this](QPoint cell) { showConsolePalette(ScreenOfCell(cell)); });
}

void WorldEditor::consoleViewToggled(bool on) {
  RememberConsoleView(kWorldEditorLayout, on);
  if (captures_) captures_->disconnect(this);
  captures_ = on ? hooks_.consoleCaptures() : nullptr;
  if (captures_ && !captures_->refusal().isEmpty()) {
    const QString refusal = captures_->refusal();
    consoleView_->setChecked(false);
    throw EditorError(refusal.toStdString());
  }
  canvas_->setConsole(captures_);
  showConsolePalette(1);
  if (!captures_) return showCaptureProgress();
  connect(captures_, &ConsoleCaptures::screenCaptured, this, [this] { showCaptureProgress(); });
  connect(captures_, &ConsoleCaptures::refused, this, [this, captures = captures_](const QString& message) {
    consoleView_->setChecked(false);
    if (captures->takeRefusalToTell()) run([&message] { throw EditorError(message.toStdString()); });
  });
  connect(captures_, &ConsoleCaptures::forgotten, this, [this] {
    canvas_->viewport()->update();
    palette_->update();
    askWholeWorld();
  });
  askWholeWorld();
}

void WorldEditor::askWholeWorld() {
  for (int screen = 1; screen <= kScreenCount; ++screen) askConsole(screen);
  showCaptureProgress();
}

void WorldEditor::consoleScreenChanged(int screen) {
  if (!captures_) return;
  changedScreens_.insert(screen);
  changedSettle_->start();
}

void WorldEditor::askConsole(int screen) {
  if (captures_) captures_->ask(screen, document_->record(screen));
}

void WorldEditor::showConsolePalette(int screen) {
  const RecordBytes& record = document_->record(screen);
  palette_->setConsole(captures_, {record[kRecordPalette1], record[kRecordPalette2]});
}

void WorldEditor::showCaptureProgress() {
  const int waiting = captures_ ? captures_->waitingScreens() : 0;
  captureProgress_->setValue(kScreenCount - std::min(waiting, kScreenCount));
  captureProgress_->setVisible(waiting > 0);
  cancelCapture_->setVisible(waiting > 0);
}

}  // namespace quelbrook
