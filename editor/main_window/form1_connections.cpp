// Which control runs which operation.
#include <QCheckBox>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QUndoStack>

#include "byte_map.h"
#include "form1.h"
#include "image_control.h"
#include "numeric_field.h"
#include "window_description.h"

namespace quelbrook {

void TForm1::ConnectClick(QPushButton* button, std::function<void()> handler) {
  connect(button, &QPushButton::clicked, this, [this, handler] { Run(handler); });
}

void TForm1::ConnectEdit(QPushButton* button, const QString& description, std::function<void()> handler) {
  connect(button, &QPushButton::clicked, this,
          [this, description, handler] { Undoable(description, handler); });
}

void TForm1::AddNumericField(QLineEdit* field, int lower, int upper, bool lenientMouse) {
  new NumericField(field, {lower, upper, lenientMouse},
                   [this](const std::function<void()>& step) { Run(step); });
}

void TForm1::ConnectHandlers() {
  const Form1Controls& c = controls_;
  ConnectClick(c.Button1, [this] { Button1Click(); });
  ConnectClick(c.Button2, [this] { Button2Click(); });
  ConnectClick(c.Button3, [this] { Button3Click(); });
  ConnectClick(c.Button4, [this] { Button4Click(); });
  ConnectClick(c.Button5, [this] { Button5Click(); });
  ConnectEdit(c.Button10, "Clear screen", [this] { Button10Click(); });
  ConnectClick(c.Button27, [this] { Button27Click(); });
  ConnectClick(c.Button28, [this] { Button28Click(); });
  ConnectClick(c.Button33, [this] { Button33Click(); });
  ConnectClick(c.Button34, [this] { Button34Click(); });
  ConnectClick(c.Button37, [this] { Button37Click(); });
  ConnectClick(c.Button40, [this] { Button40Click(); });
  ConnectClick(c.Button41, [this] { Button41Click(); });
  ConnectClick(c.BitBtn1, [this] { BitBtn1Click(); });
  ConnectEdit(c.SpinButton1Up, "Palette preset", [this] { SpinButton1UpClick(); });
  ConnectEdit(c.SpinButton1Down, "Palette preset", [this] { SpinButton1DownClick(); });
  ConnectEdit(c.Button31, "Palette 1", [this] { PaletteStepClick(1, -1); });
  ConnectEdit(c.Button32, "Palette 1", [this] { PaletteStepClick(1, +1); });
  ConnectEdit(c.Button29, "Palette 2", [this] { PaletteStepClick(2, -1); });
  ConnectEdit(c.Button30, "Palette 2", [this] { PaletteStepClick(2, +1); });
  ConnectEdit(c.item().kindDown, "Item kind", [this] { ItemKindStepClick(-1); });
  ConnectEdit(c.item().kindUp, "Item kind", [this] { ItemKindStepClick(+1); });
  ConnectClick(c.Button35, [this] { GameScreenStepClick(controls_.Startscreen, -1); });
  ConnectClick(c.Button36, [this] { GameScreenStepClick(controls_.Startscreen, +1); });
  ConnectClick(c.Button38, [this] { GameScreenStepClick(controls_.Endscreen, -1); });
  ConnectClick(c.Button39, [this] { GameScreenStepClick(controls_.Endscreen, +1); });
  for (int object = 0; object < kObjectCount; ++object) {
    const ObjectControls& controls = c.objects[object];
    ConnectEdit(controls.destinationDown, "Destination",
                [this, object] { DestinationStepClick(object, -1); });
    ConnectEdit(controls.destinationUp, "Destination", [this, object] { DestinationStepClick(object, +1); });
    connect(controls.showBox, &QCheckBox::toggled, this,
            [this, object] { Run([this, object] { ShowBoxClick(object); }); });
  }
  for (int enemy = 1; enemy <= kEnemyCount; ++enemy) {
    ConnectEdit(c.objects[enemy].kindDown, "Enemy kind", [this, enemy] { EnemyKindStepClick(enemy, -1); });
    ConnectEdit(c.objects[enemy].kindUp, "Enemy kind", [this, enemy] { EnemyKindStepClick(enemy, +1); });
  }
  // Programmatic changes of "Show All" run its handling too, as a click would.
  connect(c.CheckBox6, &QCheckBox::toggled, this, [this] { Run([this] { CheckBox6Click(); }); });
  for (int n = 1; n <= kTileCount; ++n) {
    connect(Image(n), &ImageControl::clicked, this, [this, n] { Run([this, n] { ImageClick(n); }); });
    connect(Image(n), &ImageControl::rightClicked, this, [this, n] { Run([this, n] { PickCellTile(n); }); });
  }
  for (int n = 1; n <= kPaletteSize; ++n)
    connect(Pic(n), &ImageControl::clicked, this,
            [this, n] { Undoable("Paint cell", [this, n] { PicClick(n); }); });
  connect(c.Image49, &ImageControl::clicked, this, [this] { Run([this] { Image49Click(); }); });
  connect(timer_, &QTimer::timeout, this, [this] { Run([this] { Timer1Timer(); }); });
  AddShortcut(QKeySequence(Qt::Key_PageUp), c.Button3, [this] { Button3Click(); });
  AddShortcut(QKeySequence(Qt::Key_PageDown), c.Button4, [this] { Button4Click(); });

  AddNumericField(c.Edit1, 1, kScreenCount);
  AddNumericField(c.Startscreen, 1, kScreenCount);
  AddNumericField(c.Endscreen, 1, kScreenCount, true);
  for (const auto& object : c.objects) AddNumericField(object.destinationField, 0, 191);
  AddNumericField(c.pal1, 0, 256);
  AddNumericField(c.pal2, 0, 256);
  c.Memo1->installEventFilter(this);
  connect(c.CheckBox7, &QCheckBox::toggled, this, [this](bool shown) { GameSettingsToggled(shown); });
  ConnectClick(c.TestScreenButton, [this] { TestScreenClick(); });
  ConnectClick(c.PlayScreenButton, [this] { PlayScreenClick(); });
  // Typing is an edit too, though not one the history can take back.
  const auto noteTyping = [this](QLineEdit* field) {
    connect(field, &QLineEdit::textEdited, this, [this] {
      typedSinceClean_ = true;
      ShownScreenChanged();
    });
  };
  for (QLineEdit* field : {c.Edit2, c.pal1, c.pal2}) noteTyping(field);
  for (const auto& object : c.objects) noteTyping(object.destinationField);
  connect(history_, &QUndoStack::indexChanged, this, [this] { ShownScreenChanged(); });
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
  if (watched == controls_.Memo1 && event->type() == QEvent::KeyPress)
    return Memo1KeyPress(*static_cast<QKeyEvent*>(event));
  return QMainWindow::eventFilter(watched, event);
}

}  // namespace quelbrook
