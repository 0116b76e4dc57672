// Which control runs which operation.
#include <QCheckBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QUndoStack>

#include "byte_map.h"
#include "form1.h"
#include "image_control.h"
#include "numeric_field.h"
#include "object_controls.h"
#include "window_description.h"

namespace quelbrook {

namespace {
struct StepButtons {
  const char* down;
  const char* up;
};
constexpr StepButtons kDestinationButtons[kObjectCount] = {{"Button6", "Button7"},
                                                           {"Button13", "Button14"},
                                                           {"Button17", "Button18"},
                                                           {"Button21", "Button22"},
                                                           {"Button25", "Button26"}};
constexpr StepButtons kEnemyKindButtons[kEnemyCount] = {
    {"Button11", "Button12"}, {"Button15", "Button16"}, {"Button19", "Button20"}, {"Button23", "Button24"}};
}  // namespace

void TForm1::ConnectClick(const QString& name, std::function<void()> handler) {
  connect(button(name), &QPushButton::clicked, this, [this, handler] { Run(handler); });
}

void TForm1::ConnectEdit(const QString& name, const QString& description, std::function<void()> handler) {
  connect(button(name), &QPushButton::clicked, this,
          [this, description, handler] { Undoable(description, handler); });
}

void TForm1::AddNumericField(const char* name, int lower, int upper, bool lenientMouse) {
  new NumericField(edit(name), {lower, upper, lenientMouse},
                   [this](const std::function<void()>& step) { Run(step); });
}

void TForm1::ConnectHandlers() {
  ConnectClick("Button1", [this] { Button1Click(); });
  ConnectClick("Button2", [this] { Button2Click(); });
  ConnectClick("Button3", [this] { Button3Click(); });
  ConnectClick("Button4", [this] { Button4Click(); });
  ConnectClick("Button5", [this] { Button5Click(); });
  ConnectEdit("Button10", "Clear screen", [this] { Button10Click(); });
  ConnectClick("Button27", [this] { Button27Click(); });
  ConnectClick("Button28", [this] { Button28Click(); });
  ConnectClick("Button33", [this] { Button33Click(); });
  ConnectClick("Button34", [this] { Button34Click(); });
  ConnectClick("Button37", [this] { Button37Click(); });
  ConnectClick("Button40", [this] { Button40Click(); });
  ConnectClick("Button41", [this] { Button41Click(); });
  ConnectClick("BitBtn1", [this] { BitBtn1Click(); });
  ConnectEdit("SpinButton1Up", "Palette preset", [this] { SpinButton1UpClick(); });
  ConnectEdit("SpinButton1Down", "Palette preset", [this] { SpinButton1DownClick(); });
  ConnectEdit("Button31", "Palette 1", [this] { PaletteStepClick(1, -1); });
  ConnectEdit("Button32", "Palette 1", [this] { PaletteStepClick(1, +1); });
  ConnectEdit("Button29", "Palette 2", [this] { PaletteStepClick(2, -1); });
  ConnectEdit("Button30", "Palette 2", [this] { PaletteStepClick(2, +1); });
  ConnectEdit("Button8", "Item kind", [this] { ItemKindStepClick(-1); });
  ConnectEdit("Button9", "Item kind", [this] { ItemKindStepClick(+1); });
  ConnectClick("Button35", [this] { GameScreenStepClick("Startscreen", -1); });
  ConnectClick("Button36", [this] { GameScreenStepClick("Startscreen", +1); });
  ConnectClick("Button38", [this] { GameScreenStepClick("Endscreen", -1); });
  ConnectClick("Button39", [this] { GameScreenStepClick("Endscreen", +1); });
  for (int object = 0; object < kObjectCount; ++object) {
    ConnectEdit(kDestinationButtons[object].down, "Destination",
                [this, object] { DestinationStepClick(object, -1); });
    ConnectEdit(kDestinationButtons[object].up, "Destination",
                [this, object] { DestinationStepClick(object, +1); });
    connect(check(kObjects[object].showBox), &QCheckBox::toggled, this,
            [this, object] { Run([this, object] { ShowBoxClick(object); }); });
  }
  for (int enemy = 1; enemy <= kEnemyCount; ++enemy) {
    ConnectEdit(kEnemyKindButtons[enemy - 1].down, "Enemy kind",
                [this, enemy] { EnemyKindStepClick(enemy, -1); });
    ConnectEdit(kEnemyKindButtons[enemy - 1].up, "Enemy kind",
                [this, enemy] { EnemyKindStepClick(enemy, +1); });
  }
  // Programmatic changes of "Show All" run its handling too, as a click would.
  connect(check("CheckBox6"), &QCheckBox::toggled, this, [this] { Run([this] { CheckBox6Click(); }); });
  for (int n = 1; n <= kTileCount; ++n) {
    connect(image("Image" + QString::number(n)), &ImageControl::clicked, this,
            [this, n] { Run([this, n] { ImageClick(n); }); });
    connect(image("Image" + QString::number(n)), &ImageControl::rightClicked, this,
            [this, n] { Run([this, n] { PickCellTile(n); }); });
  }
  for (int n = 1; n <= kPaletteSize; ++n)
    connect(image("Pic" + QString::number(n)), &ImageControl::clicked, this,
            [this, n] { Undoable("Paint cell", [this, n] { PicClick(n); }); });
  connect(image("Image49"), &ImageControl::clicked, this, [this] { Run([this] { Image49Click(); }); });
  connect(timer_, &QTimer::timeout, this, [this] { Run([this] { Timer1Timer(); }); });

  AddNumericField("Edit1", 1, kScreenCount);
  AddNumericField("Startscreen", 1, kScreenCount);
  AddNumericField("Endscreen", 1, kScreenCount, true);
  for (const auto& object : kObjects) AddNumericField(object.destinationField, 0, 191);
  AddNumericField("pal1", 0, 256);
  AddNumericField("pal2", 0, 256);
  memo()->installEventFilter(this);
  connect(check("CheckBox7"), &QCheckBox::toggled, this, [this](bool shown) { GameSettingsToggled(shown); });
  ConnectClick("TestScreenButton", [this] { TestScreenClick(); });
  // Typing is an edit too, though not one the history can take back.
  for (const char* field : {"Edit2", "Edit3", "Edit5", "Edit6", "Edit7", "Edit8", "pal1", "pal2"})
    connect(edit(field), &QLineEdit::textEdited, this, [this] {
      typedSinceClean_ = true;
      UpdateUnsavedLabel();
    });
  connect(history_, &QUndoStack::indexChanged, this, [this] { UpdateUnsavedLabel(); });
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
  if (watched == memo() && event->type() == QEvent::KeyPress)
    return Memo1KeyPress(*static_cast<QKeyEvent*>(event));
  return QMainWindow::eventFilter(watched, event);
}

}  // namespace quelbrook
