// "Test this screen": a copy of the ROM that starts on the shown screen, run in an
// emulator. The ROM itself is not touched.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryFile>

#include "byte_map.h"
#include "editor_error.h"
#include "form1.h"
#include "rom_patch.h"
#include "screen_decoding.h"
#include "screen_value.h"

namespace quelbrook {

namespace {
const char* const kEmulators[] = {"fceux", "nestopia", "mednafen"};

QString FindEmulator() {
  for (const char* name : kEmulators) {
    const QString program = QStandardPaths::findExecutable(name);
    if (!program.isEmpty()) return program;
  }
  return {};
}
}  // namespace

void TForm1::TestScreenClick() {
  RequireLocatedRecord();
  const QString emulator = FindEmulator();
  if (emulator.isEmpty())
    throw EditorError("No NES emulator was found: install fceux, nestopia or mednafen to test a screen");
  const int screen = (state_.ScreenRecordOffset - kScreenRecordBase) / kScreenStride;
  // The copy shows the screen as it is in the window, unsaved edits included.
  const RecordBytes record = RecordOf(ShownScreenValue());

  QFile original(QFile::decodeName(state_.romPath.c_str()));
  if (!original.open(QIODevice::ReadOnly)) throw EditorError(messages::kFileNotFound);
  const QByteArray bytes = original.readAll();
  original.close();

  QTemporaryFile copy(QDir(QDir::tempPath()).filePath("quelbrook-test-XXXXXX.nes"));
  copy.setAutoRemove(false);  // the emulator reads it after this returns
  if (!copy.open() || copy.write(bytes) != bytes.size())
    throw EditorError("The test copy could not be written");
  copy.close();
  const std::string copyPath = QFile::encodeName(copy.fileName()).toStdString();
  WritePatchesToFile(copyPath, {{kStartScreenOffset, {EncodeStartScreenByte(screen)}},
                                {state_.ScreenRecordOffset, {record.begin(), record.end()}}});
  if (!QProcess::startDetached(emulator, {copy.fileName()}))
    throw EditorError("The emulator " + emulator.toStdString() + " could not be started");
}

}  // namespace quelbrook
