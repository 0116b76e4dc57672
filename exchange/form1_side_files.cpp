// Export and import of a screen's tiles (.map) and its other values (.tpie).
#include <QDir>
#include <QFile>
#include <QLineEdit>

#include "atomic_file.h"
#include "editor_error.h"
#include "form1.h"
#include "hex_text.h"
#include "image_control.h"
#include "item_catalogue.h"
#include "map_file.h"
#include "number_text.h"
#include "object_controls.h"
#include "picture_loader.h"
#include "tile_code_table.h"
#include "tpie_file.h"

namespace quelbrook {

namespace {
const char* const kMapFilter = "Map files|*.map";
const char* const kTpieFilter = "Text/Palette/Item/Enemies files|*.tpie";

std::string LocalPath(const QString& path) { return QFile::encodeName(path).toStdString(); }

std::vector<std::string> TilePicturePaths(const TileCodeTexts& codes) {
  std::vector<std::string> paths;
  for (const std::string& code : codes) paths.push_back(TileBitmapPath(code));
  return paths;
}

template <typename Values>
Values Accepted(const ReadResult<Values>& result) {
  if (!result.ok) throw EditorError(result.error);
  return result.values;
}
}  // namespace

void TForm1::Button27Click() {
  auto chosen = dialogs_->saveFile({" Please, save map file...", kMapFilter, "map"});
  if (!chosen) return;
  TileCodeTexts codes;
  for (int cell = 0; cell < kTileCount; ++cell) {
    codes[cell] = tileTable()->text(cell).toStdString();
  }
  WriteFileAtomically(LocalPath(*chosen), WriteMapFile(codes));
}

void TForm1::Button28Click() {
  if (auto chosen = dialogs_->openFile({" Please, open map file...", kMapFilter, ""})) {
    // The file is checked whole before the view changes.
    const TileCodeTexts codes = Accepted(ReadMapFile(ReadSideFile(LocalPath(*chosen), kSideFileLimit)));
    QDir::setCurrent(state_.StartDirectory);
    // Every picture is read before the view changes: a code without one refuses the file whole.
    const std::vector<QPixmap> pictures = LoadPictures(*pictures_, TilePicturePaths(codes));
    for (int cell = 1; cell <= kTileCount; ++cell) {
      tileTable()->setText(cell - 1, QString::fromStdString(codes[cell - 1]));
      image("Image" + QString::number(cell))->setPicture(pictures[cell - 1]);
    }
  }
  Button5Click();
  Button1Click();
}

void TForm1::Button33Click() {
  auto chosen = dialogs_->saveFile({" Please, save Text/Palette/Item/Enemies file...", kTpieFilter, "tpie"});
  if (!chosen) return;
  TpieValues values;
  values.message = edit("Edit2")->text().toStdU16String();
  values.palette1 = edit("pal1")->text().toStdString();
  values.palette2 = edit("pal2")->text().toStdString();
  values.itemDestination = edit("Edit3")->text().toStdString();
  for (int enemy = 1; enemy <= kEnemyCount; ++enemy) {
    values.enemyDestinations[enemy - 1] = edit(kObjects[enemy].destinationField)->text().toStdString();
    values.enemyKinds[enemy - 1] = edit(kObjects[enemy].kindField)->text().toStdString();
  }
  values.itemCode = edit("itemnumber")->text().toStdString();
  WriteFileAtomically(LocalPath(*chosen), WriteTpieFile(values));
}

void TForm1::Button34Click() {
  if (auto chosen =
          dialogs_->openFile({" Please, open Text/Palette/Item/Enemies file...", kTpieFilter, ""})) {
    const TpieValues values = Accepted(ReadTpieFile(ReadSideFile(LocalPath(*chosen), kSideFileLimit)));
    edit("Edit2")->setText(QString::fromStdU16String(values.message));
    edit("pal1")->setText(QString::fromStdString(values.palette1));
    edit("pal2")->setText(QString::fromStdString(values.palette2));
    edit("Edit3")->setText(QString::fromStdString(values.itemDestination));
    for (int enemy = 1; enemy <= kEnemyCount; ++enemy) {
      edit(kObjects[enemy].destinationField)
          ->setText(QString::fromStdString(values.enemyDestinations[enemy - 1]));
      edit(kObjects[enemy].kindField)->setText(QString::fromStdString(values.enemyKinds[enemy - 1]));
    }
    edit("itemnumber")->setText(QString::fromStdString(values.itemCode));
    QDir::setCurrent(state_.StartDirectory);
    for (int enemy = 1; enemy <= kEnemyCount; ++enemy) {
      const std::string path = EnemyBitmapPath(values.enemyKinds[enemy - 1]);
      setPicture(kObjects[enemy].picture, path);
      setPicture(kObjects[enemy].marker, path);
    }
    const std::string itemPath = ItemBitmapPath(IntToHexText(numberIn("Edit4")));
    setPicture("items", itemPath);
    setPicture("selit", itemPath);
  }
  Button5Click();
  Button1Click();
}

}  // namespace quelbrook
