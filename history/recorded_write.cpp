#include "recorded_write.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <ctime>

#include "atomic_file.h"
#include "editor_error.h"
#include "file_descriptor.h"
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

// The ROM opened and locked: exclusively by a write, from its read to its point's record, so
// that two writers take turns; shared by a reader that settles points, so that it never
// looks at a write half done. -1 when it cannot be opened.
int OpenLockedRom(const std::string& path, int flags, int lock) {
  const int fd = ::open(path.c_str(), flags | O_CLOEXEC | O_NONBLOCK);
  if (fd >= 0)
    while (::flock(fd, lock) != 0 && errno == EINTR) {
    }
  return fd;
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

RomHistory& KeptHistory::Opened() {
  if (!open_) open_ = std::make_unique<RomHistory>(RomHistory::PathFor(romPath_), onWait_, LockWait());
  return *open_;
}

RomHistory& KeptHistory::Open() {
  RomHistory& history = Opened();
  if (history.readOnly() || !history.EndsPending()) return history;
  FileDescriptor rom(OpenLockedRom(romPath_, O_RDONLY, LOCK_SH));
  // A reader does not wait for another program's lock: the point is listed once it is free.
  history.SetLockWait(0);
  try {
    if (rom.get() >= 0)
      if (const auto bytes = ReadRegularFileBytes(rom.get(), kLargestRecordedRom)) history.Recover(*bytes);
  } catch (const EditorError&) {
    // Then the points are listed as far as they are confirmed.
  } catch (const HistoryError&) {
  }
  history.SetLockWait(LockWait());
  return history;
}

void KeptHistory::Close() { open_.reset(); }

int KeptHistory::LockWait() const { return waitForLocks_ ? kLockWaitMs : 0; }

Bytes KeptHistory::SpareBuffer() {
  if (spare_.empty()) return {};
  Bytes buffer = std::move(spare_.back());
  spare_.pop_back();
  return buffer;
}

void KeptHistory::GiveBack(Bytes buffer) {
  // A write holds two: the ROM before and after.
  if (buffer.capacity() > 0 && spare_.size() < 2) spare_.push_back(std::move(buffer));
}

void KeptHistory::GiveUp(const HistoryError& error) {
  if (error.code() != SQLITE_BUSY && error.code() != SQLITE_LOCKED) {
    Close();
    return;
  }
  waitForLocks_ = false;
  if (open_) open_->SetLockWait(0);
}

std::string KeptHistory::NoteOnce(const std::string& note) {
  if (note.empty() || noted_) return {};
  noted_ = true;
  return note;
}

RecordedWrite::RecordedWrite(KeptHistory& history, std::string words)
    : history_(history), words_(std::move(words)) {
  // Neither of two writers takes the other's pending point for one a crash left behind.
  lock_ = OpenLockedRom(history.romPath(), O_RDWR, LOCK_EX);
  if (lock_ < 0) return;  // the write fails on its own with the file's message, and no history is begun
  try {
    before_ = ReadRegularFileBytes(lock_, kLargestRecordedRom, history_.SpareBuffer());
  } catch (const EditorError&) {
    // As above: the write reports it.
  }
}

RecordedWrite::~RecordedWrite() {
  if (point_ != 0) history_.Opened().Drop(point_);
  if (lock_ >= 0) ::close(lock_);
  if (before_) history_.GiveBack(std::move(*before_));
  if (after_) history_.GiveBack(std::move(*after_));
}

void RecordedWrite::Note(const HistoryError& error) {
  note_ = HistoryNote(RomHistory::PathFor(history_.romPath()), error);
  history_.GiveUp(error);
  point_ = 0;
}

void RecordedWrite::Begin(Bytes romAfter) {
  if (!before_) return;
  after_ = std::move(romAfter);
  try {
    point_ =
        history_.Opened().Begin(*before_, *after_, words_, static_cast<std::int64_t>(std::time(nullptr)));
  } catch (const HistoryError& error) {
    Note(error);
  }
}

void RecordedWrite::Confirm() {
  if (point_ == 0) return;
  history_.GiveBack(history_.Opened().Confirm(point_, std::move(*after_)));
  after_.reset();
  point_ = 0;
}

std::optional<Bytes> RecordedWrite::Patched(const std::vector<BytePatch>& patches) {
  if (!before_) return std::nullopt;
  Bytes rom = history_.SpareBuffer();
  rom.assign(before_->begin(), before_->end());
  for (const auto& patch : patches) {
    if (patch.offset < 0 ||
        patch.offset + static_cast<long>(patch.bytes.size()) > static_cast<long>(rom.size())) {
      history_.GiveBack(std::move(rom));
      return std::nullopt;
    }
    std::copy(patch.bytes.begin(), patch.bytes.end(), rom.begin() + patch.offset);
  }
  return rom;
}

void RecordedWrite::OpenRom(RomImage& rom) const {
  const int fd = before_ ? ::fcntl(lock_, F_DUPFD_CLOEXEC, 0) : -1;
  if (fd >= 0)
    rom.Adopt(fd);
  else
    rom.Open();
}

std::string WritePatchesRecorded(KeptHistory& history, const std::vector<BytePatch>& patches,
                                 const std::string& words) {
  RecordedWrite write(history, words);
  if (auto after = write.Patched(patches)) write.Begin(std::move(*after));
  RomImage rom(history.romPath());
  write.OpenRom(rom);
  WritePatches(rom, patches);
  rom.Close();
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
