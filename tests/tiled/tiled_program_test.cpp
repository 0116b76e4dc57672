// The maps the tool writes, opened by the real tiled and tmxrasterizer, and what Tiled
// saves coming back into the ROM.
#include <gtest/gtest.h>

#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

#include "byte_map.h"
#include "rom_builder.h"

namespace quelbrook::testing {
namespace {

struct ProgramRun {
  int exitCode = -1;
  std::string out;
  std::string err;
};

class TiledProgramTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const char* program : {"tiled", "tmxrasterizer"})
      if (QStandardPaths::findExecutable(program).isEmpty())
        GTEST_SKIP() << program << " is not installed; scripts/setup.sh installs Debian's tiled package";
    WriteFile(Rom(), ReadFile(QUELBROOK_APP_DIR "/Quelbrook.nes"));
    original = ReadFile(Rom());
    const auto run = Tool({"export-tmx", Rom(), Path("world.tmx"), "--pictures", QUELBROOK_APP_DIR});
    ASSERT_EQ(run.exitCode, 0) << run.err;
  }

  // Tiled's programs need no display, only Qt's offscreen platform.
  static ProgramRun Run(const QString& program, const std::vector<std::string>& args) {
    QStringList words;
    for (const auto& arg : args) words << QString::fromStdString(arg);
    QProcess process;
    auto environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    process.setProcessEnvironment(environment);
    process.start(program, words);
    EXPECT_TRUE(process.waitForFinished(120000)) << program.toStdString();
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            process.readAllStandardOutput().toStdString(), process.readAllStandardError().toStdString()};
  }
  static ProgramRun Tool(const std::vector<std::string>& args) { return Run(QUELBROOK_TOOL_PATH, args); }

  std::string Path(const std::string& name) const { return (dir / name).string(); }
  std::string Rom() const { return Path("Quelbrook.nes"); }
  QString MapText() const {
    const auto bytes = ReadFile(Path("world.tmx"));
    return QString::fromUtf8(reinterpret_cast<const char*>(bytes.data()),
                             static_cast<qsizetype>(bytes.size()));
  }
  void WriteMap(const std::string& name, const QString& text) const {
    WriteText(dir / name, text.toStdString());
  }
  QImage Raster(const std::vector<std::string>& hidden) const {
    std::vector<std::string> args;
    for (const auto& layer : hidden) args.insert(args.end(), {"--hide-layer", layer});
    args.insert(args.end(), {Path("world.tmx"), Path("raster.png")});
    const auto run = Run("tmxrasterizer", args);
    EXPECT_EQ(run.exitCode, 0) << run.err;
    return QImage(QString::fromStdString(Path("raster.png"))).convertToFormat(QImage::Format_RGB32);
  }

  TempDir dir;
  std::vector<std::uint8_t> original;
};

TEST_F(TiledProgramTest, TheRasterizerDrawsTheExportAsRenderWorldDoes) {
  ASSERT_EQ(Tool({"render-world", Rom(), Path("render.png"), "--pictures", QUELBROOK_APP_DIR}).exitCode, 0);
  const QImage rendered =
      QImage(QString::fromStdString(Path("render.png"))).convertToFormat(QImage::Format_RGB32);
  ASSERT_EQ(rendered.size(), QSize(4096, 1536));
  EXPECT_TRUE(Raster({"screens"}) == rendered) << "tiles and objects differ from render-world";
  // The objects are what puts the markers there: without them the pictures differ.
  EXPECT_FALSE(Raster({"screens", "objects"}) == rendered);
}

TEST_F(TiledProgramTest, TiledConvertsTheMapToJsonAndBackAndNeitherChangesTheRom) {
  for (const auto& [from, to] : {std::pair{"world.tmx", "world.tmj"}, std::pair{"world.tmj", "again.tmx"}}) {
    const auto run = Run("tiled", {"--export-map", Path(from), Path(to)});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const auto imported = Tool({"import-tmx", Rom(), Path(to)});
    EXPECT_EQ(imported.exitCode, 0) << imported.err;
    EXPECT_EQ(imported.out, "nothing changed\n");
    EXPECT_TRUE(ReadFile(Rom()) == original) << to;
  }
}

