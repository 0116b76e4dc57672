// "Test this screen": a copy of the ROM that starts on the shown screen, run in an
// emulator. The ROM itself is not touched.
#include <QFile>
#include <QProcess>

#include "core_search.h"
#include "editor_error.h"
#include "emulator_call.h"
#include "form1.h"
#include "screen_value.h"
#include "test_copies.h"

namespace quelbrook {

void TForm1::TestScreenClick() {
  RequireLocatedRecord();
  const auto emulator = FindEmulatorCall(play::LibretroCoreFolders());
  if (!emulator) throw EditorError(kNoEmulatorMessage);
  // The copy shows the screen as it is in the window, unsaved edits included.
  const auto copy = play::WriteTestCopy(QFile::decodeName(state_.romPath.c_str()), ShownScreenNumber(),
                                        RecordOf(ShownScreenValue()));
  if (!QProcess::startDetached(emulator->program, emulator->arguments + QStringList{copy->fileName()}))
    throw EditorError("The emulator " + emulator->program.toStdString() + " could not be started");
  copy->setAutoRemove(false);  // the emulator reads it after this returns; a failed run removes it
}

}  // namespace quelbrook
