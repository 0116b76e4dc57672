#include "rom_history.h"

#include <algorithm>
#include <random>
#include <utility>

#include "run_codec.h"

namespace quelbrook::history {

namespace {
constexpr std::int64_t kFormat = 3;
const char* const kFirstPointWords = "The ROM before the first write";
const char* const kFoldedPointWords = "The ROM as the oldest points left it";

std::string ScreenList(const std::vector<int>& screens) {
  std::string text;
  for (int screen : screens) text += (text.empty() ? "" : ",") + std::to_string(screen);
  return text;
}

std::vector<int> ParseScreenList(const std::string& text) {
  std::vector<int> screens;
  int value = -1;
  for (char c : text) {
    if (c >= '0' && c <= '9') {
      value = (value < 0 ? 0 : value * 10) + (c - '0');
    } else if (value >= 0) {
      screens.push_back(value);
      value = -1;
    }
  }
  if (value >= 0) screens.push_back(value);
  return screens;
}

// Marks this connection's pending points; never 0, which marks a kept point.
std::int64_t WriterToken() {
  std::random_device random;
  const auto high = static_cast<std::uint64_t>(random()) << 30;
  return static_cast<std::int64_t>((high ^ random()) | 2);
}

// Another program's changes leave most of the ROM as it was; another ROM shares little.
bool LooksLikeAnotherRom(const Bytes& last, const Bytes& now) {
  const std::size_t common = std::min(last.size(), now.size());
  std::size_t equal = 0;
  for (std::size_t i = 0; i < common; ++i) equal += last[i] == now[i];
  return equal * 2 < std::max(last.size(), now.size());
}
}  // namespace

RomHistory::RomHistory(const std::string& historyPath, std::function<void()> onWait, int busyTimeoutMs)
    : db_(historyPath, busyTimeoutMs, std::move(onWait)), token_(WriterToken()) {
  CreateSchema();
  if (!db_.readOnly()) checkpointer_ = std::make_unique<WalCheckpointer>(db_, historyPath);
}

RomHistory::~RomHistory() {
  try {
    RecordWritten();
  } catch (const std::exception&) {
    // The point stays pending: the next opening finds its bytes in the ROM and keeps it.
  }
}

void RomHistory::WithConfirmationRecorded(const std::function<void()>& more) {
  // Taken out first: the reads within see the points as this transaction leaves them.
  const Written written = std::exchange(written_, {});
  try {
    Transaction transaction(db_);
    if (written.id != 0 && MarkKept(written.id, token_)) FoldToLimits();
    more();
    transaction.Commit();
  } catch (const HistoryError&) {
    written_ = written;
    throw;
  }
}

std::int64_t RomHistory::StoredFormat() {
  auto others = db_.Prepare(
      "SELECT count(*) FROM sqlite_master WHERE name NOT IN "
      "('meta', 'points', 'runs', 'runs_of_point', 'kept_points') AND name NOT LIKE 'sqlite!_%' ESCAPE '!'");
  others.Step();
  if (others.Integer(0) > 0) throw HistoryError("it is a database of another program", kForeignHistory);
  auto meta = db_.Prepare("SELECT count(*) FROM sqlite_master WHERE name = 'meta'");
  meta.Step();
  return meta.Integer(0) > 0 ? Meta("format", 0) : 0;
}

void RomHistory::CreateSchema() {
  // WAL commits without waiting for the disk (synchronous=NORMAL syncs only at checkpoints).
  // A power cut may then lose the newest commits but never leaves a torn database; a point
  // whose record or confirmation was lost is gone or pending, and the next write settles it
  // against the ROM or notes the ROM's state as an outside change, so history and ROM agree.
  // The ROM's own unsynced bytes may be lost the same way: the last point then differs from
  // the ROM, and the outside change brings the history back to it.
  // The setting is the connection's own, so it is made at every opening.
  db_.Execute("PRAGMA synchronous=NORMAL");
  const std::int64_t format = StoredFormat();
  if (format > kFormat) throw HistoryError("a newer version of the editor wrote it", kForeignHistory);
  // A history that is up to date is opened without a write, so that listing it never waits
  // for another program's write and works where it cannot be written.
  if (format == kFormat) return;
  if (db_.readOnly()) {
    if (format == 0) throw HistoryError("it holds no restore points and may not be written", SQLITE_READONLY);
    // An older history that may not be written is read from an up-to-date copy in memory.
    db_.CopyIntoMemory();
  }
  db_.Execute("PRAGMA journal_mode=WAL");
  Transaction transaction(db_);
  if (format > 0) db_.Execute("ALTER TABLE points RENAME TO old_points");
  db_.Execute(
      "CREATE TABLE IF NOT EXISTS meta(key TEXT PRIMARY KEY, value INTEGER NOT NULL);"
      // A save writes one row, and the page it lies on is all its commit holds:
      // - without AUTOINCREMENT, since sqlite_sequence was a page more. An id may then come
      //   back after the newest point was dropped, so a pending point is marked with its
      //   writer's token rather than 1: a confirmation held for a point that another program
      //   dropped never confirms the next one;
      // - hash is that of the ROM the point leaves, total_points and total_bytes run over the
      //   kept points up to this one: the newest kept point tells a save the ROM's last state
      //   and the history's size, which meta held before;
      // - runs holds the bytes it changed (run_codec.h), which a table of their own held.
      "CREATE TABLE IF NOT EXISTS points(id INTEGER PRIMARY KEY, time INTEGER NOT NULL,"
      " words TEXT NOT NULL, regions TEXT NOT NULL, screens TEXT NOT NULL, size_before INTEGER NOT NULL,"
      " size_after INTEGER NOT NULL, bytes INTEGER NOT NULL, pending INTEGER NOT NULL, hash INTEGER NOT NULL,"
      " total_points INTEGER NOT NULL, total_bytes INTEGER NOT NULL, runs BLOB NOT NULL)");
  if (format > 0) MoveOlderPoints();
  SetMeta("format", kFormat);
  transaction.Commit();
}

void RomHistory::MoveOlderPoints() {
  db_.Execute(
      "INSERT INTO points SELECT id, time, words, regions, screens, size_before, size_after, bytes, pending, "
      "0,"
      " iif(pending = 0, sum(pending = 0) OVER running, 0),"
      " iif(pending = 0, sum(iif(pending = 0, bytes, 0)) OVER running, 0), x''"
      " FROM old_points WINDOW running AS (ORDER BY id);"
      "UPDATE points SET hash = coalesce((SELECT value FROM meta WHERE key = 'tip'), 0)"
      " WHERE id = (SELECT id FROM points WHERE pending = 0 ORDER BY id DESC LIMIT 1)");
  // Runs whose point was gone, as a missing cascade left them, stay behind.
  auto runs = db_.Prepare(
      "SELECT point, offset, before, after FROM runs WHERE point IN (SELECT id FROM old_points)"
      " ORDER BY point, offset");
  auto store = db_.Prepare("UPDATE points SET runs = ? WHERE id = ?");
  std::int64_t point = 0;
  std::vector<ChangedRun> ofPoint;
  const auto storePoint = [&] {
    if (ofPoint.empty()) return;
    store.Bind(1, EncodeRuns(ofPoint)).Bind(2, point).Run();
    store.Reset();
    ofPoint.clear();
  };
  while (runs.Step()) {
    if (runs.Integer(0) != point) {
      storePoint();
      point = runs.Integer(0);
    }
    ofPoint.push_back({static_cast<long>(runs.Integer(1)), runs.Blob(2), runs.Blob(3)});
  }
  storePoint();
  runs.Reset();
  db_.Execute(
      "DROP TABLE runs; DROP TABLE old_points;"
      "DELETE FROM meta WHERE key IN ('tip', 'kept_points', 'kept_bytes')");
}

namespace {
// The kept totals, and the limits, as the newest kept point's running totals less those folded
// away; no row when nothing is kept.
const char* const kTotalsAndLimits =
    "SELECT total_points - coalesce((SELECT value FROM meta WHERE key = 'folded_points'), 0),"
    " total_bytes - coalesce((SELECT value FROM meta WHERE key = 'folded_bytes'), 0),"
    " (SELECT value FROM meta WHERE key = 'limit_points'), (SELECT value FROM meta WHERE key = 'limit_bytes')"
    " FROM points WHERE pending = 0 ORDER BY id DESC LIMIT 1";
}  // namespace

RomHistory::Totals RomHistory::KeptTotals() {
  auto query = db_.Prepare(kTotalsAndLimits);
  return query.Step() ? Totals{query.Integer(0), query.Integer(1)} : Totals{};
}

bool RomHistory::OverLimits() {
  // Every save asks: one statement answers.
  auto query = db_.Prepare(kTotalsAndLimits);
  if (!query.Step()) return false;
  const Limits defaults;
  const Limits allowed{query.IsNull(2) ? defaults.points : query.Integer(2),
                       query.IsNull(3) ? defaults.bytes : query.Integer(3)};
  const std::int64_t points = query.Integer(0);
  return points > 1 && (points > allowed.points || query.Integer(1) > allowed.bytes);
}

std::optional<std::int64_t> RomHistory::Tip() {
  auto query = db_.Prepare("SELECT hash FROM points WHERE pending = 0 ORDER BY id DESC LIMIT 1");
  if (!query.Step()) return std::nullopt;
  return query.Integer(0);
}

void RomHistory::AddToMeta(const std::string& key, std::int64_t value) {
  db_.Prepare(
         "INSERT INTO meta(key, value) VALUES(?, ?) ON CONFLICT(key) DO UPDATE SET value = value + "
         "excluded.value")
      .Bind(1, key)
      .Bind(2, value)
      .Run();
}

std::int64_t RomHistory::Meta(const std::string& key, std::int64_t fallback) {
  auto query = db_.Prepare("SELECT value FROM meta WHERE key = ?");
  query.Bind(1, key);
  return query.Step() ? query.Integer(0) : fallback;
}

void RomHistory::SetMeta(const std::string& key, std::int64_t value) {
  // Updated in place: a replacement would move the row and rewrite its key's index as well.
  db_.Prepare(
         "INSERT INTO meta(key, value) VALUES(?, ?) ON CONFLICT(key) DO UPDATE SET value = excluded.value")
      .Bind(1, key)
      .Bind(2, value)
      .Run();
}

std::int64_t RomHistory::InsertPoint(const std::string& words, const RomChange& change, std::int64_t time,
                                     std::int64_t hash) {
  db_.Prepare(
         "INSERT INTO points(time, words, regions, screens, size_before, size_after, bytes, pending, hash,"
         " total_points, total_bytes, runs) VALUES(?, ?, ?, ?, ?, ?, ?, ?, ?, 0, 0, ?)")
      .Bind(1, time)
      .Bind(2, words)
      .Bind(3, DescribeRegions(change))
      .Bind(4, ScreenList(ChangedScreens(change)))
      .Bind(5, change.sizeBefore)
      .Bind(6, change.sizeAfter)
      .Bind(7, KeptBytes(change))
      .Bind(8, token_)
      .Bind(9, hash)
      .Bind(10, EncodeRuns(change.runs))
      .Run();
  return db_.LastInsertId();
}

void RomHistory::InsertKept(const std::string& words, const RomChange& change, std::int64_t time,
                            std::int64_t hash) {
  MarkKept(InsertPoint(words, change, time, hash), token_);
}

void RomHistory::SettlePending(const Bytes& rom) {
  // Every write settles the points left before it first, so pending points only ever follow
  // the kept ones: they are found from the newest back, without a look at the others.
  auto newest = db_.Prepare("SELECT id, size_after, pending FROM points ORDER BY id DESC");
  struct Pending {
    std::int64_t id, sizeAfter, token;
  };
  std::vector<Pending> points;
  while (newest.Step() && newest.Integer(2) != 0)
    points.insert(points.begin(), {newest.Integer(0), newest.Integer(1), newest.Integer(2)});
  newest.Reset();
  for (const auto& [id, sizeAfter, token] : points) {
    bool written = sizeAfter == static_cast<std::int64_t>(rom.size());
    for (const auto& run : RunsOf(id)) {
      const auto offset = static_cast<std::size_t>(run.offset);
      written = written && offset + run.after.size() <= rom.size() &&
                std::equal(run.after.begin(), run.after.end(), rom.begin() + run.offset);
    }
    if (written) {
      MarkKept(id, token);
    } else {
      db_.Prepare("DELETE FROM points WHERE id = ?").Bind(1, id).Run();
    }
  }
}

void RomHistory::Recover(const Bytes& rom) {
  WithConfirmationRecorded([&] { SettlePending(rom); });
}

bool RomHistory::EndsPending() {
  auto newest = db_.Prepare("SELECT pending FROM points ORDER BY id DESC LIMIT 1");
  return newest.Step() && newest.Integer(0) != 0;
}

void RomHistory::RequireRomOfThisHistory(const Bytes& rom) {
  RecordWritten();
  if (Tip() == StateHash(rom)) return;
  if (LooksLikeAnotherRom(StateAfter(Count()), rom))
    throw HistoryError("it was made for another ROM", kForeignHistory);
}

void RomHistory::RecordOutsideChange(const Bytes& romNow, std::int64_t nowHash, std::int64_t time) {
  const Bytes last = StateAfter(Count());
  if (last == romNow) {
    // The same state under an older hash, as an older history keeps it.
    db_.Prepare(
           "UPDATE points SET hash = ? WHERE id = (SELECT id FROM points WHERE pending = 0"
           " ORDER BY id DESC LIMIT 1)")
        .Bind(1, nowHash)
        .Run();
    return;
  }
  RequireRomOfThisHistory(romNow);
  InsertKept(kOutsideChangeWords, Difference(last, romNow), time, nowHash);
}

std::int64_t RomHistory::Begin(const Bytes& romNow, const Bytes& romAfter, const std::string& words,
                               std::int64_t time) {
  if (db_.readOnly()) db_.Fail(SQLITE_READONLY);
  const std::int64_t nowHash = HashOf(romNow);
  const RomChange change = Difference(romNow, romAfter);
  const std::int64_t afterHash = StateHashAfter(nowHash, romNow, romAfter, change);
  std::int64_t id = 0;
  WithConfirmationRecorded([&] {
    SettlePending(romNow);
    const auto tip = Tip();
    if (!tip)
      InsertKept(kFirstPointWords, Difference({}, romNow), time, nowHash);
    else if (*tip != nowHash)
      RecordOutsideChange(romNow, nowHash, time);
    if (!change.empty()) id = InsertPoint(words, change, time, afterHash);
  });
  began_ = {id, afterHash};
  return id;
}

std::int64_t RomHistory::HashOf(const Bytes& rom) const {
  return rom == confirmedState_ && !rom.empty() ? confirmedHash_ : StateHash(rom);
}

Bytes RomHistory::Confirm(std::int64_t id, Bytes romAfter) {
  // Only the point of the last Begin can be the one written.
  if (id == 0 || id != began_.id) return romAfter;
  written_ = began_;
  confirmedHash_ = began_.hash;
  std::swap(confirmedState_, romAfter);
  return romAfter;
}

bool RomHistory::MarkKept(std::int64_t id, std::int64_t token) {
  // Without RETURNING: with it, SQLite keeps a statement journal for the update, which cost
  // a third of a save. The running totals go on from the kept point before it.
  db_.Prepare(
         "UPDATE points SET pending = 0, total_points = 1 + coalesce((SELECT total_points FROM points"
         " WHERE pending = 0 AND id < ?1 ORDER BY id DESC LIMIT 1), 0), total_bytes = bytes + coalesce(("
         "SELECT total_bytes FROM points WHERE pending = 0 AND id < ?1 ORDER BY id DESC LIMIT 1), 0)"
         " WHERE id = ?1 AND pending = ?2")
      .Bind(1, id)
      .Bind(2, token)
      .Run();
  return db_.Changes() > 0;
}

void RomHistory::Drop(std::int64_t id) noexcept {
  try {
    db_.Prepare("DELETE FROM points WHERE id = ? AND pending = ?").Bind(1, id).Bind(2, token_).Run();
  } catch (const HistoryError&) {
    // Left pending, the point is dropped by the next write, which finds its bytes absent.
  }
}

void RomHistory::FoldToLimits() {
  while (OverLimits()) {
    // The second point goes into the first, which then holds the state after both.
    const Bytes state = StateAfter(2);
    const std::int64_t first = IdOf(1);
    const std::int64_t second = IdOf(2);
    const PointSummary folded = Summary(2);
    const std::int64_t foldedBytes = BytesOf(first) + BytesOf(second);
    const RomChange whole = Difference({}, state);
    // The first point takes the second's place in the running totals and its state's hash;
    // the later points' totals stay as they are, less what the folding saved.
    db_.Prepare(
           "UPDATE points SET (time, words, regions, screens, size_after, bytes, runs, hash, total_points, "
           "total_bytes) = (SELECT ?, ?, ?, '', ?, ?, ?, hash, total_points, total_bytes FROM points WHERE "
           "id = ?)"
           " WHERE id = ?")
        .Bind(1, folded.time)
        .Bind(2, std::string(kFoldedPointWords))
        .Bind(3, DescribeRegions(whole))
        .Bind(4, whole.sizeAfter)
        .Bind(5, KeptBytes(whole))
        .Bind(6, EncodeRuns(whole.runs))
        .Bind(7, second)
        .Bind(8, first)
        .Run();
    db_.Prepare("DELETE FROM points WHERE id = ?").Bind(1, second).Run();
    AddToMeta("folded_points", 1);
    AddToMeta("folded_bytes", foldedBytes - KeptBytes(whole));
  }
}

std::int64_t RomHistory::BytesOf(std::int64_t id) {
  auto query = db_.Prepare("SELECT bytes FROM points WHERE id = ?");
  query.Bind(1, id);
  return query.Step() ? query.Integer(0) : 0;
}

int RomHistory::Count() {
  RecordWritten();
  return static_cast<int>(KeptTotals().points);
}

std::int64_t RomHistory::IdOf(int number) {
  RecordWritten();
  auto query = db_.Prepare("SELECT id FROM points WHERE pending = 0 ORDER BY id LIMIT 1 OFFSET ?");
  query.Bind(1, static_cast<std::int64_t>(number) - 1);
  if (number < 1 || !query.Step())
    throw HistoryError(
        "there is no point " + std::to_string(number) + "; the history holds " + std::to_string(Count()),
        SQLITE_NOTFOUND);
  return query.Integer(0);
}

std::vector<PointSummary> RomHistory::List() {
  RecordWritten();
  std::vector<PointSummary> points;
  // Growing a list of thousands moves every point again at each step.
  points.reserve(static_cast<std::size_t>(Count()));
  auto query = db_.Prepare("SELECT time, words, regions FROM points WHERE pending = 0 ORDER BY id");
  while (query.Step())
    points.push_back({static_cast<int>(points.size()) + 1, query.Integer(0), query.Text(1), query.Text(2)});
  return points;
}

PointSummary RomHistory::Summary(int number) {
  auto query = db_.Prepare("SELECT time, words, regions FROM points WHERE id = ?");
  query.Bind(1, IdOf(number));
  query.Step();
  return {number, query.Integer(0), query.Text(1), query.Text(2)};
}

std::vector<int> RomHistory::ScreensOf(int number) {
  auto query = db_.Prepare("SELECT screens FROM points WHERE id = ?");
  query.Bind(1, IdOf(number));
  query.Step();
  return ParseScreenList(query.Text(0));
}

std::vector<ChangedRun> RomHistory::RunsOf(std::int64_t id) {
  auto query = db_.Prepare("SELECT runs FROM points WHERE id = ?");
  query.Bind(1, id);
  return query.Step() ? DecodeRuns(query.Blob(0)) : std::vector<ChangedRun>();
}

RomChange RomHistory::ChangeOf(int number) {
  const std::int64_t id = IdOf(number);
  auto point = db_.Prepare("SELECT size_before, size_after, runs FROM points WHERE id = ?");
  point.Bind(1, id);
  point.Step();
  return {static_cast<long>(point.Integer(0)), static_cast<long>(point.Integer(1)),
          DecodeRuns(point.Blob(2))};
}

Bytes RomHistory::StateAfter(int number) {
  const std::int64_t last = IdOf(number);
  Bytes image;
  auto points = db_.Prepare("SELECT size_after, runs FROM points WHERE pending = 0 AND id <= ? ORDER BY id");
  points.Bind(1, last);
  while (points.Step()) {
    image.resize(static_cast<std::size_t>(points.Integer(0)));
    for (const auto& run : DecodeRuns(points.Blob(1))) {
      if (static_cast<std::size_t>(run.offset) + run.after.size() > image.size())
        throw HistoryError("a point's bytes lie beyond its ROM", SQLITE_CORRUPT);
      std::copy(run.after.begin(), run.after.end(), image.begin() + run.offset);
    }
  }
  return image;
}

Limits RomHistory::limits() {
  const Limits defaults;
  return {Meta("limit_points", defaults.points), Meta("limit_bytes", defaults.bytes)};
}

void RomHistory::SetLimits(const Limits& limits) {
  WithConfirmationRecorded([&] {
    SetMeta("limit_points", limits.points);
    SetMeta("limit_bytes", limits.bytes);
    FoldToLimits();
  });
}

}  // namespace quelbrook::history
