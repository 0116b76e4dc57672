#include "run_codec.h"

#include "sqlite_connection.h"

namespace quelbrook::history {

namespace {
constexpr std::size_t kWordBytes = 4;

void PutWord(Bytes& blob, std::size_t value) {
  for (std::size_t i = 0; i < kWordBytes; ++i) blob.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

[[noreturn]] void Torn() { throw HistoryError("a point's runs are torn", SQLITE_CORRUPT); }

class Reader {
 public:
  explicit Reader(const Bytes& blob) : blob_(blob) {}
  bool done() const { return at_ == blob_.size(); }
  std::size_t Word() {
    if (blob_.size() - at_ < kWordBytes) Torn();
    std::size_t value = 0;
    for (std::size_t i = 0; i < kWordBytes; ++i) value |= static_cast<std::size_t>(blob_[at_ + i]) << (8 * i);
    at_ += kWordBytes;
    return value;
  }
  Bytes Take(std::size_t count) {
    if (blob_.size() - at_ < count) Torn();
    Bytes bytes(blob_.begin() + static_cast<long>(at_), blob_.begin() + static_cast<long>(at_ + count));
    at_ += count;
    return bytes;
  }

 private:
  const Bytes& blob_;
  std::size_t at_ = 0;
};
}  // namespace

Bytes EncodeRuns(const std::vector<ChangedRun>& runs) {
  Bytes blob;
  for (const auto& run : runs) {
    PutWord(blob, static_cast<std::size_t>(run.offset));
    PutWord(blob, run.before.size());
    PutWord(blob, run.after.size());
    blob.insert(blob.end(), run.before.begin(), run.before.end());
    blob.insert(blob.end(), run.after.begin(), run.after.end());
  }
  return blob;
}

std::vector<ChangedRun> DecodeRuns(const Bytes& blob) {
  std::vector<ChangedRun> runs;
  Reader reader(blob);
  while (!reader.done()) {
    ChangedRun run;
    run.offset = static_cast<long>(reader.Word());
    const std::size_t beforeSize = reader.Word();
    const std::size_t afterSize = reader.Word();
    run.before = reader.Take(beforeSize);
    run.after = reader.Take(afterSize);
    runs.push_back(std::move(run));
  }
  return runs;
}

}  // namespace quelbrook::history
