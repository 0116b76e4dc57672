#pragma once
// A thin owner of one SQLite connection and its prepared statements; every failure
// becomes a HistoryError carrying SQLite's reason.

#include <sqlite3.h>

#include <cstdint>
#include <functional>
#include <stdexcept>
#include <string>
#include <unordered_map>
#include <vector>

namespace quelbrook::history {

class HistoryError : public std::runtime_error {
 public:
  HistoryError(const std::string& text, int code) : std::runtime_error(text), code_(code) {}
  int code() const { return code_; }  // SQLite's primary result code

 private:
  int code_;
};

class Statement;

class Connection {
 public:
  // Opens or creates the database; onWait runs once when another program holds the lock.
  // A file or folder this process may not write is opened for reading alone (readOnly()).
  // One thread at a time may use a connection.
  Connection(const std::string& path, int busyTimeoutMs, std::function<void()> onWait);
  ~Connection();
  Connection(const Connection&) = delete;
  Connection& operator=(const Connection&) = delete;

  bool readOnly() const;
  // Goes on with a copy of the database in memory, which may be changed and is never
  // written back; readOnly() stays true.
  void CopyIntoMemory();
  // How long a lock held by another program is waited for from now on; 0 fails at once.
  void SetBusyTimeout(int milliseconds) { busyTimeoutMs_ = milliseconds; }
  void Execute(const std::string& sql);
  void ExecuteQuietly(const std::string& sql) noexcept;
  // Prepared once per connection and kept: a save runs the same few statements each time.
  // A statement still in use when asked for again is prepared afresh for the second user.
  Statement Prepare(const std::string& sql);
  std::int64_t LastInsertId() const;
  // Rows the last statement changed.
  int Changes() const { return sqlite3_changes(db_); }
  [[noreturn]] void Fail(int code) const;
  // Runs after each commit with the number of frames then in the write-ahead log, instead of
  // SQLite's own checkpoint; none unhooks it.
  void OnCommitted(std::function<void(int frames)> committed);
  // Copies the log back as far as no reader needs it, without waiting for anyone.
  void Checkpoint() noexcept;

 private:
  struct Kept {
    sqlite3_stmt* statement = nullptr;
    bool inUse = false;
  };
  // SQLite's code for the first read through this way of opening.
  int Open(const std::string& name, int flags);
  static int OnBusy(void* self, int attempts);
  static int OnWalCommit(void* self, sqlite3*, const char*, int frames);

  sqlite3* db_ = nullptr;
  int busyTimeoutMs_;
  std::function<void()> onWait_;
  bool waitTold_ = false;
  bool copiedIntoMemory_ = false;
  std::function<void(int)> committed_;
  std::unordered_map<std::string, Kept> kept_;
};

class Statement {
 public:
  // inUse is the kept statement's mark, cleared when this user is done; null for one of its own.
  Statement(Connection& connection, sqlite3_stmt* statement, bool* inUse = nullptr)
      : connection_(&connection), statement_(statement), inUse_(inUse) {}
  ~Statement();
  Statement(Statement&& other) noexcept;
  Statement(const Statement&) = delete;
  Statement& operator=(const Statement&) = delete;
  Statement& operator=(Statement&&) = delete;

  Statement& Bind(int index, std::int64_t value);
  Statement& Bind(int index, const std::string& text);
  Statement& Bind(int index, const std::vector<std::uint8_t>& blob);
  // True while a row is there to read.
  bool Step();
  // Runs a statement that returns no rows.
  void Run();
  // Makes the statement ready to run again with new values.
  void Reset();
  bool IsNull(int column) const;
  std::int64_t Integer(int column) const;
  std::string Text(int column) const;
  std::vector<std::uint8_t> Blob(int column) const;

 private:
  Connection* connection_;
  sqlite3_stmt* statement_;
  bool* inUse_;
};

// One transaction: committed by Commit, rolled back if left by an exception.
class Transaction {
 public:
  // IMMEDIATE takes the write lock at once, so a reader never turns writer mid-way.
  explicit Transaction(Connection& connection) : connection_(connection) {
    connection_.Prepare("BEGIN IMMEDIATE").Run();
  }
  ~Transaction();
  Transaction(const Transaction&) = delete;
  Transaction& operator=(const Transaction&) = delete;
  void Commit();

 private:
  Connection& connection_;
  bool done_ = false;
};

}  // namespace quelbrook::history
