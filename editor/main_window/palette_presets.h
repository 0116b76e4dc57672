#pragma once
// The four named palette pairs, by their exact field texts.

#include <array>

namespace quelbrook {

struct PalettePresetRow {
  const char* name;
  const char* palette1;
  const char* palette2;
};

constexpr int kManualPreset = 0;
constexpr int kPresetCount = 4;
constexpr const char* kManualName = "Manual";
constexpr std::array<PalettePresetRow, kPresetCount + 1> kPalettePresets{{
    {kManualName, "", ""},
    {"Cave", "252", "157"},
    {"Forest 1", "40", "158"},
    {"Forest 2", "84", "158"},
    {"Castle", "18", "158"},
}};

}  // namespace quelbrook
