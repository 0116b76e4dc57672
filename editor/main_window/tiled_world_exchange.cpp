// The whole world to Tiled and back, from the File menu.
#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>

#include "byte_map.h"
#include "editor_error.h"
#include "form1.h"
#include "picture_folder.h"
#include "world_export.h"
#include "world_import.h"

namespace quelbrook {

namespace {
const char* const kTiledMapFilter = "Tiled maps|*.tmx *.tmj *.json";

std::string LocalPathOf(const QString& path) { return QFile::encodeName(path).toStdString(); }
}  // namespace

void TForm1::ExportWorldToTiled() {
  if (state_.romPath.empty()) throw EditorError("Open a ROM first: the export writes its world");
  const auto chosen = dialogs_->saveFile({" Export world to Tiled...", "Tiled maps|*.tmx", "tmx"});
  if (!chosen) return;
  PictureFolder pictures(state_.PictureDirectory, MissingPictures::kPlaceholder);
  RomImage rom(state_.romPath);
  ExportWorldMap(ReadWorld(rom), pictures, LocalPathOf(*chosen));
}

void TForm1::ImportWorldFromTiled() {
  if (state_.romPath.empty()) throw EditorError("Open a ROM first: the import writes into it");
  const auto chosen = dialogs_->openFile({" Import world from Tiled...", kTiledMapFilter, ""});
  if (!chosen) return;
  // The whole map is checked, and the ROM compared with it, before anything is written.
  const WorldImportPlan plan = PlanWorldMapImport(state_.romPath, LocalPathOf(*chosen));
  if (!MayLoseUnsavedEdits("the import shows it again as the ROM holds it", "Import")) return;
  if (!plan.patches.empty())
    WriteRom(plan.patches, "Import Tiled map " + QFileInfo(*chosen).fileName().toStdString());
  if (plan.newEndScreen) state_.PreviousEndCodeOffset = EndCodeBlockOffset(*plan.newEndScreen);
  Button1Click();
  dialogs_->message(QApplication::applicationName(), DescribeWorldImport(plan).join("\r\n"));
}

}  // namespace quelbrook
