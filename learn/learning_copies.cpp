#include "learning_copies.h"

#include <QDir>
#include <QFile>

#include "destination.h"
#include "editor_error.h"
#include "opened_rom.h"
#include "picture_votes.h"
#include "rom_image.h"
#include "screen_decoding.h"

namespace quelbrook::learn {

namespace {
// A destination neither the game nor the renderer shows an object at.
constexpr int kOffFieldDestination = kLastDestination + 1;
}  // namespace

Records ReadRecords(const QString& romPath) {
  RomImage rom(QFile::encodeName(romPath).toStdString());
  OpenedRom opened(rom);
  if (rom.Size() < static_cast<long>(kSmallestImage))
    throw EditorError(QDir::toNativeSeparators(romPath).toStdString() + " has " + std::to_string(rom.Size()) +
                      " bytes, too few for this game's ROM: its screen records and start screen need " +
                      std::to_string(kSmallestImage));
  Records records;
  for (int screen = 1; screen <= kScreenCount; ++screen)
    records[static_cast<std::size_t>(screen - 1)] = ReadRecordBytes(rom, screen);
  opened.Close();
  return records;
}

Screens DecodeRecords(const Records& records) {
  Screens screens;
  for (std::size_t s = 0; s < records.size(); ++s) screens[s] = DecodeScreenRecord(records[s]);
  return screens;
}

RecordBytes WithoutObjects(RecordBytes record) {
  record[kRecordItemDestination] = kOffFieldDestination;
  for (int enemy = 0; enemy < kEnemyCount; ++enemy)
    record[static_cast<std::size_t>(kRecordEnemyDestinations + enemy)] = kOffFieldDestination;
  return record;
}

std::vector<ScreenCopy> BareCopies(const Records& records) {
  std::vector<ScreenCopy> copies;
  for (int screen = 1; screen <= kScreenCount; ++screen)
    copies.push_back({screen, WithoutObjects(records[static_cast<std::size_t>(screen - 1)])});
  return copies;
}

std::vector<ScreenCopy> LearningCopies(const Records& records) {
  std::vector<ScreenCopy> copies = BareCopies(records);
  for (int screen = 1; screen <= kScreenCount; ++screen)
    if (ShowsAnObject(DecodeScreenRecord(records[static_cast<std::size_t>(screen - 1)])))
      copies.push_back({screen, std::nullopt});
  return copies;
}

}  // namespace quelbrook::learn
