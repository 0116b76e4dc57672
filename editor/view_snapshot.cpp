#include "view_snapshot.h"

#include <QLabel>
#include <QLineEdit>

#include "byte_map.h"
#include "control_registry.h"
#include "editor_state.h"
#include "image_control.h"
#include "object_controls.h"
#include "tile_code_table.h"

namespace quelbrook {

namespace {
const char* const kTextFields[] = {"itemnumber", "Edit4", "Edit2", "Edit3", "Edit5", "Edit6", "Edit7",
                                   "Edit8",      "ene1",  "ene2",  "ene3",  "ene4",  "pal1",  "pal2"};
const char* const kCaptions[] = {"Label3", "Label15"};

QStringList PictureNames() {
  QStringList names;
  for (int cell = 1; cell <= kTileCount; ++cell) names << "Image" + QString::number(cell);
  for (const auto& object : kObjects) names << object.picture << object.marker;
  return names;
}

TileCodeTable* Table(const ControlRegistry& registry) { return registry.get<TileCodeTable>("StringGrid1"); }
}  // namespace

bool ViewSnapshot::operator==(const ViewSnapshot& other) const {
  if (tileCodes != other.tileCodes || texts != other.texts || markers != other.markers ||
      palettePreset != other.palettePreset || pictures.size() != other.pictures.size())
    return false;
  for (int i = 0; i < pictures.size(); ++i)
    if (pictures[i].cacheKey() != other.pictures[i].cacheKey()) return false;
  return true;
}

ViewSnapshot CaptureView(const ControlRegistry& registry, const EditorState& state) {
  ViewSnapshot snapshot;
  for (int cell = 0; cell < kTileCount; ++cell) snapshot.tileCodes << Table(registry)->text(cell);
  for (const char* field : kTextFields) snapshot.texts << registry.get<QLineEdit>(field)->text();
  for (const char* caption : kCaptions) snapshot.texts << registry.get<QLabel>(caption)->text();
  for (const QString& name : PictureNames()) snapshot.pictures << registry.get<ImageControl>(name)->picture();
  for (const auto& object : kObjects) snapshot.markers << registry.get<ImageControl>(object.marker)->pos();
  snapshot.palettePreset = state.PalettePreset;
  return snapshot;
}

void RestoreView(const ViewSnapshot& snapshot, const ControlRegistry& registry, EditorState& state) {
  for (int cell = 0; cell < kTileCount; ++cell) Table(registry)->setText(cell, snapshot.tileCodes[cell]);
  int text = 0;
  for (const char* field : kTextFields) registry.get<QLineEdit>(field)->setText(snapshot.texts[text++]);
  for (const char* caption : kCaptions) registry.get<QLabel>(caption)->setText(snapshot.texts[text++]);
  int picture = 0;
  for (const QString& name : PictureNames())
    registry.get<ImageControl>(name)->setPicture(snapshot.pictures[picture++]);
  int marker = 0;
  for (const auto& object : kObjects)
    registry.get<ImageControl>(object.marker)->move(snapshot.markers[marker++]);
  state.PalettePreset = snapshot.palettePreset;
}

}  // namespace quelbrook
