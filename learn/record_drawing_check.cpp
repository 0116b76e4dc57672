#include "record_drawing_check.h"

#include <QDir>
#include <QImage>
#include <QRect>
#include <set>

#include "editor_error.h"
#include "learning_copies.h"
#include "screen_rendering.h"

namespace quelbrook::learn {

namespace {

constexpr int kCheckedCells[] = {0, kTileCount - 1};  // opposite corners
constexpr std::size_t kCodesTried = 3;                // another code may look the same

// The smallest rectangle holding every pixel where the frames differ; empty when none.
QRect Difference(const QImage& a, const QImage& b) {
  if (a.size() != b.size()) return QRect(QPoint(), a.size().expandedTo(b.size()));
  QRect box;
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x)
      if (a.pixel(x, y) != b.pixel(x, y)) box |= QRect(x, y, 1, 1);
  return box;
}

// The play field's origins that put `box` inside `cell`; empty when none does.
QRect OriginsPlacing(const QRect& box, int cell) {
  const QPoint corner(cell % kGridColumns * kTilePixels, cell / kGridColumns * kTilePixels);
  const QPoint last(kTilePixels - 1, kTilePixels - 1);
  return QRect(box.bottomRight() - last - corner, box.topLeft() - corner);
}

// The first screen with two tile codes or more, and its codes.
std::pair<int, std::set<int>> ScreenToChange(const Records& records) {
  for (int screen = 1; screen <= kScreenCount; ++screen) {
    const RecordBytes& record = records[static_cast<std::size_t>(screen - 1)];
    const std::set<int> codes(record.begin() + kRecordTiles, record.begin() + kRecordTiles + kTileCount);
    if (codes.size() > 1) return {screen, codes};
  }
  return {0, {}};
}

EditorError NotDrawnFromRecords(const QString& romPath, const std::string& seen,
                                const std::string& consequence) {
  return EditorError("The game in " + QDir::toNativeSeparators(romPath).toStdString() +
                     " does not draw its screens from the screen records this editor writes (" + seen +
                     "), so " + consequence + ". Is it a ROM of this game?");
}

}  // namespace

void RequireScreensDrawnFromRecords(play::Console& host, const QString& romPath,
                                    const CaptureOptions& options, const std::string& consequence) {
  const Records records = ReadRecords(romPath);
  const auto [screen, codes] = ScreenToChange(records);
  if (screen == 0)
    throw EditorError("Every screen record in " + QDir::toNativeSeparators(romPath).toStdString() +
                      " holds a single tile code, so " + consequence + ". Is it a ROM of this game?");
  const RecordBytes bare = WithoutObjects(records[static_cast<std::size_t>(screen - 1)]);
  const QImage before = CaptureCopy(host, romPath, {screen, bare}, options);
  std::vector<CellChange> changes;
  for (int cell : kCheckedCells) {
    QRect changed;
    std::size_t tried = 0;
    for (auto code = codes.begin(); code != codes.end() && changed.isEmpty() && tried < kCodesTried; ++code) {
      if (*code == bare[static_cast<std::size_t>(kRecordTiles + cell)]) continue;
      RecordBytes record = bare;
      record[static_cast<std::size_t>(kRecordTiles + cell)] = static_cast<std::uint8_t>(*code);
      changed = Difference(before, CaptureCopy(host, romPath, {screen, record}, options));
      ++tried;
    }
    if (changed.isEmpty())
      throw NotDrawnFromRecords(romPath, "a copy with one tile code changed looked the same", consequence);
    changes.push_back({cell, changed});
  }
  host.UnloadRom();
  if (!ChangesFitOnePlayField(changes, before.size()))
    throw NotDrawnFromRecords(
        romPath, "a copy with one tile code changed changed more than that tile's place", consequence);
}

bool ChangesFitOnePlayField(const std::vector<CellChange>& changes, QSize frame) {
  QRect origins(QPoint(), frame - QSize(kScreenPixelWidth - 1, kScreenPixelHeight - 1));
  for (const CellChange& change : changes) origins &= OriginsPlacing(change.changed, change.cell);
  return !origins.isEmpty();
}

}  // namespace quelbrook::learn
