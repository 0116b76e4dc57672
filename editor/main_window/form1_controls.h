#pragma once
// Typed handles to the main window's controls, bound once when the window is built:
// a name the window description lacks fails there, not in a handler.

#include <array>

#include "object_controls.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QWidget;

namespace quelbrook {

class ControlRegistry;
class ImageControl;
class TileCodeTable;

struct Form1Controls {
  // Throws EditorError naming the first control the registry lacks.
  static Form1Controls Bind(const ControlRegistry& registry);

  const ObjectControls& item() const { return objects[kItemObject]; }

  // The shown screen's fields; Edit4 is the item kind's place in the catalogue.
  QLineEdit *Edit1, *Edit2, *Edit4, *pal1, *pal2;
  TileCodeTable* StringGrid1;
  std::array<ObjectControls, kObjectCount> objects;
  QLabel *Label3, *Label15;  // the item's caption, the palette preset's name
  // The game-wide block.
  QWidget* GameSettingsBacking;
  QLabel *Label16, *Label17;
  QLineEdit *Startscreen, *Endscreen, *pointer, *pointertext;
  QPlainTextEdit* Memo1;
  QCheckBox *CheckBox6, *CheckBox7;
  // Commands.
  QPushButton *Button1, *Button2, *Button3, *Button4, *Button5, *Button10, *Button27, *Button28, *Button29,
      *Button30, *Button31, *Button32, *Button33, *Button34, *Button35, *Button36, *Button37, *Button38,
      *Button39, *Button40, *Button41, *BitBtn1, *SpinButton1Up, *SpinButton1Down, *TestScreenButton,
      *PlayScreenButton;
  // Selection markers, the info picture and the status row.
  ImageControl *Red, *Green, *Image49;
  // Over the tile grid's corner while its console picture is being captured.
  ImageControl* ConsolePending;
  QLabel* UnsavedLabel;
};

}  // namespace quelbrook
