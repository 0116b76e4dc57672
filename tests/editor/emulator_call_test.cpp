// Which emulator "Test this screen" starts, with a PATH and core folders of the test's own.
#include "emulator_call.h"

#include <gtest/gtest.h>

#include <QFile>

#include "core_search.h"
#include "rom_builder.h"

namespace quelbrook::testing {
namespace {

class EmulatorCallTest : public ::testing::Test {
 protected:
  void SetUp() override {
    oldPath_ = qgetenv("PATH");
    std::filesystem::create_directories(dir / "bin");
    std::filesystem::create_directories(dir / "cores");
    qputenv("PATH", QByteArray::fromStdString((dir / "bin").string()));
  }
  void TearDown() override { qputenv("PATH", oldPath_); }

  void InstallProgram(const std::string& name) {
    const auto path = dir / "bin" / name;
    WriteText(path, "#!/bin/sh\n");
    std::filesystem::permissions(path, std::filesystem::perms::owner_all);
  }
  QString Path(const std::string& relative) const {
    return QString::fromStdString((dir / relative).string());
  }
  QStringList Cores() const { return {Path("missing"), Path("cores")}; }

  TempDir dir;
  QByteArray oldPath_;
};

TEST_F(EmulatorCallTest, AStandaloneEmulatorTakesTheRomAlone) {
  InstallProgram("retroarch");
  WriteText(dir / "cores" / "nestopia_libretro.so", "");
  InstallProgram("mednafen");
  auto call = FindEmulatorCall(Cores());
  ASSERT_TRUE(call);
  EXPECT_EQ(call->program, Path("bin/mednafen"));
  EXPECT_TRUE(call->arguments.isEmpty());

  InstallProgram("fceux");
  call = FindEmulatorCall(Cores());
  ASSERT_TRUE(call);
  EXPECT_EQ(call->program, Path("bin/fceux")) << "fceux comes first";
}

TEST_F(EmulatorCallTest, RetroArchGetsTheNesCoreWithL) {
  InstallProgram("retroarch");
  WriteText(dir / "cores" / "snes9x_libretro.so", "");
  EXPECT_FALSE(FindEmulatorCall(Cores())) << "RetroArch without a NES core cannot run the ROM";

  WriteText(dir / "cores" / "fceumm_libretro.so", "");
  WriteText(dir / "cores" / "nestopia_libretro.so", "");
  const auto call = FindEmulatorCall(Cores());
  ASSERT_TRUE(call);
  EXPECT_EQ(call->program, Path("bin/retroarch"));
  EXPECT_EQ(call->arguments, QStringList({"-L", Path("cores/nestopia_libretro.so")}));
}

TEST_F(EmulatorCallTest, ACoreWithoutRetroArchIsNoEmulator) {
  WriteText(dir / "cores" / "nestopia_libretro.so", "");
  EXPECT_FALSE(FindEmulatorCall(Cores()));
}

TEST(LibretroCoreFolders, CoverDebiansMultiarchFolderAndTheUsersDownloads) {
  const QStringList folders = play::LibretroCoreFolders();
  EXPECT_TRUE(folders.last().endsWith("/retroarch/cores")) << folders.last().toStdString();
  EXPECT_TRUE(folders.contains("/usr/lib/libretro"));
  EXPECT_TRUE(folders.contains("/usr/lib/x86_64-linux-gnu/libretro") ||
              !QFile::exists("/usr/lib/x86_64-linux-gnu"));
}

}  // namespace
}  // namespace quelbrook::testing
