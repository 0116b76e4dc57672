// Export and import of a screen's tiles (.map) and its other values (.tpie).
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>

#include "atomic_file.h"
#include "form1.h"
#include "hex_text.h"
#include "image_control.h"
#include "item_catalogue.h"
#include "map_file.h"
#include "picture_loader.h"
#include "screen_side_files.h"
#include "tile_code_table.h"
#include "tpie_file.h"

namespace quelbrook {

namespace {
const char* const kMapFilter = "Map files|*.map";
const char* const kTpieFilter = "Text/Palette/Item/Enemies files|*.tpie";

std::string LocalPath(const QString& path) { return QFile::encodeName(path).toStdString(); }

std::vector<std::string> TilePicturePaths(const MapFile& codes) {
  std::vector<std::string> paths;
  for (const std::string& code : codes) paths.push_back(TileBitmapPath(code));
  return paths;
}

std::string FileNameOf(const QString& path) { return QFileInfo(path).fileName().toStdString(); }

}  // namespace

void TForm1::Button27Click() {
  auto chosen = dialogs_->saveFile({" Please, save map file...", kMapFilter, "map"});
  if (!chosen) return;
  WriteFileAtomically(LocalPath(*chosen), WriteMapFile(ShownScreenValue().tileCodes));
}

void TForm1::Button28Click() {
  std::string words = SaveScreenWords();
  if (auto chosen = dialogs_->openFile({" Please, open map file...", kMapFilter, ""})) {
    words = "Import map " + FileNameOf(*chosen);
    // The file is checked whole before the view changes.
    const MapFile codes = Accepted(ReadMapFile(ReadSideFile(LocalPath(*chosen), kSideFileLimit)));
    QDir::setCurrent(state_.StartDirectory);
    // Every picture is read before the view changes: a code without one refuses the file whole.
    const std::vector<QPixmap> pictures = LoadPictures(*pictures_, TilePicturePaths(codes));
    for (int cell = 1; cell <= kTileCount; ++cell) {
      controls_.StringGrid1->setText(cell - 1, QString::fromStdString(codes[cell - 1]));
      Image(cell)->setPicture(pictures[cell - 1]);
    }
  }
  SaveShownScreen(words);
  Button1Click();
}

void TForm1::Button33Click() {
  auto chosen = dialogs_->saveFile({" Please, save Text/Palette/Item/Enemies file...", kTpieFilter, "tpie"});
  if (!chosen) return;
  WriteFileAtomically(LocalPath(*chosen), WriteTpieFile(TpieFileOf(ShownScreenValue())));
}

void TForm1::Button34Click() {
  std::string words = SaveScreenWords();
  if (auto chosen =
          dialogs_->openFile({" Please, open Text/Palette/Item/Enemies file...", kTpieFilter, ""})) {
    words = "Import T/P/I/E " + FileNameOf(*chosen);
    const TpieFile file = Accepted(ReadTpieFile(ReadSideFile(LocalPath(*chosen), kSideFileLimit)));
    ScreenValue value = ShownScreenValue();
    ApplyTpieFile(file, value);
    ShowFieldTexts(value);
    QDir::setCurrent(state_.StartDirectory);
    for (int enemy = 1; enemy <= kEnemyCount; ++enemy) {
      const std::string path = EnemyBitmapPath(file.enemyKinds[enemy - 1]);
      setPicture(controls_.objects[enemy].picture, path);
      setPicture(controls_.objects[enemy].marker, path);
    }
    const std::string itemPath = ItemBitmapPath(IntToHexText(numberIn(controls_.Edit4)));
    setPicture(controls_.item().picture, itemPath);
    setPicture(controls_.item().marker, itemPath);
  }
  SaveShownScreen(words);
  Button1Click();
}

}  // namespace quelbrook
