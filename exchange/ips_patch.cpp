#include "ips_patch.h"

#include <algorithm>
#include <string>

namespace quelbrook {

namespace {
constexpr char kHeader[] = "PATCH";
constexpr char kFooter[] = "EOF";
constexpr std::size_t kHeaderLength = 5;
constexpr std::size_t kFooterLength = 3;
constexpr std::size_t kMaxRecordLength = 0xFFFF;
// A run record costs 8 bytes; shorter runs are cheaper as plain bytes.
constexpr std::size_t kMinRunLength = 9;
// A new record costs a 5-byte header, so shorter stretches of equal bytes stay inside one.
constexpr std::size_t kMaxGapInRecord = 4;

void PutBigEndian(Bytes& out, std::size_t value, int width) {
  for (int shift = 8 * (width - 1); shift >= 0; shift -= 8)
    out.push_back(static_cast<std::uint8_t>((value >> shift) & 0xFF));
}

class IpsWriter {
 public:
  explicit IpsWriter(const Bytes& modified) : modified_(modified) { out_.assign(kHeader, kHeader + 5); }

  // Records for modified[begin, end): runs where they pay, plain bytes elsewhere.
  void Cover(std::size_t begin, std::size_t end) {
    std::size_t p = begin;
    while (p < end) {
      const std::size_t run = RunLength(p, end);
      if (p != kIpsEofOffset && run >= kMinRunLength) {
        const std::size_t length = std::min(run, kMaxRecordLength);
        PutRun(p, length);
        p += length;
        continue;
      }
      // Starting one byte early rewrites that byte with its new value, which is harmless.
      const std::size_t start = p == kIpsEofOffset ? p - 1 : p;
      std::size_t q = p;
      do {
        ++q;
      } while (q < end && q - start < kMaxRecordLength &&
               (q == kIpsEofOffset || RunLength(q, end) < kMinRunLength));
      PutBytes(start, q);
      p = q;
    }
  }

  Bytes Finish(std::size_t originalSize) {
    out_.insert(out_.end(), kFooter, kFooter + kFooterLength);
    if (modified_.size() < originalSize) PutBigEndian(out_, modified_.size(), 3);
    return std::move(out_);
  }

 private:
  std::size_t RunLength(std::size_t from, std::size_t end) const {
    std::size_t to = from;
    while (to < end && modified_[to] == modified_[from]) ++to;
    return to - from;
  }
  void PutBytes(std::size_t begin, std::size_t end) {
    PutBigEndian(out_, begin, 3);
    PutBigEndian(out_, end - begin, 2);
    out_.insert(out_.end(), modified_.begin() + static_cast<long>(begin),
                modified_.begin() + static_cast<long>(end));
  }
  void PutRun(std::size_t begin, std::size_t length) {
    PutBigEndian(out_, begin, 3);
    PutBigEndian(out_, 0, 2);
    PutBigEndian(out_, length, 2);
    out_.push_back(modified_[begin]);
  }

  const Bytes& modified_;
  Bytes out_;
};

struct IpsRecord {
  std::size_t offset = 0;
  std::size_t length = 0;
  bool isRun = false;
  std::size_t dataAt = 0;  // where the bytes, or the run's one byte, lie in the patch
};

class IpsReader {
 public:
  explicit IpsReader(const Bytes& patch) : patch_(patch) {}

  // Reads every record; the error names what is wrong, empty when the patch is whole.
  std::string ReadAll() {
    if (patch_.size() < kHeaderLength || !std::equal(kHeader, kHeader + kHeaderLength, patch_.begin()))
      return "This is not an IPS patch: it does not begin with \"PATCH\"";
    std::size_t at = kHeaderLength;
    for (;;) {
      if (patch_.size() - at < kFooterLength) return CutShort();
      if (std::equal(kFooter, kFooter + kFooterLength, patch_.begin() + static_cast<long>(at))) break;
      IpsRecord record;
      if (patch_.size() - at < 5) return CutShort();
      record.offset = BigEndian(at, 3);
      record.length = BigEndian(at + 3, 2);
      at += 5;
      if (record.length == 0) {
        if (patch_.size() - at < 3) return CutShort();
        record.isRun = true;
        record.length = BigEndian(at, 2);
        record.dataAt = at + 2;
        at += 3;
        if (record.length == 0)
          return "The IPS patch is damaged: a run record at offset " + std::to_string(record.offset) +
                 " has no bytes";
      } else {
        if (patch_.size() - at < record.length) return CutShort();
        record.dataAt = at;
        at += record.length;
      }
      records_.push_back(record);
    }
    at += kFooterLength;
    const std::size_t rest = patch_.size() - at;
    if (rest == 3) {
      truncation_ = BigEndian(at, 3);
      hasTruncation_ = true;
    } else if (rest != 0) {
      return "The IPS patch is damaged: " + std::to_string(rest) + " stray bytes follow its \"EOF\" marker";
    }
    return "";
  }

  Bytes Apply(Bytes result) const {
    for (const auto& record : records_) {
      if (result.size() < record.offset + record.length) result.resize(record.offset + record.length, 0);
      auto target = result.begin() + static_cast<long>(record.offset);
      auto data = patch_.begin() + static_cast<long>(record.dataAt);
      if (record.isRun)
        std::fill_n(target, record.length, *data);
      else
        std::copy_n(data, record.length, target);
    }
    if (hasTruncation_) result.resize(truncation_, 0);
    return result;
  }

 private:
  static std::string CutShort() { return "The IPS patch is cut short: it ends inside a record"; }
  std::size_t BigEndian(std::size_t at, int width) const {
    std::size_t value = 0;
    for (int i = 0; i < width; ++i) value = (value << 8) | patch_[at + static_cast<std::size_t>(i)];
    return value;
  }

  const Bytes& patch_;
  std::vector<IpsRecord> records_;
  bool hasTruncation_ = false;
  std::size_t truncation_ = 0;
};
}  // namespace

ReadResult<Bytes> MakeIpsPatch(const Bytes& original, const Bytes& modified) {
  // A cut to exactly 16 MiB would need a fourth size byte as well.
  const bool cut = modified.size() < original.size();
  if (modified.size() > kIpsSizeLimit || (cut && modified.size() == kIpsSizeLimit))
    return FailedRead<Bytes>("An IPS patch cannot describe a file of " + std::to_string(modified.size()) +
                             " bytes: its offsets end at 16 MiB (16777216 bytes)");
  auto changed = [&](std::size_t i) { return i >= original.size() || original[i] != modified[i]; };
  IpsWriter writer(modified);
  std::size_t i = 0;
  while (i < modified.size()) {
    if (!changed(i)) {
      ++i;
      continue;
    }
    const std::size_t begin = i;
    std::size_t end = i + 1;  // one past the last changed byte
    for (std::size_t j = end; j < modified.size() && j - end <= kMaxGapInRecord; ++j)
      if (changed(j)) end = j + 1;
    writer.Cover(begin, end);
    i = end;
  }
  ReadResult<Bytes> result;
  result.values = writer.Finish(original.size());
  result.ok = true;
  return result;
}

ReadResult<Bytes> ApplyIpsPatch(const Bytes& original, const Bytes& patch) {
  IpsReader reader(patch);
  if (auto error = reader.ReadAll(); !error.empty()) return FailedRead<Bytes>(error);
  ReadResult<Bytes> result;
  result.values = reader.Apply(original);
  result.ok = true;
  return result;
}

}  // namespace quelbrook
