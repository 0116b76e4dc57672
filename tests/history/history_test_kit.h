#pragma once
// A ROM in a temporary folder with its history beside it, and the checks every history
// test makes.

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "recorded_write.h"
#include "rom_builder.h"
#include "rom_history.h"

namespace quelbrook::testing {

// A write as the tool makes it: the history opened for it alone.
inline std::string WriteRecorded(const std::string& rom, const std::vector<BytePatch>& patches,
                                 const std::string& words, std::function<void()> onWait = {}) {
  history::KeptHistory kept(rom, std::move(onWait));
  return history::WritePatchesRecorded(kept, patches, words);
}

inline std::string ReplaceRecorded(const std::string& rom, const std::vector<std::uint8_t>& bytes,
                                   const std::string& words) {
  history::KeptHistory kept(rom);
  return history::ReplaceRomRecorded(kept, bytes, words);
}

class HistoryTest : public ::testing::Test {
 protected:
  void SetUp() override { RomBuilder().DistinctScreens().Write(rom); }
  std::vector<std::uint8_t> Rom() const { return ReadFile(rom); }
  // One screen record rewritten with bytes of the generator's choosing.
  BytePatch RandomRecordPatch(std::mt19937& random) const {
    const int screen = std::uniform_int_distribution<int>(1, kScreenCount)(random);
    std::vector<std::uint8_t> bytes(
        static_cast<std::size_t>(std::uniform_int_distribution<int>(1, kScreenRecordLength)(random)));
    for (auto& byte : bytes) byte = static_cast<std::uint8_t>(random());
    return {ScreenRecordOffset(screen), bytes};
  }
  // "ok" when SQLite finds nothing wrong with the file.
  std::string IntegrityCheck() const {
    history::Connection db(historyPath, 1000, {});
    auto check = db.Prepare("PRAGMA integrity_check");
    check.Step();
    return check.Text(0);
  }

  TempDir dir;
  std::string rom = (dir / "Quelbrook.nes").string();
  std::string historyPath = history::RomHistory::PathFor(rom);
};

}  // namespace quelbrook::testing
