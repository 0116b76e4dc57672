// Learning the demo ROM's pictures through the real core: they come out as the shipped
// ones, follow changed tile bytes, and a failed or cancelled run leaves the folder alone.

#include "picture_learning.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <filesystem>
#include <fstream>
#include <set>

#include "console_process.h"
#include "core_search.h"
#include "editor_error.h"
#include "folder_contents.h"
#include "hex_text.h"
#include "item_catalogue.h"
#include "learned_folder.h"
#include "picture_folder.h"
#include "rom_builder.h"
#include "rom_image.h"
#include "screen_rendering.h"
#include "shared_console.h"
#include "whole_world_runs.h"
#include "world_data.h"

namespace quelbrook::testing {
namespace {

const QString kDemoRom = QDir(QUELBROOK_TEST_APP_DIR).filePath("Quelbrook.nes");

class PictureLearning : public SharedConsoleTest {
 protected:
  static void TearDownTestSuite() {
    delete demoReport;
    SharedConsoleTest::TearDownTestSuite();
  }

  static std::optional<learn::LearnReport> Learn(const QString& rom, const QString& dir,
                                                 const learn::Progress& progress = {}) {
    return learn::LearnPictures(*host, rom, dir, {}, progress);
  }

  // Learned by the first test that asks: ctest runs each test in a process of its own, and
  // most tests here need no run of the whole demo world.
  static const learn::LearnReport& DemoReport() {
    if (!demoReport) demoReport = new learn::LearnReport(*Learn(kDemoRom, Folder("demo")));
    return *demoReport;
  }

  static WorldData DemoWorld() {
    RomImage rom(kDemoRom.toStdString());
    return ReadWorld(rom);
  }

