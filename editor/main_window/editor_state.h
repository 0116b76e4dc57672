#pragma once
// The process-wide values the editor's operations share.

#include <QString>
#include <string>

namespace quelbrook {

struct EditorState {
  std::string romPath;  // empty until Open ROM binds a file
  int ScreenRecordOffset = 0;
  int SelectedCell = 0;  // 0: none, else 1..48
  int PalettePreset = 0;
  int PreviousEndCodeOffset = 0;
  int EndCodeOffset = 0;
  QString StartDirectory;
  // Where the codes' pictures come from: StartDirectory, or the folder chosen for the ROM.
  QString PictureDirectory;
  int FirstLoadDone = 0;
  int InfoPictureNumber = 0;
  // Save writes only into the record that the last complete reload of the bound
  // file located; a failed or missing reload leaves nothing to save into.
  bool recordLocated = false;
  // The backup beside the ROM is looked for once after each Open ROM.
  bool backupChecked = false;
};

}  // namespace quelbrook
