#include "sqlite_connection.h"

#include <chrono>
#include <thread>
#include <utility>

namespace quelbrook::history {

Connection::Connection(const std::string& path, int busyTimeoutMs, std::function<void()> onWait)
    : busyTimeoutMs_(busyTimeoutMs), onWait_(std::move(onWait)) {
  const int code = sqlite3_open_v2(path.c_str(), &db_, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
  if (code != SQLITE_OK) {
    const std::string reason = db_ ? sqlite3_errmsg(db_) : sqlite3_errstr(code);
    sqlite3_close(db_);
    db_ = nullptr;
    throw HistoryError(reason, code & 0xff);
  }
  sqlite3_extended_result_codes(db_, 0);
  sqlite3_busy_handler(db_, &Connection::OnBusy, this);
}

Connection::~Connection() { sqlite3_close_v2(db_); }

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

void Connection::Fail(int code) const {
  const int primary = code & 0xff;
  if (primary == SQLITE_BUSY || primary == SQLITE_LOCKED)
    throw HistoryError("another program kept it locked for " + std::to_string(busyTimeoutMs_ / 1000) + " s",
                       primary);
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
  sqlite3_stmt* statement = nullptr;
  const int code = sqlite3_prepare_v2(db_, sql.c_str(), -1, &statement, nullptr);
  if (code != SQLITE_OK) Fail(code);
  return Statement(*this, statement);
}

std::int64_t Connection::LastInsertId() const { return sqlite3_last_insert_rowid(db_); }

Statement::~Statement() { sqlite3_finalize(statement_); }

Statement::Statement(Statement&& other) noexcept
    : connection_(other.connection_), statement_(std::exchange(other.statement_, nullptr)) {}

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
  connection_.Execute("COMMIT");
  done_ = true;
}

}  // namespace quelbrook::history
