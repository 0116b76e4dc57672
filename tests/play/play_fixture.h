#pragma once
// A host on Debian's NES core with folders of the test's own, and the test programs.

#include <gtest/gtest.h>

#include <QString>
#include <memory>

#include "host.h"
#include "rom_builder.h"

namespace quelbrook::testing {

// The assembled test program `name` (e.g. "pad_sprite.nes").
QString TestNesProgram(const QString& name);

class PlayTest : public ::testing::Test {
 protected:
  play::Host& StartHost();
  // Runs `count` frames with the pad as it stands.
  void RunFrames(int count);
  // Runs `frames` frames with `button` down, then lets the pad go.
  void Hold(play::PadButton button, int frames);

  TempDir dir;
  std::unique_ptr<play::Host> host;
};

}  // namespace quelbrook::testing
