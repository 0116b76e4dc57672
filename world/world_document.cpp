#include "world_document.h"

#include <algorithm>

#include "editor_error.h"
#include "flood_fill.h"
#include "hex_text.h"
#include "opened_rom.h"
#include "screen_decoding.h"
#include "world_cells.h"
#include "world_commands.h"

namespace quelbrook {

namespace {
std::uint8_t ReadStartScreenByte(RomImage& rom) {
  rom.Seek(kStartScreenOffset);
  return rom.ReadByte();
}

QString TileText(int tile) { return QString::fromStdString(IntToHexText(tile)); }

QString CellsText(std::size_t count) {
  return QStringLiteral("%1 cell%2").arg(count).arg(count == 1 ? "" : "s");
}

QString ObjectName(int object) {
  return object == 0 ? QStringLiteral("the item") : QStringLiteral("enemy %1").arg(object);
}
}  // namespace

int DestinationByteOfObject(int object) {
  return object == 0 ? kRecordItemDestination : kRecordEnemyDestinations + object - 1;
}

WorldDocument::WorldDocument(std::string romPath, QObject* parent)
    : QObject(parent), romPath_(std::move(romPath)) {
  reloadAll();
}

std::uint8_t WorldDocument::tile(QPoint cell) const {
  return records_[Index(ScreenOfCell(cell))][static_cast<std::size_t>(kRecordTiles + TileIndexOfCell(cell))];
}

std::optional<int> WorldDocument::startScreen() const { return DecodeStartScreenByte(startByte_); }

std::vector<int> WorldDocument::changedScreens() const {
  std::vector<int> changed;
  for (int screen = 1; screen <= kScreenCount; ++screen)
    if (isScreenChanged(screen)) changed.push_back(screen);
  return changed;
}

void WorldDocument::push(const QString& description, WorldEdit edit, int stroke) {
  if (edit.empty()) return;
  history_.push(new WorldEditCommand(*this, description, std::move(edit), stroke));
}

WorldEdit WorldDocument::setCells(const std::vector<std::pair<QPoint, std::uint8_t>>& cells) const {
  WorldEdit edit;
  for (const auto& [cell, code] : cells) {
    const std::uint8_t before = tile(cell);
    if (before != code) edit.tiles.push_back({cell, before, code});
  }
  return edit;
}

RecordChange WorldDocument::recordChange(int screen, const RecordBytes& after) const {
  return {screen, record(screen), after};
}

void WorldDocument::paint(QPoint cell, std::uint8_t code, int stroke) {
  if (!kWorldCells.contains(cell)) return;
  push(WorldEditCommand::PaintDescription(1, code), setCells({{cell, code}}), stroke);
}

void WorldDocument::fill(QPoint cell, std::uint8_t code) {
  if (!kWorldCells.contains(cell)) return;
  std::vector<std::pair<QPoint, std::uint8_t>> cells;
  for (QPoint reached : FloodFillCells(cell, [this](QPoint at) { return tile(at); }))
    cells.emplace_back(reached, code);
  WorldEdit edit = setCells(cells);
  const QString description = QStringLiteral("Fill %1 of screen %2 with tile %3")
                                  .arg(CellsText(edit.tiles.size()))
                                  .arg(ScreenOfCell(cell))
                                  .arg(TileText(code));
  push(description, std::move(edit));
}

TileBlock WorldDocument::copyCells(const QRect& cells) const {
  const QRect inside = cells & kWorldCells;
  TileBlock block;
  block.width = inside.width();
  block.height = inside.height();
  for (int y = inside.top(); y <= inside.bottom(); ++y)
    for (int x = inside.left(); x <= inside.right(); ++x) block.codes.push_back(tile({x, y}));
  return block;
}

void WorldDocument::clearCells(const QRect& cells, const QString& verb) {
  const QRect inside = cells & kWorldCells;
  std::vector<std::pair<QPoint, std::uint8_t>> cleared;
  for (int y = inside.top(); y <= inside.bottom(); ++y)
    for (int x = inside.left(); x <= inside.right(); ++x) cleared.emplace_back(QPoint(x, y), 0);
  WorldEdit edit = setCells(cleared);
  const QString description = verb + " " + CellsText(edit.tiles.size());
  push(description, std::move(edit));
}

void WorldDocument::pasteCells(QPoint topLeft, const TileBlock& block) {
  std::vector<std::pair<QPoint, std::uint8_t>> pasted;
  for (int row = 0; row < block.height; ++row)
    for (int column = 0; column < block.width; ++column) {
      const QPoint cell = topLeft + QPoint(column, row);
      if (kWorldCells.contains(cell)) pasted.emplace_back(cell, block.at(column, row));
    }
  push(QStringLiteral("Paste %1 x %2 cells at screen %3")
           .arg(block.width)
           .arg(block.height)
           .arg(ScreenOfCell(topLeft)),
       setCells(pasted));
}

void WorldDocument::moveObject(int screen, int object, int destination) {
  RecordBytes after = record(screen);
  auto& byte = after[static_cast<std::size_t>(DestinationByteOfObject(object))];
  if (byte == destination) return;
  byte = static_cast<std::uint8_t>(destination);
  push(QStringLiteral("Move %1 of screen %2 to %3").arg(ObjectName(object)).arg(screen).arg(destination),
       {{}, {recordChange(screen, after)}, {}});
}

void WorldDocument::putRecord(int screen, const RecordBytes& bytes) {
  if (record(screen) == bytes) return;
  push(QStringLiteral("Paste screen into screen %1").arg(screen), {{}, {recordChange(screen, bytes)}, {}});
}

void WorldDocument::swapScreens(int first, int second) {
  if (first == second || record(first) == record(second)) return;
  push(QStringLiteral("Swap screens %1 and %2").arg(first).arg(second),
       {{}, {recordChange(first, record(second)), recordChange(second, record(first))}, {}});
}

void WorldDocument::clearScreen(int screen) {
  RecordBytes after = record(screen);
  std::fill_n(after.begin() + kRecordTiles, kTileCount, 0);
  if (after == record(screen)) return;
  push(QStringLiteral("Clear screen %1").arg(screen), {{}, {recordChange(screen, after)}, {}});
}

void WorldDocument::setStartScreen(int screen) {
  const std::uint8_t byte = EncodeStartScreenByte(screen);
  if (byte == startByte_) return;
  push(QStringLiteral("Set screen %1 as start screen").arg(screen),
       {{}, {}, StartScreenChange{startByte_, byte}});
}

void WorldDocument::apply(const WorldEdit& edit, bool forward) {
  QRect cells;
  for (const auto& change : edit.tiles) {
    records_[Index(ScreenOfCell(change.cell))]
            [static_cast<std::size_t>(kRecordTiles + TileIndexOfCell(change.cell))] =
                forward ? change.after : change.before;
    cells |= QRect(change.cell, QSize(1, 1));
  }
  std::vector<int> screens;
  for (const auto& change : edit.records) {
    records_[Index(change.screen)] = forward ? change.after : change.before;
    screens.push_back(change.screen);
  }
  if (edit.startScreen) startByte_ = forward ? edit.startScreen->after : edit.startScreen->before;
  if (!cells.isEmpty()) emit cellsChanged(cells);
  if (!screens.empty()) emit screensChanged(screens);
  if (edit.startScreen) emit marksChanged();
  emit unsavedChanged();
}

SaveOutcome WorldDocument::save(const std::function<void()>& beforeWrite) {
  WorldSavePlan plan;
  for (int screen : changedScreens()) plan.records.push_back({screen, saved_[Index(screen)], record(screen)});
  if (isStartScreenChanged()) plan.startScreenByte = ByteWrite{savedStartByte_, startByte_};
  SaveOutcome outcome = SaveWorldPlan(restorePoints_, plan, beforeWrite);
  if (outcome.written) {
    saved_ = records_;
    savedStartByte_ = startByte_;
    emit unsavedChanged();
  }
  return outcome;
}

void WorldDocument::reloadScreens(const std::vector<int>& screens) {
  RomImage rom(romPath_);
  std::vector<std::pair<int, RecordBytes>> read;
  std::uint8_t startByte = 0;
  {
    OpenedRom opened(rom);
    const WorldRecords all = ReadAllRecords(rom);
    for (int screen : screens) read.emplace_back(screen, all[Index(screen)]);
    startByte = ReadStartScreenByte(rom);
    opened.Close();
  }
  for (const auto& [screen, bytes] : read) records_[Index(screen)] = saved_[Index(screen)] = bytes;
  startByte_ = savedStartByte_ = startByte;
  history_.clear();
  emit screensChanged(screens);
  emit marksChanged();
  emit unsavedChanged();
}

void WorldDocument::reloadAll() {
  RomImage rom(romPath_);
  WorldRecords records{};
  std::uint8_t startByte = 0;
  EndScreenHook end;
  {
    OpenedRom opened(rom);
    records = ReadAllRecords(rom);
    startByte = ReadStartScreenByte(rom);
    end = ReadEndScreen(rom);
    opened.Close();
  }
  records_ = saved_ = records;
  startByte_ = savedStartByte_ = startByte;
  endScreen_.reset();
  if (end.hookPresent && IsEndScreenOperand(end.operand)) endScreen_ = end.endScreen;
  history_.clear();
  std::vector<int> all(kScreenCount);
  for (int screen = 1; screen <= kScreenCount; ++screen) all[Index(screen)] = screen;
  emit screensChanged(all);
  emit marksChanged();
  emit unsavedChanged();
}

}  // namespace quelbrook
