#include "sqlite_connection.h"

#include <unistd.h>

#include <cctype>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <thread>
#include <utility>

namespace quelbrook::history {

namespace {
// The path as an SQLite URI, so that options can follow it.
std::string UriOf(const std::string& path) {
  std::string uri = "file:";
  for (unsigned char c : path) {
    if (std::isalnum(c) || std::strchr("/._-~", c)) {
      uri += static_cast<char>(c);
    } else {
      char escaped[4];
      std::snprintf(escaped, sizeof escaped, "%%%02X", c);
      uri += escaped;
    }
  }
  return uri;
}

bool MayNotWrite(int code) {
  const int primary = code & 0xff;
  return primary == SQLITE_READONLY || primary == SQLITE_CANTOPEN || primary == SQLITE_PERM;
}
}  // namespace

Connection::Connection(const std::string& path, int busyTimeoutMs, std::function<void()> onWait)
    : busyTimeoutMs_(busyTimeoutMs), onWait_(std::move(onWait)) {
  // SQLite opens a write-protected file for reading by itself, but in a write-protected folder
  // a reader cannot make the shared-memory file either; the database is then read as one that
  // nobody writes, which holds there as long as no write-ahead log was left beside it.
  const std::string readOnly = UriOf(path) + "?mode=ro";
  const bool logLeft = ::access((path + "-wal").c_str(), F_OK) == 0;
  const std::pair<std::string, int> ways[] = {
      {path, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE},
      {readOnly, SQLITE_OPEN_READONLY | SQLITE_OPEN_URI},
      {logLeft ? readOnly : readOnly + "&immutable=1", SQLITE_OPEN_READONLY | SQLITE_OPEN_URI},
  };
  int firstCode = SQLITE_OK;
  std::string firstReason;
  for (const auto& [name, flags] : ways) {
    const int code = Open(name, flags);
    if (code == SQLITE_OK) return;
    if (firstCode == SQLITE_OK) {
      firstCode = code;
      firstReason = db_ ? sqlite3_errmsg(db_) : sqlite3_errstr(code);
    }
    sqlite3_close(db_);
    db_ = nullptr;
    if (!MayNotWrite(code)) break;
  }
  throw HistoryError(firstReason, firstCode & 0xff);
}

int Connection::Open(const std::string& name, int flags) {
  // A connection serves one thread at a time, so SQLite need not lock it at every call.
  int code = sqlite3_open_v2(name.c_str(), &db_, flags | SQLITE_OPEN_NOMUTEX, nullptr);
  if (code != SQLITE_OK) return code;
  sqlite3_extended_result_codes(db_, 0);
  sqlite3_busy_handler(db_, &Connection::OnBusy, this);
  // Opening reads nothing: the first read is what finds a folder it cannot use.
  code = sqlite3_exec(db_, "SELECT count(*) FROM sqlite_master", nullptr, nullptr, nullptr);
  return code;
}

Connection::~Connection() {
  for (auto& [sql, kept] : kept_) sqlite3_finalize(kept.statement);
  sqlite3_close_v2(db_);
}

bool Connection::readOnly() const { return copiedIntoMemory_ || sqlite3_db_readonly(db_, "main") == 1; }

void Connection::CopyIntoMemory() {
  sqlite3* memory = nullptr;
  int code = sqlite3_open_v2(":memory:", &memory, SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX, nullptr);
  if (code == SQLITE_OK) {
    sqlite3_backup* backup = sqlite3_backup_init(memory, "main", db_, "main");
    code = backup ? sqlite3_backup_step(backup, -1) : sqlite3_errcode(memory);
    const int finished = sqlite3_backup_finish(backup);
    if (code == SQLITE_DONE) code = finished;
  }
  if (code != SQLITE_OK) {
    sqlite3_close(memory);
    Fail(code);
  }
  for (auto& [sql, kept] : kept_) sqlite3_finalize(kept.statement);
  kept_.clear();
  sqlite3_close_v2(db_);
  db_ = memory;
  copiedIntoMemory_ = true;
}

int Connection::OnBusy(void* self, int attempts) {
  auto* connection = static_cast<Connection*>(self);
  constexpr int kStepMs = 20;
  if (attempts * kStepMs >= connection->busyTimeoutMs_) return 0;
  if (!connection->waitTold_ && connection->onWait_) {
    connection->waitTold_ = true;
    connection->onWait_();
  }
  std::this_thread::sleep_for(std::chrono::milliseconds(kStepMs));
  return 1;
}

void Connection::OnCommitted(std::function<void(int frames)> committed) {
  committed_ = std::move(committed);
  sqlite3_wal_hook(db_, committed_ ? &Connection::OnWalCommit : nullptr, this);
}

int Connection::OnWalCommit(void* self, sqlite3*, const char*, int frames) {
  static_cast<Connection*>(self)->committed_(frames);
  return SQLITE_OK;
}

void Connection::Checkpoint() noexcept {
  sqlite3_wal_checkpoint_v2(db_, nullptr, SQLITE_CHECKPOINT_PASSIVE, nullptr, nullptr);
}

void Connection::Fail(int code) const {
  const int primary = code & 0xff;
  if (primary == SQLITE_BUSY || primary == SQLITE_LOCKED)
    throw HistoryError(busyTimeoutMs_ > 0 ? "another program kept it locked for " +
                                                std::to_string(busyTimeoutMs_ / 1000) + " s"
                                          : "another program keeps it locked",
                       primary);
  if (primary == SQLITE_READONLY) throw HistoryError("the file or its folder is read-only", primary);
  throw HistoryError(sqlite3_errmsg(db_), primary);
}

void Connection::Execute(const std::string& sql) {
  const int code = sqlite3_exec(db_, sql.c_str(), nullptr, nullptr, nullptr);
  if (code != SQLITE_OK) Fail(code);
}

void Connection::ExecuteQuietly(const std::string& sql) noexcept {
  sqlite3_exec(db_, sql.c_str(), nullptr, nullptr, nullptr);
}

Statement Connection::Prepare(const std::string& sql) {
  Kept& kept = kept_[sql];
  if (!kept.inUse) {
    if (!kept.statement) {
      const int code =
          sqlite3_prepare_v3(db_, sql.c_str(), -1, SQLITE_PREPARE_PERSISTENT, &kept.statement, nullptr);
      if (code != SQLITE_OK) {
        kept_.erase(sql);
        Fail(code);
      }
    }
    kept.inUse = true;
    return Statement(*this, kept.statement, &kept.inUse);
  }
  sqlite3_stmt* statement = nullptr;
  const int code = sqlite3_prepare_v2(db_, sql.c_str(), -1, &statement, nullptr);
  if (code != SQLITE_OK) Fail(code);
  return Statement(*this, statement);
}

std::int64_t Connection::LastInsertId() const { return sqlite3_last_insert_rowid(db_); }

Statement::~Statement() {
  if (!inUse_) {
    sqlite3_finalize(statement_);
    return;
  }
  // Kept for the next user: reset, so that it holds no read of the database meanwhile.
  Reset();
  *inUse_ = false;
}

Statement::Statement(Statement&& other) noexcept
    : connection_(other.connection_),
      statement_(std::exchange(other.statement_, nullptr)),
      inUse_(std::exchange(other.inUse_, nullptr)) {}

Statement& Statement::Bind(int index, std::int64_t value) {
  if (const int code = sqlite3_bind_int64(statement_, index, value); code != SQLITE_OK)
    connection_->Fail(code);
  return *this;
}

Statement& Statement::Bind(int index, const std::string& text) {
  const int code =
      sqlite3_bind_text(statement_, index, text.data(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
  if (code != SQLITE_OK) connection_->Fail(code);
  return *this;
}

Statement& Statement::Bind(int index, const std::vector<std::uint8_t>& blob) {
  // A zero-length blob stays a blob rather than NULL.
  const int code =
      sqlite3_bind_blob(statement_, index, blob.empty() ? "" : static_cast<const void*>(blob.data()),
                        static_cast<int>(blob.size()), SQLITE_TRANSIENT);
  if (code != SQLITE_OK) connection_->Fail(code);
  return *this;
}

bool Statement::Step() {
  const int code = sqlite3_step(statement_);
  if (code == SQLITE_ROW) return true;
  if (code == SQLITE_DONE) return false;
  connection_->Fail(code);
}

void Statement::Run() {
  while (Step()) {
  }
}

void Statement::Reset() {
  sqlite3_reset(statement_);
  sqlite3_clear_bindings(statement_);
}

bool Statement::IsNull(int column) const { return sqlite3_column_type(statement_, column) == SQLITE_NULL; }

std::int64_t Statement::Integer(int column) const { return sqlite3_column_int64(statement_, column); }

std::string Statement::Text(int column) const {
  const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement_, column));
  return text ? std::string(text, static_cast<std::size_t>(sqlite3_column_bytes(statement_, column)))
              : std::string();
}

std::vector<std::uint8_t> Statement::Blob(int column) const {
  const auto* data = static_cast<const std::uint8_t*>(sqlite3_column_blob(statement_, column));
  const auto size = static_cast<std::size_t>(sqlite3_column_bytes(statement_, column));
  return data ? std::vector<std::uint8_t>(data, data + size) : std::vector<std::uint8_t>();
}

Transaction::~Transaction() {
  // A failed rollback leaves the transaction to SQLite, which rolls it back on close.
  if (!done_) connection_.ExecuteQuietly("ROLLBACK");
}

void Transaction::Commit() {
  connection_.Prepare("COMMIT").Run();
  done_ = true;
}

}  // namespace quelbrook::history
