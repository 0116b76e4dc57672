#pragma once
// Copies a history's write-ahead log back into its database on a thread of its own, with a
// connection of its own, so that a save does not wait for a checkpoint's copy and syncs.

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>

#include "sqlite_connection.h"

namespace quelbrook::history {

class WalCheckpointer {
 public:
  // SQLite's own threshold for a checkpoint after a commit.
  static constexpr int kFramesBeforeCheckpoint = 1000;

  // Takes the checkpoints of `writer`'s commits over from SQLite.
  WalCheckpointer(Connection& writer, std::string path);
  // Waits for a checkpoint under way, so that the writer's connection closes last and
  // leaves no log behind.
  ~WalCheckpointer();
  WalCheckpointer(const WalCheckpointer&) = delete;
  WalCheckpointer& operator=(const WalCheckpointer&) = delete;

 private:
  void AfterCommit(int frames);
  void Request();
  void Run();

  Connection& writer_;
  std::string path_;
  // Set once a copy asked for is done: the writer then copies the frames it added meanwhile
  // itself, so that its next transaction finds the log all copied and starts it afresh.
  std::atomic<bool> copied_{false};
  bool copying_ = false;
  std::mutex mutex_;
  std::condition_variable wake_;
  bool requested_ = false;
  bool stopping_ = false;
  std::thread thread_;
};

}  // namespace quelbrook::history
