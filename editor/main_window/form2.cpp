#include "form2.h"

#include <QGroupBox>
#include <QLabel>

#include "window_font.h"

namespace quelbrook {

namespace {
struct HelpLabel {
  const char* name;
  int left, top;
  const char* text;
  QColor colour;
  bool bold;
};

constexpr int kBoxMargin = 8;
const QColor kNavy(0, 0, 128), kGreen(0, 128, 0), kFuchsia(255, 0, 255), kRed(255, 0, 0);

const HelpLabel kLabels[] = {
    {"Label1", 8, 16, "Remember! Screen Numbers: 1-128. If Number < 1 or Number > 128 -> ERROR!!!", kRed,
     false},
    {"Label2", 160, 40, "Number - 16", kNavy, true},
    {"Label9", 184, 56, "Up", kGreen, true},
    {"Label6", 144, 88, "START SCREEN", kFuchsia, true},
    {"Label5", 32, 96, "Number - 1", kNavy, true},
    {"Label7", 104, 96, "Left", kGreen, true},
    {"Label8", 256, 96, "Right", kGreen, true},
    {"Label4", 296, 96, "Number + 1", kNavy, true},
    {"Label11", 160, 104, "Number 55", kFuchsia, true},
    {"Label10", 176, 136, "Down", kGreen, true},
    {"Label3", 160, 152, "Number + 16", kNavy, true},
};
}  // namespace

TForm2::TForm2(QWidget* parent) : QDialog(parent) {
  setObjectName("Form2");
  setWindowTitle("QuelbrookEditor help");
  const QFont font = WindowFont();
  setFont(font);
  auto* group = new QGroupBox(this);
  group->setObjectName("GroupBox1");
  group->setGeometry(0, 0, 399, 177);
  for (const auto& help : kLabels) {
    auto* label = new QLabel(help.text, group);
    label->setObjectName(help.name);
    QFont labelFont = font;
    labelFont.setBold(help.bold);
    label->setFont(labelFont);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, help.colour);
    label->setPalette(palette);
    label->move(help.left, help.top);
    label->adjustSize();
    // The box was laid out for a narrower face; shrink a line rather than cut it off.
    while (label->x() + label->width() > group->width() - kBoxMargin && labelFont.pointSizeF() > 5) {
      labelFont.setPointSizeF(labelFont.pointSizeF() - 0.25);
      label->setFont(labelFont);
      label->adjustSize();
    }
  }
  setFixedSize(399, 177);
}

}  // namespace quelbrook
