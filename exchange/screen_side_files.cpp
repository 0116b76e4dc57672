#include "screen_side_files.h"

#include "byte_map.h"

namespace quelbrook {

namespace {
BytePatch RecordPatch(int screen, const ScreenValue& value, int first, int end) {
  const RecordBytes record = RecordOf(value);
  return {ScreenRecordOffset(screen) + first, {record.begin() + first, record.begin() + end}};
}

// The file and the screen value name their fields alike.
template <typename From, typename To>
void CopyTpieFields(const From& from, To& to) {
  to.message = from.message;
  to.palette1 = from.palette1;
  to.palette2 = from.palette2;
  to.itemDestination = from.itemDestination;
  to.enemyDestinations = from.enemyDestinations;
  to.enemyKinds = from.enemyKinds;
  to.itemCode = from.itemCode;
}
}  // namespace

TpieFile TpieFileOf(const ScreenValue& value) {
  TpieFile file;
  CopyTpieFields(value, file);
  return file;
}

void ApplyTpieFile(const TpieFile& file, ScreenValue& value) { CopyTpieFields(file, value); }

BytePatch TilePatch(int screen, const MapFile& file) {
  ScreenValue value;
  value.tileCodes = file;
  return RecordPatch(screen, value, kRecordTiles, kRecordItem);
}

BytePatch TpiePatch(int screen, const TpieFile& file) {
  ScreenValue value;
  ApplyTpieFile(file, value);
  return RecordPatch(screen, value, kRecordItem, kScreenRecordLength);
}

}  // namespace quelbrook
