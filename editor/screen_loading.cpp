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
#include "object_controls.h"
#include "rom_image.h"
#include "screen_decoding.h"
#include "screen_value.h"
#include "tile_code_table.h"

namespace quelbrook {

namespace {
const char* const kRomCommands[] = {
    "Button1",  "Button3",  "Button4",  "Button5",  "Button27", "Button28", "Button33", "Button34",
    "Button35", "Button36", "Button37", "Button38", "Button39", "Button40", "Button41", "TestScreenButton"};

// Typed into only when the game-wide block is shown; without a ROM there is nothing to set.
const char* const kGameSettingsFields[] = {"Startscreen", "Endscreen", "Memo1"};

QString HexText(int value) { return QString::fromStdString(IntToHexText(value)); }
}  // namespace

void TForm1::Button2Click() {
  QDir::setCurrent(state_.StartDirectory);
  auto chosen = dialogs_->openFile({" Open file Quelbrook.nes", "Any file (*.*)|*.*", ""});
  if (!chosen) return;
  state_.romPath = QFile::encodeName(*chosen).toStdString();
  state_.recordLocated = false;
  state_.backupChecked = false;
  RomImage rom(state_.romPath);
  rom.Open();
  rom.Close();
  for (const char* name : kRomCommands) button(name)->setEnabled(true);
  for (const char* name : kGameSettingsFields) registry_.get<QWidget>(name)->setEnabled(true);
  state_.PreviousEndCodeOffset = 0;
  state_.FirstLoadDone = 0;
  WatchRom();
  Button1Click();
}

void TForm1::Button1Click() {
  // Until the shown screen's values begin to be replaced, a failed reload leaves the view
  // and its save target (the record the last complete reload located) as they were.
  QDir::setCurrent(state_.StartDirectory);
  RomImage rom(state_.romPath);
  rom.Open();

  if (auto start = ReadStartScreen(rom)) edit("Startscreen")->setText(QString::number(*start));
  if (state_.FirstLoadDone == 0) {
    edit("Edit1")->setText(edit("Startscreen")->text());
    state_.FirstLoadDone = 1;
  }
  int screen = numberIn("Edit1");
  if (screen > kScreenCount) edit("Edit1")->setText(QString::number(kScreenCount));
  if (screen < 1) edit("Edit1")->setText("1");
  screen = numberIn("Edit1");
  const int recordOffset = ScreenRecordOffset(screen);

  memo()->setPlainText(QString::fromStdU16String(ReadEndingText(rom)));

  const EndScreenHook end = ReadEndScreen(rom);
  if (!end.hookPresent) {
    edit("Endscreen")->setText("0");
  } else {
    edit("pointer")->setText(HexText(end.operand));
    edit("Endscreen")->setText(QString::number(end.endScreen));
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
    state_.PreviousEndCodeOffset = EndCodeBlockOffset(numberIn("Endscreen"));

  rom.Close();
  state_.recordLocated = true;
  MarkClean();
}

void TForm1::ShowScreenValue(const ScreenValue& value) {
  ShowTileCodes(value.tileCodes);
  ShowFieldTexts(value);
  RecognisePreset();
  PlaceMarker("selit", numberIn("Edit3"));
  const std::string itemPath = ItemBitmapPath(edit("itemnumber")->text().toStdString());
  setPicture("selit", itemPath);
  setPicture("items", itemPath);
  if (auto caption = ItemCaption(edit("itemnumber")->text().toStdString()))
    label("Label3")->setText(QString::fromStdString(*caption));
  button("Button5")->setEnabled(HexTextToInt(edit("itemnumber")->text().toStdString()) <=
                                kLastSavableItemCode);
  for (int enemy = 1; enemy <= kEnemyCount; ++enemy)
    setPicture(kObjects[enemy].picture,
               EnemyBitmapPath(edit(kObjects[enemy].kindField)->text().toStdString()));
  for (int enemy = 1; enemy <= kEnemyCount; ++enemy) {
    PlaceMarker(kObjects[enemy].marker, numberIn(kObjects[enemy].destinationField));
    setPicture(kObjects[enemy].marker,
               EnemyBitmapPath(edit(kObjects[enemy].kindField)->text().toStdString()));
  }
}

// A cell whose picture cannot be read keeps its code, so a failed load stops at that cell.
void TForm1::ShowTileCodes(const MapFile& codes, const MapFile* unchanged) {
  for (int cell = 1; cell <= kTileCount; ++cell) {
    if (unchanged && (*unchanged)[cell - 1] == codes[cell - 1]) continue;
    setPicture("Image" + QString::number(cell), TileBitmapPath(codes[cell - 1]));
    tileTable()->setText(cell - 1, QString::fromStdString(codes[cell - 1]));
  }
}

void TForm1::ShowFieldTexts(const ScreenValue& value) {
  edit("itemnumber")->setText(QString::fromStdString(value.itemCode));
  edit("Edit3")->setText(QString::fromStdString(value.itemDestination));
  edit("Edit2")->setText(QString::fromStdU16String(value.message));
  for (int enemy = 1; enemy <= kEnemyCount; ++enemy) {
    edit(kObjects[enemy].kindField)->setText(QString::fromStdString(value.enemyKinds[enemy - 1]));
    edit(kObjects[enemy].destinationField)
        ->setText(QString::fromStdString(value.enemyDestinations[enemy - 1]));
  }
  edit("pal1")->setText(QString::fromStdString(value.palette1));
  edit("pal2")->setText(QString::fromStdString(value.palette2));
}

ScreenValue TForm1::ShownScreenValue() const {
  ScreenValue value;
  for (int cell = 0; cell < kTileCount; ++cell) value.tileCodes[cell] = tileTable()->text(cell).toStdString();
  value.itemCode = edit("itemnumber")->text().toStdString();
  value.itemDestination = edit("Edit3")->text().toStdString();
  value.message = edit("Edit2")->text().toStdU16String();
  for (int enemy = 1; enemy <= kEnemyCount; ++enemy) {
    value.enemyKinds[enemy - 1] = edit(kObjects[enemy].kindField)->text().toStdString();
    value.enemyDestinations[enemy - 1] = edit(kObjects[enemy].destinationField)->text().toStdString();
  }
  value.palette1 = edit("pal1")->text().toStdString();
  value.palette2 = edit("pal2")->text().toStdString();
  return value;
}

}  // namespace quelbrook
