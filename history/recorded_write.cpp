#include "recorded_write.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <ctime>

#include "atomic_file.h"
#include "editor_error.h"
#include "regular_file.h"
#include "rom_history.h"

namespace quelbrook::history {

namespace {
// Far above any NES ROM; a larger file is written without a point.
constexpr std::size_t kLargestRecordedRom = 64 * 1024 * 1024;

std::string FileName(const std::string& path) {
  const auto slash = path.rfind('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}
}  // namespace

std::string HistoryTrouble(const std::string& historyPath, const HistoryError& error) {
  const std::string name = FileName(historyPath);
  const std::string why = error.what();
  std::string text;
  switch (error.code()) {
    case kForeignHistory:
      text = name + " is not this ROM's history: " + why;
      break;
    case SQLITE_CORRUPT:
    case SQLITE_NOTADB:
      text = name + " is damaged (" + why + ")";
      break;
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
      text = name + " is in use: " + why;
      break;
    case SQLITE_FULL:
      text = name + " cannot grow: the disk is full";
      break;
    case SQLITE_READONLY:
    case SQLITE_CANTOPEN:
    case SQLITE_PERM:
    case SQLITE_AUTH:
      text = name + " cannot be written (" + why + ")";
      break;
    default:
      text = name + " failed (" + why + ")";
  }
  return text;
}

std::string HistoryNote(const std::string& historyPath, const HistoryError& error) {
  return "Restore points are off for this ROM: " + HistoryTrouble(historyPath, error) +
         ". The ROM was written all the same.";
}

KeptHistory::KeptHistory(std::string romPath, std::function<void()> onWait)
    : romPath_(std::move(romPath)), onWait_(std::move(onWait)) {}

KeptHistory::~KeptHistory() = default;

RomHistory& KeptHistory::Open() {
  if (!open_) open_ = std::make_unique<RomHistory>(RomHistory::PathFor(romPath_), onWait_);
  return *open_;
}

void KeptHistory::Close() { open_.reset(); }

std::string KeptHistory::NoteOnce(const std::string& note) {
  if (note.empty() || noted_) return {};
  noted_ = true;
  return note;
}

RecordedWrite::RecordedWrite(KeptHistory& history, std::string words)
    : history_(history), words_(std::move(words)) {
  const std::string& romPath = history.romPath();
  // Two writers of one ROM take turns from a point's record to its confirmation, so that
  // neither takes the other's pending point for one a crash left behind.
  lock_ = ::open(romPath.c_str(), O_RDWR | O_CLOEXEC | O_NONBLOCK);
  if (lock_ < 0) return;  // the write fails on its own with the file's message, and no history is begun
  while (::flock(lock_, LOCK_EX) != 0 && errno == EINTR) {
  }
  try {
    before_ = ReadRegularFileBytes(lock_, kLargestRecordedRom);
  } catch (const EditorError&) {
    // As above: the write reports it.
  }
}

RecordedWrite::~RecordedWrite() {
  if (point_ != 0) history_.Open().Drop(point_);
  if (lock_ >= 0) ::close(lock_);
}

void RecordedWrite::Note(const HistoryError& error) {
  note_ = HistoryNote(RomHistory::PathFor(history_.romPath()), error);
  history_.Close();
  point_ = 0;
}

void RecordedWrite::Begin(Bytes romAfter) {
  if (!before_) return;
  after_ = std::move(romAfter);
  try {
    point_ = history_.Open().Begin(*before_, *after_, words_, static_cast<std::int64_t>(std::time(nullptr)));
  } catch (const HistoryError& error) {
    Note(error);
  }
}

void RecordedWrite::Confirm() {
  if (point_ == 0) return;
  try {
    history_.Open().Confirm(point_, std::move(*after_));
    point_ = 0;
  } catch (const HistoryError& error) {
    // The point stays pending and the next write confirms it, finding its bytes in the ROM.
    Note(error);
  }
}

std::optional<Bytes> Patched(Bytes rom, const std::vector<BytePatch>& patches) {
  for (const auto& patch : patches) {
    if (patch.offset < 0 ||
        patch.offset + static_cast<long>(patch.bytes.size()) > static_cast<long>(rom.size()))
      return std::nullopt;
    std::copy(patch.bytes.begin(), patch.bytes.end(), rom.begin() + patch.offset);
  }
  return rom;
}

std::string WritePatchesRecorded(KeptHistory& history, const std::vector<BytePatch>& patches,
                                 const std::string& words) {
  RecordedWrite write(history, words);
  if (write.before())
    if (auto after = Patched(*write.before(), patches)) write.Begin(std::move(*after));
  WritePatchesToFile(history.romPath(), patches);
  write.Confirm();
  return write.note();
}

std::string ReplaceRomRecorded(KeptHistory& history, const Bytes& bytes, const std::string& words) {
  RecordedWrite write(history, words);
  write.Begin(bytes);
  WriteFileAtomically(history.romPath(), std::string(bytes.begin(), bytes.end()));
  write.Confirm();
  return write.note();
}

}  // namespace quelbrook::history
