// copy-screen and swap-screens write only the records they name.
#include "cli_fixture.h"

namespace quelbrook::testing {
namespace {

class CliScreenRecordTest : public CliTest {
 protected:
  void SetUp() override { WriteRom(RomBuilder().DistinctScreens()); }
  RecordBytes StoredRecord(int screen) const {
    const auto bytes = RomBytes();
    RecordBytes record{};
    std::copy_n(bytes.begin() + ScreenRecordOffset(screen), kScreenRecordLength, record.begin());
    return record;
  }
  void ExpectChangesOnlyIn(const std::vector<std::uint8_t>& before,
                           std::initializer_list<int> screens) const {
    for (std::size_t offset : ChangedOffsets(before, RomBytes())) {
      bool inside = false;
      for (int screen : screens)
        inside |= offset >= std::size_t(ScreenRecordOffset(screen)) &&
                  offset < std::size_t(ScreenRecordOffset(screen) + kScreenRecordLength);
      EXPECT_TRUE(inside) << offset;
    }
  }
};

TEST_F(CliScreenRecordTest, CopyScreenReplacesOnlyTheTargetRecord) {
  const auto before = RomBytes();
  const CliRun run = RunCli({"copy-screen", Rom(), "3", "128"});
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(StoredRecord(128), DistinctRecord(3));
  EXPECT_EQ(StoredRecord(3), DistinctRecord(3));
  ExpectChangesOnlyIn(before, {128});
}

TEST_F(CliScreenRecordTest, SwapScreensExchangesBothRecords) {
  const auto before = RomBytes();
  EXPECT_EQ(RunCli({"swap-screens", Rom(), "1", "17"}).exitCode, 0);
  EXPECT_EQ(StoredRecord(1), DistinctRecord(17));
  EXPECT_EQ(StoredRecord(17), DistinctRecord(1));
  ExpectChangesOnlyIn(before, {1, 17});
  EXPECT_EQ(RunCli({"swap-screens", Rom(), "5", "5"}).exitCode, 0);
  ExpectChangesOnlyIn(before, {1, 17});
}

TEST_F(CliScreenRecordTest, BadCallsAndShortFilesChangeNothing) {
  const auto before = RomBytes();
  ExpectUsageError(RunCli({"copy-screen", Rom(), "0", "5"}));
  ExpectUsageError(RunCli({"swap-screens", Rom(), "5", "129"}));
  ExpectUsageError(RunCli({"copy-screen", Rom(), "5"}));
  EXPECT_EQ(RomBytes(), before);
  // Long enough for both records, too short for the game's image.
  WriteFile(Rom(), std::vector<std::uint8_t>(kStartScreenOffset, 0));
  ExpectFailure(RunCli({"copy-screen", Rom(), "1", "100"}), Rom() + ": Read beyond end of file");
  EXPECT_EQ(RomBytes(), std::vector<std::uint8_t>(kStartScreenOffset, 0));
  ExpectFailure(RunCli({"swap-screens", Path("missing.nes"), "1", "2"}),
                Path("missing.nes") + ": File not found");
}

}  // namespace
}  // namespace quelbrook::testing
