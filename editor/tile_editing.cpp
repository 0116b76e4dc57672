// Repainting the shown screen: select a cell, then click a tile of the palette.

#include "byte_map.h"
#include "form1.h"
#include "hex_text.h"
#include "image_control.h"
#include "item_catalogue.h"
#include "tile_code_table.h"

namespace quelbrook {

void TForm1::ImageClick(int cell) {
  state_.SelectedCell = cell;
  const ImageControl* picture = registry_.get<ImageControl>("Image", cell);
  image("Red")->move(picture->x() - 1, picture->y() - 1);
}

void TForm1::PicClick(int paletteImage) {
  const ImageControl* source = registry_.get<ImageControl>("Pic", paletteImage);
  if (state_.SelectedCell != 0) {
    registry_.get<ImageControl>("Image", state_.SelectedCell)->setPicture(source->picture());
    tileTable()->setText(state_.SelectedCell - 1, QString::fromStdString(IntToHexText(paletteImage - 1)));
  }
  image("Green")->move(source->x() - 1, source->y() - 1);
}

void TForm1::Button10Click() { ShowTileCodes(ScreenValue().tileCodes); }

}  // namespace quelbrook
