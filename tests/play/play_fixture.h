#pragma once
// A console on Debian's NES core, in its own process as the editor runs it, with folders of the
// test's own; and the test programs.

#include <gtest/gtest.h>

#include <QString>
#include <memory>

#include "console_process.h"
#include "rom_builder.h"

namespace quelbrook::testing {

// The assembled test program `name` (e.g. "pad_sprite.nes").
QString TestNesProgram(const QString& name);

class PlayTest : public ::testing::Test {
 protected:
  play::Console& StartHost();
  // Runs `count` frames with the pad as it stands.
  void RunFrames(int count);
  // Runs `frames` frames with `button` down, then lets the pad go.
  void Hold(play::PadButton button, int frames);

  TempDir dir;
  std::unique_ptr<play::Console> host;
};

}  // namespace quelbrook::testing
