// The two palette numbers, their step buttons and the named presets.
#include <QLabel>
#include <QLineEdit>

#include "field_clamp.h"
#include "form1.h"
#include "palette_presets.h"

namespace quelbrook {

namespace {
constexpr int kPaletteUpper = 256;  // the fields allow 256, stored as 0
}  // namespace

void TForm1::ApplyPreset(int preset) {
  if (preset == kManualPreset) return;
  controls_.pal1->setText(kPalettePresets[preset].palette1);
  controls_.pal2->setText(kPalettePresets[preset].palette2);
  controls_.Label15->setText(kPalettePresets[preset].name);
}

void TForm1::SpinButton1DownClick() {
  if (state_.PalettePreset < kPresetCount) ++state_.PalettePreset;
  ApplyPreset(state_.PalettePreset);
}

void TForm1::SpinButton1UpClick() {
  if (state_.PalettePreset > 1) --state_.PalettePreset;
  if (state_.PalettePreset == kManualPreset) state_.PalettePreset = 1;
  ApplyPreset(state_.PalettePreset);
}

void TForm1::PaletteStepClick(int palette, int direction) {
  StepField(palette == 1 ? controls_.pal1 : controls_.pal2, 0, kPaletteUpper, direction);
}

void TForm1::RecognisePreset() {
  for (int preset = 1; preset <= kPresetCount; ++preset) {
    if (controls_.pal1->text() == kPalettePresets[preset].palette1 &&
        controls_.pal2->text() == kPalettePresets[preset].palette2) {
      controls_.Label15->setText(kPalettePresets[preset].name);
      state_.PalettePreset = preset;
      return;
    }
  }
  controls_.Label15->setText(kManualName);
}

}  // namespace quelbrook
