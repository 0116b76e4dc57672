#include "rom_image.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "editor_error.h"
#include "rom_builder.h"
#include "unprivileged.h"

namespace quelbrook {
namespace {

using testing::ReadFile;
using testing::TempDir;
using testing::WriteFile;

std::string FailureOf(const std::function<void()>& action) {
  try {
    action();
  } catch (const EditorError& error) {
    return error.what();
  }
  return "no failure";
}

TEST(RomImage, MissingFileIsNotFoundAndNeverCreated) {
  TempDir dir;
  RomImage rom((dir / "absent.nes").string());
  EXPECT_EQ(FailureOf([&] { rom.Open(); }), "File not found");
  EXPECT_FALSE(std::filesystem::exists(dir / "absent.nes"));
  EXPECT_FALSE(rom.isOpen());
  RomImage inMissingFolder((dir / "no-such-folder" / "x.nes").string());
  EXPECT_EQ(FailureOf([&] { inMissingFolder.Open(); }), "File not found");
}

TEST(RomImage, ReadOnlyFileIsRefusedEvenForReading) {
  TempDir dir;
  auto path = dir / "ro.nes";
  WriteFile(path, {1, 2, 3});
  std::filesystem::permissions(dir.path(), std::filesystem::perms::all);
  std::filesystem::permissions(path, std::filesystem::perms::owner_read | std::filesystem::perms::group_read |
                                         std::filesystem::perms::others_read);
  auto text = testing::RunUnprivileged([&] { return FailureOf([&] { RomImage(path.string()).Open(); }); });
  if (!text) GTEST_SKIP() << "no unprivileged child process could be made here";
  EXPECT_EQ(*text, "File access denied");
}

TEST(RomImage, FolderIsRefused) {
  TempDir dir;
  EXPECT_EQ(FailureOf([&] { RomImage(dir.path().string()).Open(); }), "File access denied");
}

TEST(RomImage, ReadsAndWritesSingleBytesAtAbsoluteOffsets) {
  TempDir dir;
  auto path = dir / "rom.nes";
  WriteFile(path, {10, 11, 12, 13});
  RomImage rom(path.string());
  rom.Open();
  rom.Seek(2);
  EXPECT_EQ(rom.ReadByte(), 12);
  EXPECT_EQ(rom.ReadByte(), 13);
  rom.Seek(1);
  rom.WriteByte(99);
  rom.WriteByte(98);
  rom.Close();
  EXPECT_FALSE(rom.isOpen());
  EXPECT_EQ(ReadFile(path), (std::vector<std::uint8_t>{10, 99, 98, 13}));
}

TEST(RomImage, NeverReadsOrWritesPastTheEnd) {
  TempDir dir;
  auto path = dir / "short.nes";
  WriteFile(path, {1, 2});
  RomImage rom(path.string());
  rom.Open();
  rom.Seek(2);
  EXPECT_EQ(FailureOf([&] { rom.ReadByte(); }), "Read beyond end of file");
  EXPECT_EQ(FailureOf([&] { rom.WriteByte(7); }), "Write beyond end of file");
  EXPECT_EQ(FailureOf([&] { RequireRegion(rom, 1, 2); }), "Write beyond end of file");
  EXPECT_EQ(FailureOf([&] { RequireRegion(rom, 0, 2); }), "no failure");
  rom.Close();
  EXPECT_EQ(ReadFile(path), (std::vector<std::uint8_t>{1, 2}));
}

TEST(RomImage, ClosesOnEveryPathOut) {
  TempDir dir;
  auto path = dir / "rom.nes";
  WriteFile(path, {1});
  int before = 0;
  for (const auto& entry : std::filesystem::directory_iterator("/proc/self/fd")) (void)entry, ++before;
  for (int i = 0; i < 50; ++i) {
    RomImage rom(path.string());
    rom.Open();
    rom.Seek(5);
    EXPECT_THROW(rom.ReadByte(), EditorError);
  }
  int after = 0;
  for (const auto& entry : std::filesystem::directory_iterator("/proc/self/fd")) (void)entry, ++after;
  EXPECT_EQ(after, before);
}

TEST(RomImage, UnopenedImageFailsWithAnIoError) {
  RomImage rom("/nonexistent");
  EXPECT_EQ(FailureOf([&] { rom.ReadByte(); }).rfind("I/O error ", 0), 0u);
}

TEST(RomImage, RunsOfBytesAreReadAndWrittenInPlaceButNeverPastTheEnd) {
  TempDir dir;
  const auto path = dir / "run.nes";
  WriteFile(path, {1, 2, 3, 4, 5, 6});
  RomImage rom(path.string());
  rom.Open();
  EXPECT_EQ(rom.ReadBytes(1, 4), (std::vector<std::uint8_t>{2, 3, 4, 5}));
  rom.WriteBytes(2, {9, 8});
  EXPECT_EQ(FailureOf([&] { rom.ReadBytes(4, 3); }), "Read beyond end of file");
  EXPECT_EQ(FailureOf([&] { rom.WriteBytes(5, {7, 7}); }), "Write beyond end of file");
  rom.Close();
  EXPECT_EQ(ReadFile(path), (std::vector<std::uint8_t>{1, 2, 9, 8, 5, 6}));
}

}  // namespace
}  // namespace quelbrook
