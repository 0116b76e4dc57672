// "Test this screen": a copy of the ROM that starts on the shown screen, run in an
// emulator. The ROM itself is not touched.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryFile>

#include "byte_map.h"
#include "editor_error.h"
#include "emulator_call.h"
#include "form1.h"
#include "rom_patch.h"
#include "screen_decoding.h"
#include "screen_value.h"
#include "test_copies.h"

namespace quelbrook {

void TForm1::TestScreenClick() {
  RequireLocatedRecord();
  const auto emulator = FindEmulatorCall(LibretroCoreFolders());
  if (!emulator) throw EditorError(kNoEmulatorMessage);
  const int screen = (state_.ScreenRecordOffset - kScreenRecordBase) / kScreenStride;
  // The copy shows the screen as it is in the window, unsaved edits included.
  const RecordBytes record = RecordOf(ShownScreenValue());

  QFile original(QFile::decodeName(state_.romPath.c_str()));
  if (!original.open(QIODevice::ReadOnly)) throw EditorError(messages::kFileNotFound);
  const QByteArray bytes = original.readAll();
  original.close();

  RemoveOldTestCopies(QDir::tempPath());
  QTemporaryFile copy(TestCopyPattern());
  if (!copy.open() || copy.write(bytes) != bytes.size())
    throw EditorError("The test copy could not be written");
  copy.close();
  const std::string copyPath = QFile::encodeName(copy.fileName()).toStdString();
  WritePatchesToFile(copyPath, {{kStartScreenOffset, {EncodeStartScreenByte(screen)}},
                                {state_.ScreenRecordOffset, {record.begin(), record.end()}}});
  if (!QProcess::startDetached(emulator->program, emulator->arguments + QStringList{copy.fileName()}))
    throw EditorError("The emulator " + emulator->program.toStdString() + " could not be started");
  copy.setAutoRemove(false);  // the emulator reads it after this returns; a failed run removes it
}

}  // namespace quelbrook
