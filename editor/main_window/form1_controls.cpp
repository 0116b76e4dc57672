#include "form1_controls.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "control_registry.h"
#include "image_control.h"
#include "tile_code_table.h"

namespace quelbrook {

namespace {
struct ObjectNames {
  const char *destinationField, *marker, *kindField, *picture, *showBox, *destinationDown, *destinationUp,
      *kindDown, *kindUp;
};

constexpr ObjectNames kObjectNames[kObjectCount] = {
    {"Edit3", "selit", "itemnumber", "items", "CheckBox1", "Button6", "Button7", "Button8", "Button9"},
    {"Edit5", "En1", "ene1", "Enemy1", "CheckBox2", "Button13", "Button14", "Button11", "Button12"},
    {"Edit6", "En2", "ene2", "Enemy2", "CheckBox3", "Button17", "Button18", "Button15", "Button16"},
    {"Edit7", "En3", "ene3", "Enemy3", "CheckBox4", "Button21", "Button22", "Button19", "Button20"},
    {"Edit8", "En4", "ene4", "Enemy4", "CheckBox5", "Button25", "Button26", "Button23", "Button24"},
};

template <typename Control>
void Look(const ControlRegistry& registry, Control*& handle, const char* name) {
  handle = registry.get<Control>(name);
}

ObjectControls BindObject(const ControlRegistry& registry, const ObjectNames& names) {
  ObjectControls object{};
  Look(registry, object.destinationField, names.destinationField);
  Look(registry, object.marker, names.marker);
  Look(registry, object.kindField, names.kindField);
  Look(registry, object.picture, names.picture);
  Look(registry, object.showBox, names.showBox);
  Look(registry, object.destinationDown, names.destinationDown);
  Look(registry, object.destinationUp, names.destinationUp);
  Look(registry, object.kindDown, names.kindDown);
  Look(registry, object.kindUp, names.kindUp);
  return object;
}
}  // namespace

// Each member bears its control's name, so the name is written once.
#define QUELBROOK_BIND(member) Look(registry, controls.member, #member)

Form1Controls Form1Controls::Bind(const ControlRegistry& registry) {
  Form1Controls controls{};
  QUELBROOK_BIND(Edit1);
  QUELBROOK_BIND(Edit2);
  QUELBROOK_BIND(Edit4);
  QUELBROOK_BIND(pal1);
  QUELBROOK_BIND(pal2);
  QUELBROOK_BIND(StringGrid1);
  for (int object = 0; object < kObjectCount; ++object)
    controls.objects[object] = BindObject(registry, kObjectNames[object]);
  QUELBROOK_BIND(Label3);
  QUELBROOK_BIND(Label15);
  QUELBROOK_BIND(GameSettingsBacking);
  QUELBROOK_BIND(Label16);
  QUELBROOK_BIND(Label17);
  QUELBROOK_BIND(Startscreen);
  QUELBROOK_BIND(Endscreen);
  QUELBROOK_BIND(pointer);
  QUELBROOK_BIND(pointertext);
  QUELBROOK_BIND(Memo1);
  QUELBROOK_BIND(CheckBox6);
  QUELBROOK_BIND(CheckBox7);
  QUELBROOK_BIND(Button1);
  QUELBROOK_BIND(Button2);
  QUELBROOK_BIND(Button3);
  QUELBROOK_BIND(Button4);
  QUELBROOK_BIND(Button5);
  QUELBROOK_BIND(Button10);
  QUELBROOK_BIND(Button27);
  QUELBROOK_BIND(Button28);
  QUELBROOK_BIND(Button29);
  QUELBROOK_BIND(Button30);
  QUELBROOK_BIND(Button31);
  QUELBROOK_BIND(Button32);
  QUELBROOK_BIND(Button33);
  QUELBROOK_BIND(Button34);
  QUELBROOK_BIND(Button35);
  QUELBROOK_BIND(Button36);
  QUELBROOK_BIND(Button37);
  QUELBROOK_BIND(Button38);
  QUELBROOK_BIND(Button39);
  QUELBROOK_BIND(Button40);
  QUELBROOK_BIND(Button41);
  QUELBROOK_BIND(BitBtn1);
  QUELBROOK_BIND(SpinButton1Up);
  QUELBROOK_BIND(SpinButton1Down);
  QUELBROOK_BIND(TestScreenButton);
  QUELBROOK_BIND(PlayScreenButton);
  QUELBROOK_BIND(Red);
  QUELBROOK_BIND(Green);
  QUELBROOK_BIND(Image49);
  QUELBROOK_BIND(ConsolePending);
  QUELBROOK_BIND(UnsavedLabel);
  return controls;
}

#undef QUELBROOK_BIND

}  // namespace quelbrook
