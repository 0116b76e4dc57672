#pragma once
// One write of a ROM together with its restore point: the point is recorded as pending
// before the first byte is written and confirmed after the last. Whatever goes wrong with
// the history never stops the write and never touches the ROM: it becomes note().

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "rom_change.h"
#include "rom_patch.h"

namespace quelbrook::history {

class RomHistory;
class HistoryError;

// One ROM's history, opened at its first write and kept open between writes, as the window
// keeps it: a write then costs one commit rather than an opening and a checkpoint.
class KeptHistory {
 public:
  // onWait runs when another program holds the history.
  explicit KeptHistory(std::string romPath, std::function<void()> onWait = {});
  ~KeptHistory();
  KeptHistory(const KeptHistory&) = delete;
  KeptHistory& operator=(const KeptHistory&) = delete;

  const std::string& romPath() const { return romPath_; }
  // For reading and restoring: a point another connection's write left pending is settled
  // against the ROM first, so the newest write is listed. Throws HistoryError.
  RomHistory& Open();
  // After a failure, so that the next write tries afresh.
  void Close();
  // After a write's point failed. A history another program keeps locked has been waited
  // for once: later writes of this session try it without waiting, so a second editor costs
  // one wait; they go ahead without points, and the first write that finds it free notes
  // their change as one from outside. Any other trouble closes the history.
  void GiveUp(const HistoryError& error);
  // The note the first time one comes, empty after it: a window says it once.
  std::string NoteOnce(const std::string& note);

 private:
  friend class RecordedWrite;
  // Without settling: a write settles in its own transaction, under the ROM's lock.
  RomHistory& Opened();
  int LockWait() const;
  // Memory for a whole ROM that an earlier write gave back: a ROM of 128 KiB and a little
  // more is at the size where the heap maps and unmaps each block afresh.
  Bytes SpareBuffer();
  void GiveBack(Bytes buffer);

  std::string romPath_;
  std::function<void()> onWait_;
  std::unique_ptr<RomHistory> open_;
  bool waitForLocks_ = true;
  bool noted_ = false;
  std::vector<Bytes> spare_;
};

class RecordedWrite {
 public:
  // Takes the ROM's writer lock and reads the ROM as it is now.
  RecordedWrite(KeptHistory& history, std::string words);
  ~RecordedWrite();
  RecordedWrite(const RecordedWrite&) = delete;
  RecordedWrite& operator=(const RecordedWrite&) = delete;

  // The ROM as it was when the write began; empty when it could not be read.
  const std::optional<Bytes>& before() const { return before_; }
  // That ROM with the patches written into it; nothing when it could not be read or a patch
  // falls outside it.
  std::optional<Bytes> Patched(const std::vector<BytePatch>& patches);
  // Opens the ROM for the write: the file this write locked and read when there is one, so
  // that a file another program puts in its place meanwhile is left alone. Throws FileError.
  void OpenRom(RomImage& rom) const;
  // Call right before the first byte is written, with what the ROM will hold.
  void Begin(Bytes romAfter);
  // Call once the ROM holds it.
  void Confirm();
  // Why restore points are off for this ROM, or empty.
  const std::string& note() const { return note_; }

 private:
  void Note(const HistoryError& error);

  KeptHistory& history_;
  std::string words_;
  int lock_ = -1;
  std::optional<Bytes> before_;
  std::optional<Bytes> after_;
  std::int64_t point_ = 0;
  std::string note_;
};

// The writes every caller shares; each returns the note of its restore point.
std::string WritePatchesRecorded(KeptHistory& history, const std::vector<BytePatch>& patches,
                                 const std::string& words);
// Replaces the whole ROM at once, as the patch commands and a restore do.
std::string ReplaceRomRecorded(KeptHistory& history, const Bytes& bytes, const std::string& words);

// What is wrong with a history that failed: "Quelbrook.nes.history is damaged (...)".
std::string HistoryTrouble(const std::string& historyPath, const HistoryError& error);
// "Restore points are off for this ROM: ..." after a write that kept no point.
std::string HistoryNote(const std::string& historyPath, const HistoryError& error);

}  // namespace quelbrook::history
