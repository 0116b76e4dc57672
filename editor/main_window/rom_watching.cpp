// The main window's side of other writers: the world editor's saves and other programs.
#include <QApplication>
#include <QLineEdit>
#include <QStatusBar>

#include "byte_map.h"
#include "form1.h"
#include "rom_watcher.h"

namespace quelbrook {

void TForm1::WatchRom() {
  auto* watcher = findChild<RomWatcher*>("RomWatcher", Qt::FindDirectChildrenOnly);
  if (!watcher) {
    watcher = new RomWatcher(this);
    watcher->setObjectName("RomWatcher");
    connect(watcher, &RomWatcher::changedElsewhere, this, [this] { RomChangedElsewhere(); });
  }
  watcher->watch(QString::fromStdString(state_.romPath));
}

void TForm1::NoteOwnRomWrite() {
  if (auto* watcher = findChild<RomWatcher*>("RomWatcher", Qt::FindDirectChildrenOnly))
    watcher->noteOwnWrite();
}

void TForm1::ReloadShownScreen() {
  controls_.Edit1->setText(QString::number(ShownScreenNumber()));
  Run([this] { Button1Click(); });
}

void TForm1::RomChangedElsewhere() {
  ForgetConsolePictures();
  if (!state_.recordLocated) return;
  if (hasUnsavedEdits())
    statusBar()->showMessage(
        "The ROM changed on disk. This screen keeps your unsaved edits; Reload screen shows "
        "the file as it is now.");
  else
    ReloadShownScreen();
}

void TForm1::WorldScreensSaved(const std::vector<int>& screens) {
  if (!state_.recordLocated) return;
  for (int screen : screens) {
    if (ScreenRecordOffset(screen) != state_.ScreenRecordOffset) continue;
    if (hasUnsavedEdits())
      dialogs_->message(
          QApplication::applicationName(),
          QString("The world editor saved screen %1. This window keeps your unsaved edits of it; "
                  "Reload screen shows the saved screen.")
              .arg(screen));
    else
      ReloadShownScreen();
  }
}

}  // namespace quelbrook
