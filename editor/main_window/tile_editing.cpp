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
  const ImageControl* picture = Image(cell);
  controls_.Red->move(picture->x() - 1, picture->y() - 1);
}

void TForm1::PicClick(int paletteImage) {
  const ImageControl* source = Pic(paletteImage);
  if (state_.SelectedCell != 0) {
    Image(state_.SelectedCell)->setPicture(source->picture());
    controls_.StringGrid1->setText(state_.SelectedCell - 1,
                                   QString::fromStdString(IntToHexText(paletteImage - 1)));
  }
  controls_.Green->move(source->x() - 1, source->y() - 1);
}

void TForm1::Button10Click() { ShowTileCodes(ScreenValue().tileCodes); }

}  // namespace quelbrook
