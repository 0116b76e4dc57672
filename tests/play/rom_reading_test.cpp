// The ROM a game is played from: read whole, or refused at once with the file layer's words
// and the file's name, whatever the name turns out to be.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "editor_error.h"
#include "rom_builder.h"
#include "test_copies.h"
#include "unprivileged.h"
#include "unreadable_roms.h"

namespace quelbrook::testing {
namespace {

// The refusal as the tool prints it, after its name.
std::string RefusalOf(const std::string& path) {
  try {
    play::ReadRomBytes(QString::fromStdString(path));
  } catch (const FileError& error) {
    return error.path() + ": " + error.what();
  }
  return "(read)";
}

TEST(ReadRomBytes, TakesTheFileWholeOrSaysWhatIsWrongWithIt) {
  TempDir dir;
  const std::string rom = (dir / "game.nes").string();
  std::vector<std::uint8_t> bytes(40976);
  for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<std::uint8_t>(i * 7);
  WriteFile(rom, bytes);
  const QByteArray read = play::ReadRomBytes(QString::fromStdString(rom));
  EXPECT_EQ(std::vector<std::uint8_t>(read.begin(), read.end()), bytes);

  for (const auto& [path, message] : UnreadableRoms(dir.path(), rom)) EXPECT_EQ(RefusalOf(path), message);
  // A pipe would stall an open that waits for a writer.
  const std::string pipe = (dir / "pipe.nes").string();
  ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
  EXPECT_EQ(RefusalOf(pipe), pipe + ": File access denied");
  // Refused unread: no NES ROM comes near this size.
  const std::string huge = (dir / "huge.nes").string();
  WriteFile(huge, {});
  std::filesystem::resize_file(huge, 33 * 1024 * 1024);
  EXPECT_EQ(RefusalOf(huge), huge + ": The file is too large to be an NES ROM");
}

TEST(ReadRomBytes, AFileTheUserMayNotReadIsSaidSo) {
  TempDir dir;
  const std::string rom = (dir / "game.nes").string();
  WriteText(rom, "NES");
  const UnreadableRom locked = RomNoOneMayRead(dir.path(), rom);
  std::filesystem::permissions(dir.path(), std::filesystem::perms::all);
  const auto refusal = RunUnprivileged([&] { return RefusalOf(locked.path); });
  if (!refusal) GTEST_SKIP() << "no unprivileged user to run as";
  EXPECT_EQ(*refusal, locked.message);
}

}  // namespace
}  // namespace quelbrook::testing
