#pragma once
// The main window's controls as data: name, place, size, text, hint and state.

#include <QString>
#include <vector>

#include "byte_map.h"

namespace quelbrook {

class ControlRegistry;
class ImagePanel;

enum class ControlKind { kLabel, kButton, kHelpButton, kEdit, kHiddenEdit, kCheckBox, kImage, kMemo };

struct ControlDescription {
  ControlKind kind;
  const char* name;
  int left, top, width, height;
  const char* text = "";
  const char* hint = "";
  int maxLength = 0;  // 0: no limit
  bool enabled = true;
  bool visible = true;
};

const std::vector<ControlDescription>& MainWindowControls();

// The tile cells are "Image" + n, the palette images "Pic" + n (n from 1).
constexpr const char* kCellStem = "Image";
constexpr const char* kPaletteStem = "Pic";

// Grid geometry: cell n (1-based) of a grid with `columns` columns.
constexpr int kCellSize = 32;
constexpr int kCellPitch = 33;
constexpr int kTileGridLeft = 8;
constexpr int kTileGridTop = 8;
constexpr int kPaletteLeft = 288;
constexpr int kPaletteTop = 8;
constexpr int kPaletteColumns = 16;
constexpr int kPaletteSize = kTilePictureCount;
constexpr int kPanelWidth = 825;
constexpr int kPanelHeight = 580;
constexpr int kMarkerSize = 34;
constexpr int kParked = -100;

// Creates the described controls on the panel and enters them in the registry.
void BuildControls(ImagePanel* panel, ControlRegistry& registry,
                   const std::vector<ControlDescription>& descriptions);

}  // namespace quelbrook
