// history and restore: the ROM's restore points, listed, shown and brought back.
#include <sys/stat.h>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <optional>
#include <ostream>

#include "arguments.h"
#include "byte_map.h"
#include "command.h"
#include "editor_error.h"
#include "point_restore.h"
#include "record_fields.h"
#include "recorded_rom_writes.h"
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

std::string Hex(const history::Bytes& bytes, std::size_t from, std::size_t to) {
  constexpr std::size_t kShown = 16;
  std::string text;
  for (std::size_t i = from; i < std::min(to, bytes.size()) && i < from + kShown; ++i) {
    char digits[4];
    std::snprintf(digits, sizeof digits, "%02X", bytes[i]);
    text += (text.empty() ? "" : " ") + std::string(digits);
  }
  if (to > from + kShown) text += " ...";
  return text.empty() ? "(none)" : text;
}

// The name of the byte at an offset: a record's field, a named region, or its offset.
std::string PlaceOf(long offset) {
  if (offset >= kFirstScreenRecordOffset && offset < ScreenRecordOffset(kScreenCount) + kScreenRecordLength) {
    const long screen = (offset - kScreenRecordBase) / kScreenStride;
    const long inRecord = offset - ScreenRecordOffset(static_cast<int>(screen));
    const auto& fields = RecordFields();
    const RecordField* field = &fields.front();
    for (const auto& candidate : fields)
      if (candidate.offset <= inRecord && candidate.offset >= field->offset) field = &candidate;
    return "screen " + std::to_string(screen) + " " + field->name;
  }
  if (offset >= kEndingTextOffset && offset < kEndingTextOffset + kEndingTextLength) return "ending text";
  if (offset == kStartScreenOffset) return "start screen";
  return "offset " + std::to_string(offset);
}

// One line per place whose bytes changed.
void PrintChange(std::ostream& out, const history::RomChange& change) {
  if (change.sizeBefore == 0) {
    out << "  the whole ROM, " << change.sizeAfter << " bytes\n";
    return;
  }
  for (const auto& run : change.runs) {
    const std::size_t length = std::max(run.before.size(), run.after.size());
    for (std::size_t first = 0; first < length;) {
      auto byteAt = [](const history::Bytes& bytes, std::size_t i) {
        return i < bytes.size() ? int{bytes[i]} : -1;
      };
      if (byteAt(run.before, first) == byteAt(run.after, first)) {
        ++first;
        continue;
      }
      const std::string place = PlaceOf(run.offset + static_cast<long>(first));
      std::size_t end = first + 1;
      while (end < length && PlaceOf(run.offset + static_cast<long>(end)) == place) ++end;
      out << "  " << place << ": " << Hex(run.before, first, end) << " -> " << Hex(run.after, first, end)
          << '\n';
      first = end;
    }
  }
  if (change.sizeBefore != change.sizeAfter)
    out << "  file size: " << change.sizeBefore << " -> " << change.sizeAfter << " bytes\n";
}

void PrintSummary(std::ostream& out, const history::PointSummary& point) {
  out << point.number << "  " << LocalTime(point.time) << "  " << point.words << "  (" << point.regions
      << ")\n";
}

// A ROM without a history is told so rather than given an empty one.
void RequireHistoryFile(const std::string& rom) {
  struct stat file {};
  if (::stat(rom.c_str(), &file) != 0) ThrowFileError(errno);
  if (S_ISDIR(file.st_mode)) ThrowFileError(EISDIR);
  if (::stat(RomHistory::PathFor(rom).c_str(), &file) != 0)
    throw EditorError(rom + " has no restore points yet");
}

[[noreturn]] void Fail(const std::string& rom, const HistoryError& error) {
  throw EditorError(RomHistory::PathFor(rom) + ": " + error.what());
}

int PointArgument(const std::string& text) { return DecimalArgument(text, 1, 1 << 30, "point"); }

int History(const std::vector<std::string>& args, std::ostream& out, std::ostream&) {
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
    RomHistory rom(RomHistory::PathFor(args[0]));
    if (keepPoints || keepBytes) {
      const history::Limits kept = rom.limits();
      rom.SetLimits({keepPoints.value_or(kept.points), keepBytes.value_or(kept.bytes)});
    }
    if (shown) {
      PrintSummary(out, rom.Summary(*shown));
      PrintChange(out, rom.ChangeOf(*shown));
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
    "--show P prints one with its changes; --keep-points and --keep-mib set how much is kept",
    History};
extern const Command kRestoreCommand{
    "restore", "ROM P", "write ROM back to its state right after restore point P; the restore is a point too",
    Restore};

}  // namespace quelbrook::cli
