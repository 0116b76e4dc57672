// The world editor's operations: save, the picture, the clipboard and the screen menu.
#include <QClipboard>
#include <QGuiApplication>
#include <QMenu>
#include <QStatusBar>

#include "editor_error.h"
#include "picture_folder.h"
#include "rom_watcher.h"
#include "tile_block.h"
#include "world_canvas.h"
#include "world_data.h"
#include "world_document.h"
#include "world_editor.h"
#include "world_overlays.h"
#include "world_rendering.h"

namespace quelbrook {

namespace {
const char* const kCaption = "World editor";

QString ConflictText(const SaveOutcome& outcome) {
  QStringList parts;
  if (!outcome.conflictingScreens.empty()) parts << ScreenListText(outcome.conflictingScreens);
  if (outcome.startScreenConflict) parts << "the start screen";
  const QString it = parts.size() == 1 && outcome.conflictingScreens.size() <= 1 ? "it" : "them";
  QString what = parts.join(" and ");
  what[0] = what[0].toUpper();
  return QString(
             "%1 changed in the file since the world editor read %2, so nothing was saved.\n\n"
             "Reload %2 from the file? The changes made here to %2 are then lost.")
      .arg(what, it);
}
}  // namespace

bool WorldEditor::save() {
  const std::vector<int> screens = document_->changedScreens();
  const SaveOutcome outcome = document_->save(hooks_.beforeWrite);
  if (!outcome.conflictingScreens.empty() || outcome.startScreenConflict) {
    if (dialogs_.question(kCaption, ConflictText(outcome)))
      document_->reloadScreens(outcome.conflictingScreens);
    return false;
  }
  if (outcome.written) {
    watcher_->noteOwnWrite();
    if (!outcome.historyNote.empty()) dialogs_.message(kCaption, QString::fromStdString(outcome.historyNote));
    statusBar()->showMessage(
        screens.empty() ? QString("Saved the start screen") : "Saved " + ScreenListText(screens), 5000);
    if (hooks_.saved) hooks_.saved(screens);
  }
  return true;
}

void WorldEditor::saveAsPng(const QString& path) const {
  WorldData world;
  for (int screen = 1; screen <= kScreenCount; ++screen)
    world.screens[screen - 1] = document_->screen(screen);
  world.startScreen = document_->startScreen();
  world.endScreen = document_->endScreen();
  PictureFolder pictures(pictureDirectory_, MissingPictures::kPlaceholder);
  QImage picture = RenderWorld(world, pictures, 1.0);
  DrawWorldOverlays(picture, MarksOf(world));
  if (!picture.save(path, "PNG")) throw EditorError("Cannot write file " + path.toStdString());
}

void WorldEditor::saveAsPngClick() {
  if (auto chosen = dialogs_.saveFile({"Save world as PNG", "PNG pictures|*.png", "png"})) saveAsPng(*chosen);
}

void WorldEditor::reloadFromFile() {
  if (document_->hasUnsavedChanges() &&
      !dialogs_.question(kCaption, "Reload the whole world from the file? The unsaved changes are lost."))
    return;
  document_->reloadAll();
}

void WorldEditor::fileChangedElsewhere() {
  if (document_->hasUnsavedChanges()) {
    statusBar()->showMessage(
        "The ROM changed on disk. Your unsaved changes are kept; Save first checks that the screens it "
        "writes did not change.");
    return;
  }
  document_->reloadAll();
  statusBar()->showMessage("The ROM changed on disk: the world is shown as it is now.", 5000);
}

void WorldEditor::copySelection() {
  if (canvas_->selection().isEmpty()) return;
  QGuiApplication::clipboard()->setText(TileBlockText(document_->copyCells(canvas_->selection())));
}

void WorldEditor::cutSelection() {
  if (canvas_->selection().isEmpty()) return;
  copySelection();
  document_->clearCells(canvas_->selection(), "Cut");
}

void WorldEditor::deleteSelection() {
  if (canvas_->selection().isEmpty()) return;
  document_->clearCells(canvas_->selection(), "Clear");
}

void WorldEditor::paste() {
  const auto block = ParseTileBlock(QGuiApplication::clipboard()->text());
  if (!block)
    throw EditorError("The clipboard holds no tiles: select cells with Shift + drag and copy them first");
  canvas_->liftStamp(*block);
}

void WorldEditor::copyScreen(int screen) {
  QGuiApplication::clipboard()->setText(ScreenRecordText(document_->record(screen)));
  copiedScreen_ = screen;
}

void WorldEditor::pasteScreen(int screen) {
  const auto record = ParseScreenRecordText(QGuiApplication::clipboard()->text());
  if (!record) throw EditorError(kNoScreenOnClipboard);
  document_->putRecord(screen, *record);
}

void WorldEditor::swapWithCopiedScreen(int screen) {
  if (copiedScreen_ == 0) throw EditorError("Copy a screen first: it is swapped with the copied one");
  document_->swapScreens(copiedScreen_, screen);
}

void WorldEditor::showScreenMenu(int screen, QPoint globalPosition) {
  if (!screenMenu_) {
    screenMenu_ = new QMenu(this);
    screenMenu_->setObjectName("ScreenMenu");
  }
  screenMenu_->clear();
  screenMenu_->setTitle("Screen " + QString::number(screen));
  auto add = [this](const QString& text, const std::function<void()>& handler) {
    QAction* action = screenMenu_->addAction(text);
    connect(action, &QAction::triggered, this, [this, handler] { run(handler); });
    return action;
  };
  add("Copy screen", [this, screen] { copyScreen(screen); });
  add("Paste screen", [this, screen] { pasteScreen(screen); });
  add(copiedScreen_ ? QString("Swap with the copied screen (%1)").arg(copiedScreen_)
                    : QString("Swap with the copied screen"),
      [this, screen] { swapWithCopiedScreen(screen); })
      ->setEnabled(copiedScreen_ != 0 && copiedScreen_ != screen);
  add("Clear screen", [this, screen] { document_->clearScreen(screen); });
  add("Set as start screen", [this, screen] { document_->setStartScreen(screen); });
  screenMenu_->addSeparator();
  add("Show in main window", [this, screen] {
    if (hooks_.showScreen) hooks_.showScreen(screen);
  });
  // The screen as edited here, unsaved changes included.
  add("Play from this screen", [this, screen] {
    if (hooks_.playScreen) hooks_.playScreen(screen, document_->record(screen));
  });
  screenMenu_->popup(globalPosition);
}

}  // namespace quelbrook