TEST_F(TiledProgramTest, ACellAndAnObjectChangedInTheMapComeBackAsExactlyThoseBytes) {
  QString text = MapText();
  // Screen 1, cell 1 is the first number of the CSV data.
  const QRegularExpression firstCell("(<data encoding=\"csv\">\\s*)(\\d+)");
  const int oldCode = firstCell.match(text).captured(2).toInt() - 1;
  const int newCode = (oldCode + 1) % 176;
  text.replace(firstCell, QString("\\1%1").arg(newCode + 1));
  // Screen 2's enemy 1 (object 7) goes to row 11, column 14 of its screen.
  const QRegularExpression enemy("(<object id=\"7\" [^>]*) x=\"[^\"]*\" y=\"[^\"]*\"");
  ASSERT_TRUE(enemy.match(text).hasMatch());
  text.replace(enemy, QString("\\1 x=\"%1\" y=\"%2\"").arg(256 + 14 * 16).arg(11 * 16 + 16));
  WriteMap("edited.tmx", text);
  // Saved again by Tiled, as a user's edit would be.
  ASSERT_EQ(Run("tiled", {"--export-map", Path("edited.tmx"), Path("edited.tmj")}).exitCode, 0);

  const auto run = Tool({"import-tmx", Rom(), Path("edited.tmj")});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.out, "screens changed: 1 2\n");
  const auto after = ReadFile(Rom());
  const std::size_t cell = ScreenRecordOffset(1) + kRecordTiles;
  const std::size_t destination = ScreenRecordOffset(2) + kRecordEnemyDestinations;
  ASSERT_NE(original[destination], 11 * 16 + 14);
  EXPECT_EQ(ChangedOffsets(original, after), (std::vector<std::size_t>{cell, destination}));
  EXPECT_EQ(after[cell], newCode);
  EXPECT_EQ(after[destination], 11 * 16 + 14);
}

TEST_F(TiledProgramTest, DamagedMapsAreRefusedWithTheirPlaceAndTheRomStays) {
  const QString text = MapText();
  const QRegularExpression object7("\\s*<object id=\"7\" .*?</object>",
                                   QRegularExpression::DotMatchesEverythingOption);
  QString withSixth = text;
  withSixth.insert(text.indexOf("</objectgroup>"),
                   object7.match(text).captured(0).replace("id=\"7\"", "id=\"9999\""));
  const struct {
    QString damaged;
    std::string refusal;
  } cases[] = {
      {QString(text).replace("name=\"screens\"", "name=\"notes\""),
       "layer \"screens\": the map has no such layer"},
      {QString(text).replace("width=\"128\" height=\"48\" tilewidth",
                             "width=\"127\" height=\"48\" tilewidth"),
       "the map: it is 127 x 48 tiles; the world is 128 x 48"},
      {QString(text).replace(QRegularExpression("(?<=<data encoding=\"csv\">)\\s*\\d+"), "\n999"),
       "layer \"tiles\", cell (0, 0) = screen 1 cell 1: gid 999 is not one of the 256 tile codes"},
      {withSixth,
       "layer \"objects\", object 9999 \"Screen 2 enemy1\": screen 2 already has its enemy1 (object 7)"},
      {QString(text).replace(QRegularExpression("(name=\"message\" value=\")."), "\\1q"),
       "layer \"screens\", object 641 \"Screen 1\": "},
  };
  for (const auto& c : cases) {
    WriteMap("damaged.tmx", c.damaged);
    const auto run = Tool({"import-tmx", Rom(), Path("damaged.tmx")});
    EXPECT_EQ(run.exitCode, 1);
    const std::string expected = "quelbrook: damaged.tmx: " + c.refusal;
    EXPECT_EQ(run.err.substr(0, expected.size()), expected) << run.err;
    EXPECT_EQ(run.out, "");
    EXPECT_TRUE(ReadFile(Rom()) == original);
  }
}

}  // namespace
}  // namespace quelbrook::testing
