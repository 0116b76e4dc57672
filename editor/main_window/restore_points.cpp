// File > Restore points...: the bound ROM's points, and writing one of them back.
#include <QFileInfo>

#include "editor_error.h"
#include "form1.h"
#include "point_restore.h"
#include "recorded_write.h"
#include "restore_points_dialog.h"
#include "rom_history.h"

namespace quelbrook {

void TForm1::ShowRestorePoints() {
  if (state_.romPath.empty()) throw EditorError("Open a ROM first: its restore points are kept beside it");
  for (auto* open : findChildren<RestorePointsDialog*>()) {
    if (open->romPath() == state_.romPath && open->isVisible()) {
      open->refresh();
      open->raise();
      open->activateWindow();
      return;
    }
    open->close();
  }
  const std::string historyPath = history::RomHistory::PathFor(state_.romPath);
  if (!QFileInfo::exists(QFile::decodeName(historyPath.c_str())))
    throw EditorError("There are no restore points of this ROM yet: every save from now on makes one");
  try {
    auto* dialog = new RestorePointsDialog(
        state_.romPath, state_.PictureDirectory,
        [this](const std::string& romPath, int point) { RestoreToPoint(romPath, point); },
        [this](const std::function<void()>& operation) { Run(operation); }, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->show();
  } catch (const history::HistoryError& error) {
    throw EditorError("Restore points are off for this ROM: " + history::HistoryTrouble(historyPath, error));
  }
}

void TForm1::RestoreToPoint(const std::string& romPath, int point) {
  if (romPath != state_.romPath)
    throw EditorError("These restore points are of " +
                      QFileInfo(QFile::decodeName(romPath.c_str())).fileName().toStdString() +
                      ", which is no longer the open ROM");
  if (!dialogs_->question("Restore points",
                          QString("Write the ROM back to its state right after point %1?\n\n"
                                  "The restore is a point of its own, so it can be undone the "
                                  "same way.")
                              .arg(point)))
    return;
  if (!MayLoseUnsavedEdits("the restore shows the screen again as the ROM holds it", "Restore")) return;
  EnsureBackup();
  history::RestoreOutcome outcome;
  try {
    outcome = history::RestorePoint(RestorePoints(), point);
  } catch (const history::HistoryError& error) {
    RestorePoints().Close();
    throw EditorError("Restore points are off for this ROM: " +
                      history::HistoryTrouble(history::RomHistory::PathFor(romPath), error));
  }
  if (!outcome.written) return;
  NoteOwnRomWrite();
  TellHistoryNote(outcome.note);
  if (state_.recordLocated) Button1Click();
}

}  // namespace quelbrook
