#include "atomic_file.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <filesystem>

#include "editor_error.h"
#include "rom_builder.h"
#include "unprivileged.h"

namespace quelbrook {
namespace {

namespace fs = std::filesystem;
using testing::TempDir;

std::string ReadText(const fs::path& path) {
  auto bytes = testing::ReadFile(path);
  return {bytes.begin(), bytes.end()};
}

std::vector<std::string> Names(const fs::path& dir) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(dir)) names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

// Runs the write as an ordinary user and gives back the error text, "" when it succeeded.
std::optional<std::string> WriteUnprivileged(const fs::path& path, const std::string& content,
                                             rlim_t fileSizeLimit = RLIM_INFINITY) {
  return testing::RunUnprivileged([&]() -> std::string {
    if (fileSizeLimit != RLIM_INFINITY) {
      signal(SIGXFSZ, SIG_IGN);
      rlimit limit{fileSizeLimit, fileSizeLimit};
      if (setrlimit(RLIMIT_FSIZE, &limit) != 0) return "setrlimit failed";
    }
    try {
      WriteFileAtomically(path.string(), content);
      return "";
    } catch (const EditorError& error) {
      return error.what();
    }
  });
}

TEST(WriteFileAtomically, CreatesAndReplacesLeavingNothingElse) {
  TempDir dir;
  auto path = dir / "screen.map";
  WriteFileAtomically(path.string(), "first\r\n");
  EXPECT_EQ(ReadText(path), "first\r\n");
  WriteFileAtomically(path.string(), std::string("\0\xFF\r\n", 4));
  EXPECT_EQ(ReadText(path), std::string("\0\xFF\r\n", 4));
  WriteFileAtomically(path.string(), "");
  EXPECT_EQ(ReadText(path), "");
  EXPECT_EQ(Names(dir.path()), std::vector<std::string>{"screen.map"});
}

TEST(WriteFileAtomically, RefusesAMissingFolderOrAFolderAsTarget) {
  TempDir dir;
  EXPECT_THROW(WriteFileAtomically((dir / "missing" / "a.map").string(), "x"), EditorError);
  fs::create_directory(dir / "folder");
  EXPECT_THROW(WriteFileAtomically((dir / "folder").string(), "x"), EditorError);
  EXPECT_TRUE(fs::is_directory(dir / "folder"));
  EXPECT_TRUE(fs::is_empty(dir / "folder"));
  EXPECT_EQ(Names(dir.path()), std::vector<std::string>{"folder"});
}

TEST(WriteFileAtomically, KeepsTheOldFileWhenTheFolderIsNotWritable) {
  TempDir dir;
  auto path = dir / "screen.tpie";
  testing::WriteText(path, "old content\r\n");
  fs::permissions(dir.path(), fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                                  fs::perms::others_read | fs::perms::others_exec);
  auto error = WriteUnprivileged(path, "new content\r\n");
  if (!error) GTEST_SKIP() << "no unprivileged child";
  EXPECT_EQ(*error, messages::kFileAccessDenied);
  EXPECT_EQ(ReadText(path), "old content\r\n");
  EXPECT_EQ(Names(dir.path()), std::vector<std::string>{"screen.tpie"});
}

TEST(WriteFileAtomically, KeepsTheOldFileWhenTheWriteFailsPartWay) {
  TempDir dir;
  auto path = dir / "screen.map";
  testing::WriteText(path, "old content\r\n");
  fs::permissions(dir.path(), fs::perms::all);
  // The size limit lets the temporary file be created but not filled.
  auto error = WriteUnprivileged(path, std::string(64 * 1024, 'x'), 4096);
  if (!error) GTEST_SKIP() << "no unprivileged child";
  EXPECT_FALSE(error->empty());
  EXPECT_EQ(ReadText(path), "old content\r\n");
  EXPECT_EQ(Names(dir.path()), std::vector<std::string>{"screen.map"});
}

fs::perms ModeOf(const fs::path& path) { return fs::status(path).permissions(); }

TEST(WriteFileAtomically, TheReplacedFileKeepsItsPermissions) {
  TempDir dir;
  const auto path = dir / "screen.map";
  for (fs::perms mode : {fs::perms::owner_read | fs::perms::owner_write,
                         fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec,
                         fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_write |
                             fs::perms::others_write}) {
    testing::WriteText(path, "old\r\n");
    fs::permissions(path, mode);
    WriteFileAtomically(path.string(), "new\r\n");
    EXPECT_EQ(ReadText(path), "new\r\n");
    EXPECT_EQ(ModeOf(path), mode) << std::oct << static_cast<int>(ModeOf(path));
  }
  EXPECT_EQ(Names(dir.path()), std::vector<std::string>{"screen.map"});
}

TEST(WriteFileAtomically, ANewFileGetsTheModeOpenWouldGiveIt) {
  TempDir dir;
  const mode_t before = ::umask(077);
  WriteFileAtomically((dir / "private.map").string(), "x");
  ::umask(022);
  WriteFileAtomically((dir / "shared.map").string(), "x");
  ::umask(before);
  EXPECT_EQ(ModeOf(dir / "private.map"), fs::perms::owner_read | fs::perms::owner_write);
  EXPECT_EQ(ModeOf(dir / "shared.map"),
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read | fs::perms::others_read);
}

TEST(WriteFileAtomically, WritesThroughASymbolicLinkToTheFileItNames) {
  TempDir dir;
  fs::create_directory(dir / "real");
  const auto target = dir / "real" / "game.nes";
  testing::WriteText(target, "old");
  fs::permissions(target, fs::perms::owner_read | fs::perms::owner_write);
  // A relative link, and a link to that link.
  fs::create_symlink("real/game.nes", dir / "link.nes");
  fs::create_symlink(dir / "link.nes", dir / "second.nes");
  WriteFileAtomically((dir / "second.nes").string(), "new");
  EXPECT_TRUE(fs::is_symlink(dir / "link.nes"));
  EXPECT_TRUE(fs::is_symlink(dir / "second.nes"));
  EXPECT_EQ(fs::read_symlink(dir / "link.nes"), fs::path("real/game.nes"));
  EXPECT_EQ(ReadText(target), "new");
  EXPECT_EQ(ModeOf(target), fs::perms::owner_read | fs::perms::owner_write);
  EXPECT_EQ(Names(dir / "real"), std::vector<std::string>{"game.nes"});
  EXPECT_EQ(Names(dir.path()), (std::vector<std::string>{"link.nes", "real", "second.nes"}));

  // A link whose file does not exist yet: the file is made where the link points.
  fs::create_symlink("real/new.map", dir / "dangling.map");
  WriteFileAtomically((dir / "dangling.map").string(), "made");
  EXPECT_TRUE(fs::is_symlink(dir / "dangling.map"));
  EXPECT_EQ(ReadText(dir / "real" / "new.map"), "made");

  // A loop of links is refused and changes nothing.
  fs::create_symlink("loop-b", dir / "loop-a");
  fs::create_symlink("loop-a", dir / "loop-b");
  EXPECT_THROW(WriteFileAtomically((dir / "loop-a").string(), "x"), EditorError);
}

TEST(ReadSideFile, ReadsTheWholeFileUpToTheLimit) {
  TempDir dir;
  std::string content(5000, 'a');
  content[0] = '\0';
  content[4999] = '\xFF';
  testing::WriteText(dir / "a.map", content);
  EXPECT_EQ(ReadSideFile((dir / "a.map").string(), 5000), content);
  EXPECT_THROW(ReadSideFile((dir / "a.map").string(), 4999), EditorError);
  testing::WriteText(dir / "empty.map", "");
  EXPECT_EQ(ReadSideFile((dir / "empty.map").string(), 10), "");
}

TEST(ReadSideFile, RefusesWhatIsNotAnOrdinaryFile) {
  TempDir dir;
  EXPECT_THROW(ReadSideFile(dir.path().string(), 1000), EditorError);
  EXPECT_THROW(ReadSideFile((dir / "missing.map").string(), 1000), EditorError);
  // Neither may block or run on forever.
  ASSERT_EQ(mkfifo((dir / "pipe.map").c_str(), 0600), 0);
  EXPECT_THROW(ReadSideFile((dir / "pipe.map").string(), 1000), EditorError);
  EXPECT_THROW(ReadSideFile("/dev/zero", 1000), EditorError);
}

TEST(ReadSideFile, ReportsAFileThatMayNotBeRead) {
  TempDir dir;
  auto path = dir / "secret.map";
  testing::WriteText(path, "48\r\n");
  fs::permissions(path, fs::perms::owner_write);
  fs::permissions(dir.path(), fs::perms::all);
  auto error = testing::RunUnprivileged([&]() -> std::string {
    try {
      ReadSideFile(path.string(), 1000);
      return "";
    } catch (const EditorError& error) {
      return error.what();
    }
  });
  if (!error) GTEST_SKIP() << "no unprivileged child";
  EXPECT_EQ(*error, messages::kFileAccessDenied);
}

}  // namespace
}  // namespace quelbrook
