// Painting cells from the tile palette and clearing the screen act on the view;
// only Save screen takes them to the file.
#include <QDir>
#include <QFile>

#include "byte_map.h"
#include "hex_text.h"
#include "window_fixture.h"

namespace quelbrook::testing {
namespace {

QString Hex(int value) { return QString::fromStdString(IntToHexText(value)); }

class TileEditingTest : public WindowTest {
 protected:
  void SelectCell(int cell) {
    Click([this, cell] { window->ImageClick(cell); });
  }
  void PickPalette(int n) {
    Click([this, n] { window->PicClick(n); });
  }
  void Clear() {
    Click([this] { window->Button10Click(); });
  }
  void Save() {
    Click([this] { window->Button5Click(); });
  }
  void OpenDistinct() { OpenRom(RomBuilder().DistinctScreens().StartScreenByte(kStartsAt55)); }
  QColor CellColour(int cell) const {
    return CentreColour(Image("Image" + QString::number(cell))->picture());
  }
  QStringList Codes() const {
    QStringList codes;
    for (int cell = 1; cell <= kTileCount; ++cell) codes << TileCode(cell);
    return codes;
  }
  std::vector<QRgb> Colours() const {
    std::vector<QRgb> colours;
    for (int cell = 1; cell <= kTileCount; ++cell) colours.push_back(CellColour(cell).rgb());
    return colours;
  }
};

TEST_F(TileEditingTest, RedFramesTheSelectedCellAndGreenTheLastPaletteImage) {
  EXPECT_EQ(Position("Red"), QPoint(-100, -100));
  EXPECT_EQ(Position("Green"), QPoint(-100, -100));
  SelectCell(1);
  EXPECT_EQ(Position("Red"), QPoint(7, 7));
  SelectCell(48);
  EXPECT_EQ(Position("Red"), QPoint(238, 172));
  PickPalette(1);
  EXPECT_EQ(Position("Green"), QPoint(287, 7));
  PickPalette(176);
  EXPECT_EQ(Position("Green"), QPoint(782, 337));
  EXPECT_EQ(Position("Red"), QPoint(238, 172)) << "a palette click leaves the selection marker";
  EXPECT_EQ(window->state().SelectedCell, 48);
}

TEST_F(TileEditingTest, APaletteClickWithNoCellSelectedOnlyMovesGreen) {
  OpenDistinct();
  const QStringList codes = Codes();
  const auto colours = Colours();
  PickPalette(5);
  EXPECT_EQ(Codes(), codes);
  EXPECT_EQ(Colours(), colours);
  EXPECT_EQ(Position("Green"), QPoint(419, 7));
  EXPECT_EQ(Position("Red"), QPoint(-100, -100));
  EXPECT_EQ(window->state().SelectedCell, 0);
}

TEST_F(TileEditingTest, PaletteClicksRepaintTheSelectedCellPictureAndCode) {
  OpenDistinct();
  QStringList codes = Codes();
  auto colours = Colours();
  SelectCell(10);
  EXPECT_EQ(Codes(), codes) << "selecting a cell does not touch it";
  EXPECT_EQ(Position("Red"), QPoint(40, 40));

  // The selection stays: each palette click repaints the same cell.
  const std::pair<int, const char*> picks[] = {{176, "AF"}, {17, "10"}, {10, "9"}, {16, "F"}, {1, "0"}};
  for (auto [pic, code] : picks) {
    SCOPED_TRACE(code);
    PickPalette(pic);
    codes[9] = code;
    colours[9] = TileColour(pic - 1).rgb();
    EXPECT_EQ(Codes(), codes);
    EXPECT_EQ(Colours(), colours);
  }
  EXPECT_TRUE(dialogs.messages.isEmpty()) << LastMessage().toStdString();
}

TEST_F(TileEditingTest, PaintThenSaveChangesExactlyThePaintedByte) {
  OpenDistinct();
  const auto before = RomBytes();
  SelectCell(48);
  PickPalette(3);
  EXPECT_EQ(before, RomBytes()) << "painting acts on the view only";
  Save();
  const auto after = RomBytes();
  EXPECT_EQ(ChangedOffsets(before, after), std::vector<std::size_t>{k55 + 47});
  EXPECT_EQ(after[k55 + 47], 2);
}

TEST_F(TileEditingTest, ClearScreenSetsEveryCellToTileZeroAndLeavesTheRest) {
  OpenDistinct();
  SelectCell(9);
  PickPalette(4);
  const QString message = Edit("Edit2")->text();
  const auto before = RomBytes();
  Clear();
  ASSERT_TRUE(dialogs.messages.isEmpty()) << LastMessage().toStdString();
  EXPECT_EQ(Codes(), QStringList(QVector<QString>(kTileCount, "0")));
  EXPECT_EQ(Colours(), std::vector<QRgb>(kTileCount, TileColour(0).rgb()));
  EXPECT_EQ(window->state().SelectedCell, 9);
  EXPECT_EQ(Position("Red"), QPoint(7, 40));
  EXPECT_EQ(Position("Green"), QPoint(386, 7));
  EXPECT_EQ(Edit("Edit2")->text(), message);
  EXPECT_EQ(RomBytes(), before);

  // A reload throws the clearing away.
  ShowScreen(55);
  EXPECT_EQ(TileCode(1), Hex(DistinctRecord(55)[0]));

  Clear();
  Save();
  const auto after = RomBytes();
  std::vector<std::size_t> tiles;
  for (int i = 0; i < kTileCount; ++i) tiles.push_back(k55 + static_cast<std::size_t>(i));
  EXPECT_EQ(ChangedOffsets(before, after), tiles) << "every tile of screen 55 is non-zero";
  for (std::size_t offset : tiles) EXPECT_EQ(after[offset], 0);
}

TEST_F(TileEditingTest, ClearScreenWorksBeforeAnyRomIsOpened) {
  SelectCell(5);
  PickPalette(9);
  ASSERT_EQ(TileCode(5), "8");
  Clear();
  EXPECT_TRUE(dialogs.messages.isEmpty()) << LastMessage().toStdString();
  EXPECT_EQ(TileCode(5), "0");
  EXPECT_EQ(CellColour(5), TileColour(0));
}

TEST_F(TileEditingTest, ClearScreenStopsWhenTileZeroCannotBeRead) {
  OpenDistinct();
  const QStringList codes = Codes();
  ASSERT_TRUE(QFile::remove(QDir(Folder()).filePath("graph/0.bmp")));
  Clear();
  EXPECT_EQ(LastMessage(), "Cannot open file graph/0.bmp.");
  EXPECT_EQ(Codes(), codes) << "the first cell already failed, so none is cleared";
}

}  // namespace
}  // namespace quelbrook::testing
