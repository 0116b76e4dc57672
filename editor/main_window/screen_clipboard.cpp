// The gestures the main window shares with the world editor: pick a cell's tile with a
// right click, copy and paste the whole shown screen in the clipboard's screen text.
#include <QClipboard>
#include <QGuiApplication>

#include "editor_error.h"
#include "form1.h"
#include "hex_text.h"
#include "image_control.h"
#include "screen_value.h"
#include "tile_block.h"
#include "tile_code_table.h"
#include "window_description.h"

namespace quelbrook {

void TForm1::PickCellTile(int cell) {
  const int code = HexTextToInt(controls_.StringGrid1->text(cell - 1).toStdString());
  // Codes without a palette image have nothing to mark.
  if (code >= kPaletteSize) return;
  const ImageControl* source = Pic(code + 1);
  controls_.Green->move(source->x() - 1, source->y() - 1);
}

void TForm1::CopyShownScreen() {
  QGuiApplication::clipboard()->setText(ScreenRecordText(RecordOf(ShownScreenValue())));
}

void TForm1::PasteShownScreen() {
  const auto record = ParseScreenRecordText(QGuiApplication::clipboard()->text());
  if (!record) throw EditorError(kNoScreenOnClipboard);
  ShowScreenValue(ScreenValueOf(DecodeScreenRecord(*record)));
}

}  // namespace quelbrook
