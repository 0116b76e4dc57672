#include "wal_checkpointer.h"

#include <memory>

namespace quelbrook::history {

WalCheckpointer::WalCheckpointer(Connection& writer, std::string path)
    : writer_(writer), path_(std::move(path)) {
  writer.OnCommitted([this](int frames) { AfterCommit(frames); });
}

void WalCheckpointer::AfterCommit(int frames) {
  // A log that starts afresh is short again.
  if (frames < kFramesBeforeCheckpoint) {
    copying_ = false;
    return;
  }
  if (!copying_) {
    // The last round's copy may be marked still: the log started afresh before the writer
    // came to look. This round waits for a copy of its own.
    copied_ = false;
    copying_ = true;
    Request();
  } else if (copied_.exchange(false)) {
    // A few frames, and syncs of little: the thread wrote and synced the rest.
    writer_.Checkpoint();
    copying_ = false;
  }
}

WalCheckpointer::~WalCheckpointer() {
  writer_.OnCommitted({});
  {
    std::lock_guard<std::mutex> lock(mutex_);
    stopping_ = true;
  }
  wake_.notify_one();
  if (thread_.joinable()) thread_.join();
}

void WalCheckpointer::Request() {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    requested_ = true;
    // Most histories never grow a log this long; they start no thread.
    if (!thread_.joinable()) thread_ = std::thread(&WalCheckpointer::Run, this);
  }
  wake_.notify_one();
}

void WalCheckpointer::Run() {
  std::unique_ptr<Connection> reader;
  std::unique_lock<std::mutex> lock(mutex_);
  for (;;) {
    wake_.wait(lock, [this] { return requested_ || stopping_; });
    if (stopping_) return;
    requested_ = false;
    lock.unlock();
    try {
      if (!reader) reader = std::make_unique<Connection>(path_, 0, nullptr);
      // Passive: it copies what no reader still needs and never makes the writer wait.
      reader->Checkpoint();
      copied_ = true;
    } catch (const HistoryError&) {
      // The log waits for the next request, or for the writer's closing.
    }
    lock.lock();
  }
}

}  // namespace quelbrook::history
