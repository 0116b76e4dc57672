#include "window_description.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QPlainTextEdit>
#include <QPushButton>

#include "control_registry.h"
#include "drawn_icon.h"
#include "image_control.h"
#include "image_panel.h"
#include "text_codec.h"

namespace quelbrook {

namespace {
constexpr ControlKind L = ControlKind::kLabel;
constexpr ControlKind B = ControlKind::kButton;
constexpr ControlKind E = ControlKind::kEdit;
constexpr ControlKind H = ControlKind::kHiddenEdit;
constexpr ControlKind C = ControlKind::kCheckBox;
constexpr ControlKind I = ControlKind::kImage;
constexpr bool kOff = false;

QString AlphabetHint() { return QString::fromStdU16String(TextAlphabetHint()); }

// Rows of a destination group: item, then enemies 1..4.
struct ObjectRow {
  const char *caption, *destinationCaption, *image, *kindDown, *kindUp, *destDown, *field, *destUp;
  int labelTop, buttonTop, imageTop, fieldTop, destLabelLeft;
};

std::vector<ControlDescription> ObjectRows() {
  const ObjectRow rows[] = {
      {"Item: None", "Item destination", "items", "Button8", "Button9", "Button6", "Edit3", "Button7", 310,
       328, 325, 330, 184},
      {"Enemy 1:", "Enemy 1 destination", "Enemy1", "Button11", "Button12", "Button13", "Edit5", "Button14",
       362, 376, 373, 378, 176},
      {"Enemy 2:", "Enemy 2 destination", "Enemy2", "Button15", "Button16", "Button17", "Edit6", "Button18",
       403, 417, 414, 418, 176},
      {"Enemy 3:", "Enemy 3 destination", "Enemy3", "Button19", "Button20", "Button21", "Edit7", "Button22",
       443, 457, 455, 458, 176},
      {"Enemy 4:", "Enemy 4 destination", "Enemy4", "Button23", "Button24", "Button25", "Edit8", "Button26",
       485, 499, 496, 501, 176},
  };
  const char* captionNames[] = {"Label3", "Label5", "Label7", "Label9", "Label11"};
  const char* destinationNames[] = {"Label2", "Label6", "Label8", "Label10", "Label12"};
  std::vector<ControlDescription> descriptions;
  for (int i = 0; i < 5; ++i) {
    const ObjectRow& row = rows[i];
    descriptions.push_back({L, captionNames[i], 8, row.labelTop, 150, 14, row.caption});
    descriptions.push_back({B, row.kindDown, 8, row.buttonTop, 57, 25, "<<<"});
    descriptions.push_back({I, row.image, 69, row.imageTop, 32, 32});
    descriptions.push_back({B, row.kindUp, 104, row.buttonTop, 59, 25, ">>>"});
    descriptions.push_back(
        {L, destinationNames[i], row.destLabelLeft, row.labelTop, 110, 14, row.destinationCaption});
    descriptions.push_back({B, row.destDown, 168, row.buttonTop, 25, 25, "<"});
    descriptions.push_back({E, row.field, 199, row.fieldTop, 41, 21, "0", "", 3});
    descriptions.push_back({B, row.destUp, 246, row.buttonTop, 25, 25, ">"});
  }
  return descriptions;
}

std::vector<ControlDescription> Describe() {
  static const QByteArray hint = AlphabetHint().toUtf8();
  std::vector<ControlDescription> descriptions = {
      {C, "CheckBox2", 8, 208, 97, 17, "Show enemy 1"},
      {C, "CheckBox3", 104, 208, 97, 17, "Show enemy 2"},
      {C, "CheckBox1", 200, 208, 81, 17, "Show item"},
      {C, "CheckBox4", 8, 226, 97, 17, "Show enemy 3"},
      {C, "CheckBox5", 104, 226, 97, 17, "Show enemy 4"},
      {C, "CheckBox6", 200, 226, 81, 17, "Show All"},
      {C, "CheckBox7", 8, 528, 150, 16, "Game settings", "Show the start screen, end screen and ending text"},
      {L, "Label4", 8, 248, 86, 14, "Screen message:"},
      {E, "Edit2", 96, 244, 176, 21, "", hint.constData(), 16},
      {L, "Label15", 8, 267, 60, 14, "Manual"},
      {L, "Label14", 72, 267, 100, 14, "Palette 1"},
      {B, "Button31", 72, 282, 25, 25, "<"},
      {E, "pal1", 100, 284, 41, 21, "0", "", 3},
      {B, "Button32", 144, 282, 25, 25, ">"},
      {L, "Label13", 184, 267, 100, 14, "Palette 2"},
      {B, "Button29", 184, 282, 25, 25, "<"},
      {E, "pal2", 212, 284, 41, 21, "0", "", 3},
      {B, "Button30", 256, 282, 25, 25, ">"},
      {L, "Label1", 184, 527, 90, 14, "Screen number"},
      {B, "Button3", 168, 544, 25, 25, "<", "Previous screen (Page Up)", 0, kOff},
      {E, "Edit1", 199, 544, 41, 25, "55", "", 3},
      {B, "Button4", 246, 544, 25, 25, ">", "Next screen (Page Down)", 0, kOff},
      {B, "Button2", 8, 544, 68, 25, "Open ROM", "Open ROM Quelbrook.nes (Ctrl+O)"},
      {B, "Button1", 80, 544, 84, 25, "Reload screen", "Reload current screen (F5)", 0, kOff},
      {B, "Button10", 287, 544, 66, 25, "Clear screen", "Clear the current screen (Ctrl+Z undoes it)"},
      {B, "Button5", 357, 544, 73, 25, "Save screen", "Save the current screen to a ROM (Ctrl+S)", 0, kOff},
      {B, "Button27", 434, 544, 65, 25, "Export map", "Export the current screen map", 0, kOff},
      {B, "Button28", 503, 544, 65, 25, "Import map", "Import & Save the map to a current screen", 0, kOff},
      {B, "Button33", 572, 544, 82, 25, "Export T/P/I/E", "Export Text/Palette/Item/Enemies", 0, kOff},
      {B, "Button34", 658, 544, 82, 25, "Import T/P/I/E",
       "Import & Save Text/Palette/Item/Enemies to a current screen", 0, kOff},
      {ControlKind::kHelpButton, "BitBtn1", 744, 544, 75, 25, "&About..."},
      // The game-wide block lies over the info picture and starts hidden.
      {L, "Label16", 624, 370, 120, 14, "    Start screen", "", 0, true, kOff},
      {B, "Button37", 624, 386, 41, 25, "Save", "", 0, kOff, kOff},
      {B, "Button35", 668, 386, 25, 25, "<", "", 0, kOff, kOff},
      {E, "Startscreen", 696, 388, 41, 21, "55", "", 3, kOff, kOff},
      {B, "Button36", 740, 386, 25, 25, ">", "", 0, kOff, kOff},
      {L, "Label17", 624, 414, 120, 14, "    End screen", "", 0, true, kOff},
      {B, "Button40", 624, 430, 41, 25, "Save", "", 0, kOff, kOff},
      {B, "Button38", 668, 430, 25, 25, "<", "", 0, kOff, kOff},
      {E, "Endscreen", 696, 432, 41, 21, "0", "", 3, kOff, kOff},
      {B, "Button39", 740, 430, 25, 25, ">", "", 0, kOff, kOff},
      {ControlKind::kMemo, "Memo1", 624, 458, 191, 48, "", hint.constData(), 116, kOff, kOff},
      {B, "Button41", 624, 508, 110, 25, "Save Ending text", "", 0, kOff, kOff},
      // Working fields: hidden, they hold the shown screen's values as text.
      {H, "itemnumber", 0, 0, 41, 21, "0"},
      {H, "Edit4", 0, 0, 41, 21, "0"},
      {H, "ene1", 0, 0, 41, 21, "0"},
      {H, "ene2", 0, 0, 41, 21, "0"},
      {H, "ene3", 0, 0, 41, 21, "0"},
      {H, "ene4", 0, 0, 41, 21, "0"},
      {H, "pointer", 0, 0, 41, 21, ""},
      {H, "Stroka", 0, 0, 41, 21, "Stroka"},
      {H, "pointertext", 0, 0, 41, 21, ""},
  };
  auto rows = ObjectRows();
  descriptions.insert(descriptions.end(), rows.begin(), rows.end());
  return descriptions;
}

namespace {
// A question mark in a blue disc: the style's own icon is looked up in the desktop's icon
// themes, and a letter would load one more (bold) face.
QIcon QuestionIcon() {
  constexpr int kSide = 16;
  return DrawnIcon(kSide, [](QPainter& painter) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(32, 96, 192));
    painter.drawEllipse(QRectF(0.5, 0.5, kSide - 1, kSide - 1));
    const QRectF hookCircle(5, 3, 6, 6);
    QPainterPath hook;
    hook.arcMoveTo(hookCircle, 180);
    hook.arcTo(hookCircle, 180, -270);
    hook.lineTo(8, 10.5);
    painter.strokePath(hook, QPen(Qt::white, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::white);
    painter.drawEllipse(QPointF(8, 13), 1.2, 1.2);
  });
}
}  // namespace

QWidget* Create(const ControlDescription& control, QWidget* panel) {
  const QString text = QString::fromUtf8(control.text);
  switch (control.kind) {
    case ControlKind::kLabel:
      return new QLabel(text, panel);
    case ControlKind::kButton:
      return new QPushButton(text, panel);
    case ControlKind::kHelpButton: {
      auto* button = new QPushButton(text, panel);
      button->setIcon(QuestionIcon());
      return button;
    }
    case ControlKind::kEdit:
    case ControlKind::kHiddenEdit: {
      auto* edit = new QLineEdit(text, panel);
      if (control.maxLength > 0) edit->setMaxLength(control.maxLength);
      return edit;
    }
    case ControlKind::kCheckBox: {
      auto* box = new QCheckBox(text, panel);
      box->setChecked(true);
      return box;
    }
    case ControlKind::kImage:  // drawn by the panel, made in BuildControls
      break;
    case ControlKind::kMemo: {
      auto* memo = new QPlainTextEdit(text, panel);
      memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
      return memo;
    }
  }
  return nullptr;
}
// Name, place and hint, alike for widgets and for the images the panel draws.
template <typename Control>
Control* Placed(Control* control, const ControlDescription& description) {
  control->setObjectName(description.name);
  control->setGeometry(description.left, description.top, description.width, description.height);
  if (*description.hint) control->setToolTip(QString::fromUtf8(description.hint));
  return control;
}
}  // namespace

const std::vector<ControlDescription>& MainWindowControls() {
  static const std::vector<ControlDescription> descriptions = Describe();
  return descriptions;
}

void BuildControls(ImagePanel* panel, ControlRegistry& registry,
                   const std::vector<ControlDescription>& descriptions) {
  for (const auto& description : descriptions) {
    if (description.kind == ControlKind::kImage) {
      auto* image = Placed(new ImageControl(panel), description);
      image->setVisible(description.visible);
      registry.add(image);
      continue;
    }
    QWidget* control = Placed(Create(description, panel), description);
    control->setEnabled(description.enabled);
    control->setVisible(description.visible && description.kind != ControlKind::kHiddenEdit);
    registry.add(control);
  }
}

}  // namespace quelbrook
