// Open ROM and Reload screen: the view of a screen is rebuilt from the bytes on disk.
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QUndoStack>

#include "byte_map.h"
#include "end_screen_patch.h"
#include "form1.h"
#include "hex_text.h"
#include "image_control.h"
#include "item_catalogue.h"
#include "recent_roms.h"
#include "rom_image.h"
#include "screen_decoding.h"
#include "screen_value.h"
#include "tile_code_table.h"

namespace quelbrook {

namespace {
QString HexText(int value) { return QString::fromStdString(IntToHexText(value)); }
}  // namespace

void TForm1::Button2Click() {
  QDir::setCurrent(state_.StartDirectory);
  auto chosen = dialogs_->openFile({" Open file Quelbrook.nes", "Any file (*.*)|*.*", ""});
  if (chosen) OpenRom(*chosen);
}

void TForm1::OpenRom(const QString& path) {
  state_.romPath = QFile::encodeName(path).toStdString();
  state_.recordLocated = false;
  state_.backupChecked = false;
  RomImage rom(state_.romPath);
  rom.Open();
  rom.Close();
  const Form1Controls& c = controls_;
  for (QPushButton* command : {c.Button1, c.Button3, c.Button4, c.Button5, c.Button27, c.Button28, c.Button33,
                               c.Button34, c.Button35, c.Button36, c.Button37, c.Button38, c.Button39,
                               c.Button40, c.Button41, c.TestScreenButton, c.PlayScreenButton})
    command->setEnabled(true);
  // Typed into only when the game-wide block is shown; without a ROM there is nothing to set.
  for (QWidget* field : std::initializer_list<QWidget*>{c.Startscreen, c.Endscreen, c.Memo1})
    field->setEnabled(true);
  state_.PreviousEndCodeOffset = 0;
  state_.FirstLoadDone = 0;
  WatchRom();
  UsePicturesOfRom();
  Button1Click();
  AddRecentRom(path);
}

void TForm1::Button1Click() {
  // Until the shown screen's values begin to be replaced, a failed reload leaves the view
  // and its save target (the record the last complete reload located) as they were.
  QDir::setCurrent(state_.StartDirectory);
  RomImage rom(state_.romPath);
  rom.Open();

  if (auto start = ReadStartScreen(rom)) controls_.Startscreen->setText(QString::number(*start));
  if (state_.FirstLoadDone == 0) {
    controls_.Edit1->setText(controls_.Startscreen->text());
    state_.FirstLoadDone = 1;
  }
  int screen = numberIn(controls_.Edit1);
  if (screen > kScreenCount) controls_.Edit1->setText(QString::number(kScreenCount));
  if (screen < 1) controls_.Edit1->setText("1");
  screen = numberIn(controls_.Edit1);
  const int recordOffset = ScreenRecordOffset(screen);

  controls_.Memo1->setPlainText(QString::fromStdU16String(ReadEndingText(rom)));

  const EndScreenHook end = ReadEndScreen(rom);
  if (!end.hookPresent) {
    controls_.Endscreen->setText("0");
  } else {
    controls_.pointer->setText(HexText(end.operand));
    controls_.Endscreen->setText(QString::number(end.endScreen));
  }

  const ScreenData data = ReadScreenRecord(rom, screen);
  // From here on the shown screen's values are replaced: a reload that stops part-way
  // leaves a view that is not one record, so there is nothing to save into.
  state_.recordLocated = false;
  history_->clear();
  state_.ScreenRecordOffset = recordOffset;
  ShowScreenValue(ScreenValueOf(data));

  // Only a hook that names a real, savable block is remembered for clearing later.
  if (end.hookPresent && state_.PreviousEndCodeOffset == 0 && IsEndScreenOperand(end.operand) &&
      IsSavableEndScreen(end.endScreen))
    state_.PreviousEndCodeOffset = EndCodeBlockOffset(numberIn(controls_.Endscreen));

  rom.Close();
  state_.recordLocated = true;
  MarkClean();
}

void TForm1::ShowScreenValue(const ScreenValue& value) {
  ShowTileCodes(value.tileCodes);
  ShowFieldTexts(value);
  RecognisePreset();
  PlaceMarker(controls_.item().marker, numberIn(controls_.item().destinationField));
  const std::string itemPath = ItemBitmapPath(controls_.item().kindField->text().toStdString());
  setPicture(controls_.item().marker, itemPath);
  setPicture(controls_.item().picture, itemPath);
  if (auto caption = ItemCaption(controls_.item().kindField->text().toStdString()))
    controls_.Label3->setText(QString::fromStdString(*caption));
  controls_.Button5->setEnabled(HexTextToInt(controls_.item().kindField->text().toStdString()) <=
                                kLastSavableItemCode);
  for (int enemy = 1; enemy <= kEnemyCount; ++enemy)
    setPicture(controls_.objects[enemy].picture,
               EnemyBitmapPath(controls_.objects[enemy].kindField->text().toStdString()));
  for (int enemy = 1; enemy <= kEnemyCount; ++enemy) {
    PlaceMarker(controls_.objects[enemy].marker, numberIn(controls_.objects[enemy].destinationField));
    setPicture(controls_.objects[enemy].marker,
               EnemyBitmapPath(controls_.objects[enemy].kindField->text().toStdString()));
  }
}

// A cell whose picture cannot be read keeps its code, so a failed load stops at that cell.
void TForm1::ShowTileCodes(const MapFile& codes, const MapFile* unchanged) {
  for (int cell = 1; cell <= kTileCount; ++cell) {
    if (unchanged && (*unchanged)[cell - 1] == codes[cell - 1]) continue;
    setPicture(Image(cell), TileBitmapPath(codes[cell - 1]));
    controls_.StringGrid1->setText(cell - 1, QString::fromStdString(codes[cell - 1]));
  }
}

void TForm1::ShowFieldTexts(const ScreenValue& value) {
  controls_.item().kindField->setText(QString::fromStdString(value.itemCode));
  controls_.item().destinationField->setText(QString::fromStdString(value.itemDestination));
  controls_.Edit2->setText(QString::fromStdU16String(value.message));
  for (int enemy = 1; enemy <= kEnemyCount; ++enemy) {
    controls_.objects[enemy].kindField->setText(QString::fromStdString(value.enemyKinds[enemy - 1]));
    controls_.objects[enemy].destinationField->setText(
        QString::fromStdString(value.enemyDestinations[enemy - 1]));
  }
  controls_.pal1->setText(QString::fromStdString(value.palette1));
  controls_.pal2->setText(QString::fromStdString(value.palette2));
}

ScreenValue TForm1::ShownScreenValue() const {
  ScreenValue value;
  for (int cell = 0; cell < kTileCount; ++cell)
    value.tileCodes[cell] = controls_.StringGrid1->text(cell).toStdString();
  value.itemCode = controls_.item().kindField->text().toStdString();
  value.itemDestination = controls_.item().destinationField->text().toStdString();
  value.message = controls_.Edit2->text().toStdU16String();
  for (int enemy = 1; enemy <= kEnemyCount; ++enemy) {
    value.enemyKinds[enemy - 1] = controls_.objects[enemy].kindField->text().toStdString();
    value.enemyDestinations[enemy - 1] = controls_.objects[enemy].destinationField->text().toStdString();
  }
  value.palette1 = controls_.pal1->text().toStdString();
  value.palette2 = controls_.pal2->text().toStdString();
  return value;
}

}  // namespace quelbrook
