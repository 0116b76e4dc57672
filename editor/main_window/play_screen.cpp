// "Play from this screen": a copy of the ROM as "Test this screen" makes it (start screen and
// record as shown, unsaved edits included), run in the Play panel. The ROM is only read.
#include <QFile>

#include "editor_error.h"
#include "form1.h"
#include "play_panel.h"
#include "play_view.h"
#include "screen_value.h"
#include "test_copies.h"

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
    panel = new PlayPanel([this](const std::function<void()>& operation) { Run(operation); },
                          [this] {
                            return dialogs_->saveFile({" Save route...", "Input scripts|*.txt", "txt"});
                          },
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

}  // namespace quelbrook
