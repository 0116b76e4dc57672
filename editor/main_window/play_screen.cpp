// "Play from this screen": a copy of the ROM as "Test this screen" makes it (start screen and
// record as shown, unsaved edits included), run in the Play panel. The ROM is only read.
#include <QFile>
#include <QFileInfo>

#include "editor_error.h"
#include "form1.h"
#include "play_panel.h"
#include "play_view.h"
#include "screen_value.h"
#include "test_copies.h"
#include "world_document.h"
#include "world_editor.h"

namespace quelbrook {

void TForm1::PlayScreenClick() {
  if (!state_.recordLocated)
    throw EditorError(
        "There is no screen to play: the screen did not load completely. Fix what its "
        "message named, then reload the screen (F5) and play again");
  PlayScreen(ShownScreenNumber(), RecordOf(ShownScreenValue()));
}

void TForm1::PlayScreen(int screen, const RecordBytes& record) {
  const QString rom = QFile::decodeName(state_.romPath.c_str());
  const QByteArray copy = play::TestCopyBytes(rom, screen, record);
  auto* panel = findChild<PlayPanel*>("PlayPanel", Qt::FindDirectChildrenOnly);
  const bool made = !panel;
  if (made)
    panel = new PlayPanel(
        [this](const std::function<void()>& operation) { Run(operation); },
        [this] {
          return dialogs_->saveFile({" Save route...", "Input scripts|*.txt", "txt"});
        },
        [this](const QString& romPath, int startScreen) { return PlayCopyWithEdits(romPath, startScreen); },
        this);
  try {
    panel->Play(copy, rom);
  } catch (...) {
    if (made) delete panel;
    throw;
  }
  panel->setWindowTitle(panel->windowTitle() + ", screen " + QString::number(screen));
  panel->show();
  panel->raise();
  panel->activateWindow();
  panel->view()->setFocus();
}

QByteArray TForm1::PlayCopyWithEdits(const QString& romPath, int startScreen) const {
  const QString open = QFile::decodeName(state_.romPath.c_str());
  if (QFileInfo(romPath) != QFileInfo(open))
    throw EditorError("The game plays " + QFileInfo(romPath).fileName().toStdString() +
                      ", but the editor now has " + QFileInfo(open).fileName().toStdString() +
                      " open: press F6 to play its screen");
  ScreenRecords records;
  if (WorldEditor* world = ShownWorldEditor(); world && world->property("romPath").toString() == open)
    for (int screen : world->document().changedScreens()) records[screen] = world->document().record(screen);
  // The shown screen as F6 plays it, unless only the world editor changed it.
  if (state_.recordLocated && (hasUnsavedEdits() || !records.count(ShownScreenNumber())))
    records[ShownScreenNumber()] = RecordOf(ShownScreenValue());
  return play::TestCopyBytes(romPath, startScreen, records);
}

}  // namespace quelbrook
