// Opening a ROM without the dialog: from the command line, File > Open Recent or a .nes
// file dropped on the window; and the window's place, kept for the next run.
#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QDropEvent>
#include <QFileInfo>
#include <QMenu>
#include <QMimeData>

#include "editor_error.h"
#include "form1.h"
#include "recent_roms.h"
#include "rom_drop.h"
#include "window_layout.h"

namespace quelbrook {

bool TForm1::MayLoseUnsavedEdits(const QString& because, const QString& action) {
  return !hasUnsavedEdits() ||
         dialogs_->question("Attention!", "The shown screen has unsaved edits, and " + because + ".\r\n" +
                                              action + " anyway and lose those edits?");
}

bool TForm1::OpenRomFile(const QString& path) {
  if (!MayLoseUnsavedEdits("opening " + QFileInfo(path).fileName() + " shows another screen", "Open it"))
    return false;
  bool opened = false;
  Run([&] {
    OpenRom(path);
    opened = true;
  });
  return opened;
}

void TForm1::OpenRecentRom(const QString& path) {
  if (!QFileInfo::exists(path)) {
    RemoveRecentRom(path);
    dialogs_->message(QApplication::applicationName(), QString(messages::kFileNotFound) + ": " +
                                                           QDir::toNativeSeparators(path) +
                                                           ".\r\nIt is no longer listed under Open Recent.");
    return;
  }
  OpenRomFile(path);
}

void TForm1::FillRecentMenu() {
  recentMenu_->clear();
  const QStringList roms = RecentRoms();
  for (int n = 0; n < roms.size(); ++n) {
    const QString shown = QDir::toNativeSeparators(roms[n]);
    QAction* entry =
        recentMenu_->addAction(QString("&%1 %2").arg(n + 1).arg(QString(shown).replace('&', "&&")));
    connect(entry, &QAction::triggered, this, [this, path = roms[n]] { OpenRecentRom(path); });
  }
  recentMenu_->addSeparator();
  recentMenu_->addAction("&Clear Menu", this, [] { ClearRecentRoms(); })->setEnabled(!roms.isEmpty());
}

void TForm1::dragEnterEvent(QDragEnterEvent* event) {
  if (!DroppedRom(event->mimeData()).isEmpty()) event->acceptProposedAction();
}

void TForm1::dropEvent(QDropEvent* event) {
  const QString rom = DroppedRom(event->mimeData());
  if (rom.isEmpty()) return;
  event->acceptProposedAction();
  OpenRomFile(rom);
}

void TForm1::closeEvent(QCloseEvent* event) {
  SaveWindowLayout(*this, kMainWindowLayout);
  QMainWindow::closeEvent(event);
}

}  // namespace quelbrook
