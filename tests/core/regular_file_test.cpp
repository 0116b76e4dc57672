#include "regular_file.h"

#include <gtest/gtest.h>

#include "rom_builder.h"

namespace quelbrook {
namespace {

using testing::TempDir;
using testing::WriteFile;

TEST(ReadRegularFile, TakesTheFileWholeAndRefusesMoreThanTheLimitUnread) {
  TempDir dir;
  const std::vector<std::uint8_t> bytes(10000, 0x42);
  WriteFile(dir / "a.bin", bytes);
  const auto whole = ReadRegularFile((dir / "a.bin").string(), 10000);
  ASSERT_TRUE(whole.has_value());
  EXPECT_EQ(*whole, std::string(10000, '\x42'));
  EXPECT_FALSE(ReadRegularFile((dir / "a.bin").string(), 9999).has_value());
}

// Files of /proc tell a size of 0 and still hold text: they are read to their end.
TEST(ReadRegularFile, AFileThatTellsNoSizeIsReadToItsEndWithinTheLimit) {
  const auto status = ReadRegularFile("/proc/self/status", 1 << 20);
  ASSERT_TRUE(status.has_value());
  EXPECT_NE(status->find("VmRSS:"), std::string::npos);
  EXPECT_FALSE(ReadRegularFile("/proc/self/status", 16).has_value());
}

}  // namespace
}  // namespace quelbrook
