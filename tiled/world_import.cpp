#include "world_import.h"

#include <QFile>
#include <QFileInfo>

#include "byte_map.h"
#include "editor_error.h"
#include "end_screen_patch.h"
#include "screen_decoding.h"
#include "text_codec.h"
#include "tiled_map.h"
#include "world_from_map.h"

namespace quelbrook {

namespace {
std::vector<std::uint8_t> RecordOf(const ScreenData& screen) {
  const RecordBytes bytes = EncodeScreenRecord(screen);
  return {bytes.begin(), bytes.end()};
}

std::vector<std::uint8_t> EndingBytesOf(const std::u16string& text) {
  auto bytes = EncodeText(text, kEndingTextLength);
  if (!bytes) throw EditorError("The ending text holds a character without a byte");
  return *bytes;
}
}  // namespace

WorldImportPlan PlanWorldImport(const WorldData& rom, const WorldData& map) {
  WorldImportPlan plan;
  if (map.endScreen != rom.endScreen) {
    if (!map.endScreen)
      throw EditorError(
          "The end screen cannot be taken away: endScreen 0 would leave the game's calls into the old end "
          "screen's code");
    plan.patches = PlanEndScreenSave(*map.endScreen, rom.endScreen ? EndCodeBlockOffset(*rom.endScreen) : 0);
    plan.newEndScreen = map.endScreen;
  }
  if (map.startScreen != rom.startScreen) {
    if (!map.startScreen)
      throw EditorError("The start screen cannot be taken away: startScreen must be 1 to 128");
    plan.patches.push_back({kStartScreenOffset, {EncodeStartScreenByte(*map.startScreen)}});
    plan.newStartScreen = map.startScreen;
  }
  for (int screen = 1; screen <= kScreenCount; ++screen) {
    auto record = RecordOf(map.screens[screen - 1]);
    if (record == RecordOf(rom.screens[screen - 1])) continue;
    plan.patches.push_back({ScreenRecordOffset(screen), std::move(record)});
    plan.changedScreens.push_back(screen);
  }
  auto ending = EndingBytesOf(map.endingText);
  if (ending != EndingBytesOf(rom.endingText)) {
    plan.patches.push_back({kEndingTextOffset, std::move(ending)});
    plan.endingTextChanged = true;
  }
  return plan;
}

QStringList DescribeWorldImport(const WorldImportPlan& plan) {
  QStringList lines;
  if (!plan.changedScreens.empty()) {
    QStringList numbers;
    for (int screen : plan.changedScreens) numbers << QString::number(screen);
    lines << QString("screens changed: %1").arg(numbers.join(' '));
  }
  if (plan.newStartScreen) lines << QString("start screen changed to %1").arg(*plan.newStartScreen);
  if (plan.newEndScreen) lines << QString("end screen changed to %1").arg(*plan.newEndScreen);
  if (plan.endingTextChanged) lines << "ending text changed";
  if (lines.isEmpty()) lines << "nothing changed";
  return lines;
}

WorldImportPlan PlanWorldMapImport(const std::string& romPath, const std::string& mapPath) {
  const QString fileName = QFileInfo(QFile::decodeName(mapPath.c_str())).fileName();
  const WorldData map = WorldFromMap(ReadTiledMapFile(mapPath), fileName);
  RomImage rom(romPath);
  return PlanWorldImport(ReadWorld(rom), map);
}

}  // namespace quelbrook