  static inline learn::LearnReport* demoReport = nullptr;
};

QStringList Siblings(const QString& dir) {
  return QFileInfo(dir).dir().entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
}

void ExpectSamePicture(PictureFolder& shipped, PictureFolder& learned, const std::string& path) {
  EXPECT_EQ(learned.picture(path).convertToFormat(QImage::Format_RGB32),
            shipped.picture(path).convertToFormat(QImage::Format_RGB32))
      << path;
}

TEST_F(PictureLearning, TheDemoWorldsPicturesComeOutAsShippedAtTheRealOrigin) {
  const learn::LearnReport& report = DemoReport();
  EXPECT_EQ(report.origin, QPoint(0, 16));
  ASSERT_TRUE(report.fit);
  EXPECT_GT(*report.fit, 0.99);  // the hero stands on the rest

  PictureFolder shipped(QUELBROOK_TEST_APP_DIR), learned(Folder("demo"));
  std::set<int> tiles, items, enemies;
  for (const ScreenData& screen : DemoWorld().screens) {
    tiles.insert(screen.tiles.begin(), screen.tiles.end());
    if (RenderedMarkerCorner(screen.itemDestination) && screen.itemCode < 16) items.insert(screen.itemCode);
    for (int enemy = 0; enemy < kEnemyCount; ++enemy)
      if (RenderedMarkerCorner(screen.enemyDestinations[enemy]) && screen.enemyKinds[enemy] < 16)
        enemies.insert(screen.enemyKinds[enemy]);
  }
  ASSERT_FALSE(items.empty());
  ASSERT_FALSE(enemies.empty());
  // 98 has an enemy on it wherever it is, and still comes out whole.
  ASSERT_TRUE(tiles.count(0x98));
  for (int code : tiles) ExpectSamePicture(shipped, learned, TileBitmapPath(IntToHexText(code)));
  for (int code : items) ExpectSamePicture(shipped, learned, ItemBitmapPath(IntToHexText(code)));
  for (int code : enemies) ExpectSamePicture(shipped, learned, EnemyBitmapPath(IntToHexText(code)));
  EXPECT_EQ(report.tilesLearned, static_cast<int>(tiles.size()));

  // Codes the world never shows have no file; of those, the ones the editor has pictures for
  // are named in the report.
  for (int code = 0; code < 256; ++code)
    if (!tiles.count(code)) {
      EXPECT_FALSE(QFile::exists(
          QDir(Folder("demo")).filePath(QString::fromStdString(TileBitmapPath(IntToHexText(code))))));
    }
  EXPECT_NE(report.text.find("Shown on no screen, so not learned: tiles "), std::string::npos) << report.text;
  EXPECT_EQ(report.text.find("B0", report.text.find("Shown on no screen")), std::string::npos)
      << "a code without any picture is named";
  std::ifstream file((*folders / "demo" / "learned.txt"));
  const std::string saved((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  EXPECT_EQ(saved, report.text);
}

// Tile bytes of the game changed in a copy: the learned pictures follow them.
TEST_F(PictureLearning, ChangedTileBytesShowInTheLearnedPictures) {
  QUELBROOK_SKIP_REPEATED_WHOLE_WORLD_RUN();
  std::ifstream chrFile(std::filesystem::path(QUELBROOK_TEST_GAME_DATA_DIR) / "background.chr",
                        std::ios::binary);
  const std::string chr((std::istreambuf_iterator<char>(chrFile)), std::istreambuf_iterator<char>());
  QFile demo(kDemoRom);
  ASSERT_TRUE(demo.open(QIODevice::ReadOnly));
  QByteArray bytes = demo.readAll();
  const auto at = bytes.indexOf(QByteArray::fromStdString(chr));
  ASSERT_GE(at, 0);
  for (int i = 16; i < static_cast<int>(chr.size()); ++i) bytes[at + i] = static_cast<char>(~bytes[at + i]);
  const QString changed = Folder("changed.nes");
  QFile copy(changed);
  ASSERT_TRUE(copy.open(QIODevice::WriteOnly));
  copy.write(bytes);
  copy.close();

  ASSERT_TRUE(Learn(changed, Folder("changed")));
  PictureFolder shipped(QUELBROOK_TEST_APP_DIR), learned(Folder("changed"));
  std::set<int> codes, differing;
  for (const ScreenData& screen : DemoWorld().screens)
    for (int code : screen.tiles) {
      const std::string path = TileBitmapPath(IntToHexText(code));
      codes.insert(code);
      if (learned.picture(path) != shipped.picture(path).convertToFormat(QImage::Format_RGB32))
        differing.insert(code);
    }
  EXPECT_GT(differing.size(), codes.size() / 2);
}

// An eighth of the way is past several restarts of the console program (every eight or so
// games), and far short of a whole-world run under the sanitizers.
TEST_F(PictureLearning, ACancelPartWayLeavesTheFolderAsItWas) {
  const QString dir = Folder("cancelled");
  ASSERT_TRUE(QDir().mkpath(dir + "/graph"));
  QFile mine(dir + "/graph/0.bmp");
  ASSERT_TRUE(mine.open(QIODevice::WriteOnly));
  mine.write("mine");
  mine.close();
  const auto before = Contents(dir);
  const QStringList siblings = Siblings(dir);
  int calls = 0, copies = 0;
  EXPECT_FALSE(Learn(kDemoRom, dir, [&](int done, int total) {
    ++calls;
    copies = total;
    return done < total / 8;
  }));
  EXPECT_EQ(calls, copies / 8 + 1);
  EXPECT_TRUE(Contents(dir) == before);
  EXPECT_EQ(Siblings(dir), siblings);
}

TEST_F(PictureLearning, AFolderThatCannotBeWrittenOrARefusedRomChangesNothing) {
  const QString blocker = Folder("a-file");
  QFile file(blocker);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write("not a folder");
  file.close();
  int calls = 0;
  try {
    Learn(kDemoRom, blocker + "/pictures", [&](int, int) { return ++calls > 0; });
    FAIL() << "learned into a folder below a file";
  } catch (const EditorError& error) {
    EXPECT_NE(std::string(error.what()).find("could not be written"), std::string::npos) << error.what();
  }
  EXPECT_EQ(calls, 0) << "refused before the game ran";
  EXPECT_FALSE(QFileInfo::exists(blocker + "/pictures"));

  // A ROM the host refuses: the folder of an earlier run stays whole.
  const QString dir = Folder("earlier");
  QImage picture(32, 32, QImage::Format_RGB32);
  picture.fill(Qt::darkGreen);
  learn::WriteFolderAtOnce(dir, {{"graph/00.bmp", picture}}, {{"learned.txt", "an earlier run"}});
  const auto before = Contents(dir);
  QFile demo(kDemoRom);
  ASSERT_TRUE(demo.open(QIODevice::ReadOnly));
  const QString cut = Folder("cut.nes");
  QFile copy(cut);
  ASSERT_TRUE(copy.open(QIODevice::WriteOnly));
  QByteArray bytes = demo.readAll();
  bytes[0] = 'X';  // no iNES header
  copy.write(bytes);
  copy.close();
  EXPECT_THROW(Learn(cut, dir), EditorError);
  EXPECT_TRUE(Contents(dir) == before);
}

// Outside programs, one laid out as the game's cartridge, and files too short for the records:
// refused before anything is learned, in words that say why.
TEST_F(PictureLearning, ARomWhoseGameDoesNotDrawTheRecordsIsRefused) {
  const QString nes = QUELBROOK_TEST_NES_DIR;
  QFile program(nes + "/pad_sprite.nes");
  ASSERT_TRUE(program.open(QIODevice::ReadOnly));
  QByteArray varied = program.readAll();
  for (int screen = 1; screen <= kScreenCount; ++screen)
    for (int cell = 0; cell < kTileCount; ++cell)
      varied[ScreenRecordOffset(screen) + cell] = static_cast<char>(cell);
  const QString variedPath = Folder("varied.nes");
  QFile variedFile(variedPath);
  ASSERT_TRUE(variedFile.open(QIODevice::WriteOnly));
  variedFile.write(varied);
  variedFile.close();
  QFile demo(kDemoRom);
  ASSERT_TRUE(demo.open(QIODevice::ReadOnly));
  const QString shortPath = Folder("short.nes");
  QFile shortFile(shortPath);
  ASSERT_TRUE(shortFile.open(QIODevice::WriteOnly));
  shortFile.write(demo.read(20000));
  shortFile.close();

  const std::pair<QString, std::string> refused[] = {
      {variedPath,
       "does not draw its screens from the screen records this editor writes (a copy with one tile "
       "code changed looked the same), so its pictures cannot be learned. Is it a ROM of this game?"},
      {nes + "/pad_sprite.nes",
       "pad_sprite.nes holds a single tile code, so its pictures cannot be learned."},
      {nes + "/palette_probe.nes",
       " bytes, too few for this game's ROM: its screen records and start screen need 33237"},
      {shortPath, "short.nes has 20000 bytes, too few for this game's ROM"},
  };
  for (const auto& [rom, words] : refused) {
    try {
      Learn(rom, Folder("refused"));
      ADD_FAILURE() << "learned from " << rom.toStdString();
    } catch (const EditorError& error) {
      EXPECT_NE(std::string(error.what()).find(words), std::string::npos) << error.what();
    }
    EXPECT_FALSE(QFileInfo::exists(Folder("refused")));
  }
}

TEST(PictureLearningCore, AMissingCoreIsNamed) {
  EXPECT_THROW(play::ChooseNesCore("/no/such/core.so"), EditorError);
}

}  // namespace
}  // namespace quelbrook::testing
