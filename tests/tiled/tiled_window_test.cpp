// The File menu's "Export world to Tiled..." and "Import world from Tiled...".
#include <QFileInfo>

#include "recorded_write.h"
#include "rom_history.h"
#include "screen_decoding.h"
#include "window_fixture.h"
#include "world_export.h"

namespace quelbrook::testing {
namespace {

class TiledWindowTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    OpenRom(RomBuilder().DistinctScreens().StartScreenByte(EncodeStartScreenByte(5)));
    original = RomBytes();
  }
  std::string MapPath() const { return (dir / "world.tmx").string(); }
  // The map of the ROM as it is, with one change made to its world.
  void WriteEditedMap(const std::function<void(WorldData&)>& edit) {
    RomImage rom(RomPath());
    WorldData world = ReadWorld(rom);
    edit(world);
    const QByteArray xml = WorldMapXml(world, TilesetNamesOf(QString::fromStdString(MapPath())));
    WriteText(MapPath(), xml.toStdString());
  }
  void Import() {
    dialogs.fileAnswers << QString::fromStdString(MapPath());
    Click([this] { window->ImportWorldFromTiled(); });
  }

  std::vector<std::uint8_t> original;
};

TEST_F(TiledWindowTest, ExportWritesTheMapBesideItsTwoTilesets) {
  dialogs.fileAnswers << QString::fromStdString((dir / "out").string() + ".tmx");
  Click([this] { window->ExportWorldToTiled(); });
  EXPECT_EQ(LastMessage(), "");
  for (const char* name : {"out.tmx", "out-tiles.tsx", "out-tiles.png", "out-objects.tsx", "out-objects.png"})
    EXPECT_TRUE(QFileInfo::exists(QString::fromStdString((dir / name).string()))) << name;
  EXPECT_TRUE(RomBytes() == original);
}

TEST_F(TiledWindowTest, ImportWritesTheChangeAndShowsTheScreenAgain) {
  WriteEditedMap([](WorldData& world) { world.screens[4].palette1 = 77; });
  Import();
  EXPECT_EQ(LastMessage(), "screens changed: 5");
  EXPECT_EQ(ChangedOffsets(original, RomBytes()),
            std::vector<std::size_t>{static_cast<std::size_t>(ScreenRecordOffset(5) + kRecordPalette1)});
  EXPECT_EQ(Edit("Edit1")->text(), "5");
  EXPECT_EQ(Edit("pal1")->text(), "77");
  // One restore point, in the words of the import, holding that byte alone.
  history::KeptHistory reader(RomPath());
  history::RomHistory& kept = reader.Open();
  const auto points = kept.List();
  ASSERT_EQ(points.size(), 2u);
  EXPECT_EQ(points[1].words, "Import Tiled map world.tmx");
  EXPECT_EQ(points[1].regions, "screen 5");
  const auto change = kept.ChangeOf(2);
  ASSERT_EQ(change.runs.size(), 1u);
  EXPECT_EQ(change.runs[0].offset, ScreenRecordOffset(5) + kRecordPalette1);
  EXPECT_EQ(change.runs[0].after, std::vector<std::uint8_t>{77});
}

TEST_F(TiledWindowTest, ARefusedMapChangesNothingAndSaysWhy) {
  WriteEditedMap([](WorldData& world) { world.screens[4].palette1 = 77; });
  const auto text = ReadFile(MapPath());
  WriteText(MapPath(),
            QString::fromUtf8(reinterpret_cast<const char*>(text.data()), static_cast<qsizetype>(text.size()))
                .replace("name=\"objects\"", "name=\"things\"")
                .toStdString());
  Import();
  EXPECT_EQ(LastMessage().toStdString(), "world.tmx: layer \"objects\": the map has no such layer.");
  EXPECT_TRUE(RomBytes() == original);
}

TEST_F(TiledWindowTest, UnsavedEditsAreOnlyThrownAwayWhenTheUserSaysSo) {
  WriteEditedMap([](WorldData& world) { world.screens[4].palette1 = 77; });
  Edit("pal2")->setText("3");
  Click([this] { window->Undoable("palette", [this] { Edit("pal2")->setText("4"); }); });
  ASSERT_TRUE(window->hasUnsavedEdits());
  dialogs.questionAnswers = {false};
  Import();
  EXPECT_TRUE(RomBytes() == original);
  EXPECT_EQ(Edit("pal2")->text(), "4");
}

}  // namespace
}  // namespace quelbrook::testing
