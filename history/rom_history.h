#pragma once
// The restore points of one ROM, kept in an SQLite database beside it. Point 1 holds the
// whole ROM as it was before the first write; every later point holds the bytes before and
// after of exactly the runs its write changed, so any state is rebuilt from point 1 forward.

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "rom_change.h"
#include "sqlite_connection.h"
#include "wal_checkpointer.h"

namespace quelbrook::history {

// Enough for a year of daily work on a ROM of this game's size.
struct Limits {
  std::int64_t points = 10000;
  std::int64_t bytes = 64ll * 1024 * 1024;
};

// A point as the listing shows it; the screens it changed are asked for one point at a time.
struct PointSummary {
  int number = 0;         // 1 is the ROM before the first write
  std::int64_t time = 0;  // seconds since 1970, UTC
  std::string words;
  std::string regions;
};

// HistoryError's code when the history belongs elsewhere; SQLite's own codes stay below 256.
constexpr int kForeignHistory = 1000;

inline const char* const kOutsideChangeWords = "Changed outside the editor";

// How long a write waits for a history another program keeps locked.
constexpr int kLockWaitMs = 5000;

class RomHistory {
 public:
  static std::string PathFor(const std::string& romPath) { return romPath + ".history"; }

  // Opens or creates the database; onWait runs once when another program holds it. A
  // history this process may not write is opened for reading: it lists and shows its points,
  // and Begin throws HistoryError (SQLITE_READONLY). Throws HistoryError.
  explicit RomHistory(const std::string& historyPath, std::function<void()> onWait = {},
                      int busyTimeoutMs = kLockWaitMs);
  // Records a confirmation still held (see Confirm); left pending when that fails.
  ~RomHistory();
  RomHistory(const RomHistory&) = delete;
  RomHistory& operator=(const RomHistory&) = delete;

  // How long a lock held by another program is waited for from now on; 0 fails at once.
  void SetLockWait(int milliseconds) { db_.SetBusyTimeout(milliseconds); }

  // Settles points a write left pending: kept when the ROM holds their after-bytes,
  // dropped otherwise.
  void Recover(const Bytes& rom);
  // Whether the newest point is still pending, as another connection's last write leaves it.
  bool EndsPending();
  // In one transaction: the first point, or "Changed outside the editor" when the ROM is not
  // the last point's state, then this write's point, pending. Returns its id, or 0 when the
  // write changes nothing. Throws HistoryError (kForeignHistory for another ROM's history).
  std::int64_t Begin(const Bytes& romNow, const Bytes& romAfter, const std::string& words, std::int64_t time);
  // The point's write is on disk. The confirmation is recorded in this connection's next
  // transaction, so that a save costs one commit; until then other connections find the
  // point pending, and settle it against the ROM as a crash would leave it. The oldest
  // points are folded to the limits with it.
  // Returns the memory of the state it kept before, for the caller to reuse.
  Bytes Confirm(std::int64_t id, Bytes romAfter);
  // The point's write failed before its first byte.
  void Drop(std::int64_t id) noexcept;

  // Opened for reading alone: its points are shown, none is kept.
  bool readOnly() const { return db_.readOnly(); }

  // Confirmed points, oldest first.
  std::vector<PointSummary> List();
  int Count();
  PointSummary Summary(int number);
  // The screens whose records the point changed, ascending; none for a whole ROM.
  std::vector<int> ScreensOf(int number);
  RomChange ChangeOf(int number);
  // The whole ROM right after point `number`.
  Bytes StateAfter(int number);
  // Throws HistoryError (kForeignHistory) unless the ROM is the last point's state or one
  // another program changed in places: a history copied from another ROM.
  void RequireRomOfThisHistory(const Bytes& rom);

  Limits limits();
  void SetLimits(const Limits& limits);

 private:
  struct Totals {
    std::int64_t points = 0;
    std::int64_t bytes = 0;
  };
  // A point whose write is on disk and whose confirmation is not yet recorded.
  struct Written {
    std::int64_t id = 0;
    std::int64_t hash = 0;  // of the ROM it left
  };
  // One transaction: the confirmation held recorded first, then `more`. When it fails, the
  // confirmation is held again.
  void WithConfirmationRecorded(const std::function<void()>& more);
  // Before this connection reads its points.
  void RecordWritten() {
    if (written_.id != 0) WithConfirmationRecorded([] {});
  }
  std::int64_t StoredFormat();
  void CreateSchema();
  // From the tables of formats 1 and 2, the points renamed old_points, into today's.
  void MoveOlderPoints();
  std::vector<ChangedRun> RunsOf(std::int64_t id);
  Totals KeptTotals();
  // The hash of the ROM the newest kept point left; nothing before the first point.
  std::optional<std::int64_t> Tip();
  void AddToMeta(const std::string& key, std::int64_t value);
  // More points than one and more of them or their bytes than the limits allow.
  bool OverLimits();
  // False when the point was not pending under the token.
  bool MarkKept(std::int64_t id, std::int64_t token);
  std::int64_t BytesOf(std::int64_t id);
  std::int64_t HashOf(const Bytes& rom) const;
  std::int64_t IdOf(int number);
  // Pending under this connection's token; hash is that of the ROM the point leaves.
  std::int64_t InsertPoint(const std::string& words, const RomChange& change, std::int64_t time,
                           std::int64_t hash);
  void InsertKept(const std::string& words, const RomChange& change, std::int64_t time, std::int64_t hash);
  void SettlePending(const Bytes& rom);
  void RecordOutsideChange(const Bytes& romNow, std::int64_t nowHash, std::int64_t time);
  void FoldToLimits();
  std::int64_t Meta(const std::string& key, std::int64_t fallback);
  void SetMeta(const std::string& key, std::int64_t value);

  Connection db_;
  // This connection's mark on its pending points.
  std::int64_t token_;
  // The state this connection confirmed last and its hash: the next write usually finds the
  // ROM so, and comparing costs less than hashing.
  Bytes confirmedState_;
  std::int64_t confirmedHash_ = 0;
  // The pending point of the last Begin.
  Written began_;
  Written written_;
  // After db_, so that it stops before the connection closes.
  std::unique_ptr<WalCheckpointer> checkpointer_;
};

}  // namespace quelbrook::history
