#include "play_fixture.h"

#include <QDir>

#include "core_search.h"

namespace quelbrook::testing {

QString TestNesProgram(const QString& name) { return QDir(QUELBROOK_TEST_NES_DIR).filePath(name); }

play::Console& PlayTest::StartHost() {
  host = std::make_unique<play::ConsoleProcess>(play::ChooseNesCore({}),
                                                QString::fromStdString((dir / "play").string()));
  return *host;
}

void PlayTest::RunFrames(int count) {
  for (int i = 0; i < count; ++i) host->RunFrame();
}

void PlayTest::Hold(play::PadButton button, int frames) {
  play::PadState pad;
  pad.Set(button, true);
  host->SetPad(pad);
  RunFrames(frames);
  host->SetPad({});
}

}  // namespace quelbrook::testing
