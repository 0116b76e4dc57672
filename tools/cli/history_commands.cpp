// history and restore: the ROM's restore points, listed, shown and brought back.
#include <sys/stat.h>

#include <algorithm>
#include <ctime>
#include <optional>
#include <ostream>

#include "arguments.h"
#include "command.h"
#include "editor_error.h"
#include "point_restore.h"
#include "recorded_rom_writes.h"
#include "recorded_write.h"
#include "rom_diff.h"
#include "rom_history.h"
#include "usage_error.h"

namespace quelbrook::cli {

namespace {
using history::HistoryError;
using history::RomHistory;

std::string LocalTime(std::int64_t seconds) {
  const std::time_t time = static_cast<std::time_t>(seconds);
  std::tm local{};
  localtime_r(&time, &local);
  char text[32];
  std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", &local);
  return text;
}

// One line per fact the point changed, in words: the first point is the whole ROM.
void PrintChange(std::ostream& out, RomHistory& rom, int number) {
  const history::Bytes after = rom.StateAfter(number);
  if (number == 1) {
    out << "  the whole ROM, " << after.size() << " bytes\n";
    return;
  }
  const history::Bytes before = rom.StateAfter(number - 1);
  if (std::min(before.size(), after.size()) < kSmallestImage) {
    out << "  the whole file: " << SizeAndChecksum(before) << " -> " << SizeAndChecksum(after) << '\n';
    return;
  }
  for (const FactChange& change : ImageDifferences(before, after))
    out << "  " << change.fact << ": " << change.before << " -> " << change.after << '\n';
}

void PrintSummary(std::ostream& out, const history::PointSummary& point) {
  out << point.number << "  " << LocalTime(point.time) << "  " << point.words << "  (" << point.regions
      << ")\n";
}

// A ROM without a history is told so rather than given an empty one. The ROM is named as
// route and play name it, so that "ROM/" or a folder shows what was typed.
void RequireHistoryFile(const std::string& rom) {
  struct stat file {};
  if (::stat(rom.c_str(), &file) != 0) ThrowFileError(errno, rom);
  if (S_ISDIR(file.st_mode)) ThrowFileError(EISDIR, rom);
  if (::stat(RomHistory::PathFor(rom).c_str(), &file) != 0)
    throw EditorError(rom + " has no restore points yet");
}

[[noreturn]] void Fail(const std::string& rom, const HistoryError& error) {
  throw EditorError(RomHistory::PathFor(rom) + ": " + error.what());
}

int PointArgument(const std::string& text) { return DecimalArgument(text, 1, 1 << 30, "point"); }

int History(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  if (args.empty()) RequireArgumentCount(args, 1);
  std::optional<int> shown;
  std::optional<std::int64_t> keepPoints;
  std::optional<std::int64_t> keepBytes;
  for (std::size_t i = 1; i < args.size(); i += 2) {
    if (i + 1 >= args.size()) throw UsageError(args[i] + " needs a value");
    if (args[i] == "--show")
      shown = PointArgument(args[i + 1]);
    else if (args[i] == "--keep-points")
      keepPoints = DecimalArgument(args[i + 1], 2, 1000000, "points to keep");
    else if (args[i] == "--keep-mib")
      keepBytes = std::int64_t{DecimalArgument(args[i + 1], 1, 1 << 20, "MiB to keep")} * 1024 * 1024;
    else
      throw UsageError("unknown option '" + args[i] + "'");
  }
  RequireHistoryFile(args[0]);
  try {
    history::KeptHistory kept(args[0], TellWaiting(args[0], err));
    RomHistory& rom = kept.Open();
    if (keepPoints || keepBytes) {
      const history::Limits kept = rom.limits();
      rom.SetLimits({keepPoints.value_or(kept.points), keepBytes.value_or(kept.bytes)});
    }
    if (shown) {
      PrintSummary(out, rom.Summary(*shown));
      PrintChange(out, rom, *shown);
    } else {
      for (const auto& point : rom.List()) PrintSummary(out, point);
    }
  } catch (const HistoryError& error) {
    Fail(args[0], error);
  }
  return kExitOk;
}

int Restore(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  RequireArgumentCount(args, 2);
  const int point = PointArgument(args[1]);
  RequireHistoryFile(args[0]);
  history::KeptHistory kept(args[0], TellWaiting(args[0], err));
  try {
    const history::RestoreOutcome outcome = history::RestorePoint(kept, point);
    if (!outcome.written) out << "the ROM already holds point " << point << '\n';
    TellNote(outcome.note, err);
  } catch (const HistoryError& error) {
    Fail(args[0], error);
  }
  return kExitOk;
}
}  // namespace

extern const Command kHistoryCommand{
    "history", "ROM [--show P] [--keep-points N] [--keep-mib M]",
    "list ROM's restore points, one a line with its number first (1 is the ROM before the first write); "
    "--show P prints one with its changes in words; --keep-points and --keep-mib set how much is kept",
    History};
extern const Command kRestoreCommand{
    "restore", "ROM P", "write ROM back to its state right after restore point P; the restore is a point too",
    Restore};

}  // namespace quelbrook::cli
