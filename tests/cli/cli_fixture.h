#pragma once
// A temporary folder with a synthetic ROM, and the tool run against it.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli_runner.h"
#include "rom_builder.h"

namespace quelbrook::testing {

class CliTest : public ::testing::Test {
 protected:
  std::string Path(const std::string& name) const { return (dir / name).string(); }
  std::string Rom() const { return Path("Quelbrook.nes"); }
  void WriteRom(const RomBuilder& rom) { rom.Write(Rom()); }
  std::vector<std::uint8_t> RomBytes() const { return ReadFile(Rom()); }
  std::string TextOf(const std::string& name) const {
    const auto bytes = ReadFile(Path(name));
    return {bytes.begin(), bytes.end()};
  }

  TempDir dir;
};

// A failure: exit code 1 and the message on stderr only.
inline void ExpectFailure(const CliRun& run, const std::string& message) {
  EXPECT_EQ(run.exitCode, 1) << run.err;
  EXPECT_EQ(run.err, "quelbrook: " + message + "\n");
  EXPECT_EQ(run.out, "");
}

inline void ExpectUsageError(const CliRun& run) {
  EXPECT_EQ(run.exitCode, 2) << run.err;
  EXPECT_NE(run.err.find("Usage: quelbrook"), std::string::npos) << run.err;
  EXPECT_EQ(run.out, "");
}

}  // namespace quelbrook::testing
