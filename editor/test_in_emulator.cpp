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
#include "test_copies.h"

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
  const std::vector<std::uint8_t> record = RecordFromView(false);

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
  WritePatchesToFile(
      copyPath, {{kStartScreenOffset, {EncodeStartScreenByte(screen)}}, {state_.ScreenRecordOffset, record}});
  if (!QProcess::startDetached(emulator, {copy.fileName()}))
    throw EditorError("The emulator " + emulator.toStdString() + " could not be started");
  copy.setAutoRemove(false);  // the emulator reads it after this returns; a failed run removes it
}

}  // namespace quelbrook
