#include "bps_patch.h"

#include <zlib.h>

#include <algorithm>
#include <cstdio>

namespace quelbrook {

namespace {
constexpr char kMagic[] = "BPS1";
constexpr std::size_t kMagicLength = 4;
constexpr std::size_t kChecksumsLength = 12;  // source, target and patch CRC-32
// Runs shorter than this are cheaper inside a TargetRead than as actions of their own.
constexpr std::size_t kMinSourceRun = 2;
constexpr std::size_t kMinRepeatRun = 4;
// Far above any cartridge image; a larger announced result is a damaged patch, not a ROM.
constexpr std::uint64_t kMaxTargetSize = std::uint64_t{1} << 28;

enum Action : std::uint64_t { kSourceRead = 0, kTargetRead = 1, kSourceCopy = 2, kTargetCopy = 3 };

std::string Hex8(std::uint32_t value) {
  char text[9];
  std::snprintf(text, sizeof text, "%08X", value);
  return text;
}

void PutNumber(Bytes& out, std::uint64_t value) {
  // Each byte keeps 7 bits; subtracting one per byte makes every number's form unique.
  for (;;) {
    const auto low = static_cast<std::uint8_t>(value & 0x7F);
    value >>= 7;
    if (value == 0) {
      out.push_back(static_cast<std::uint8_t>(0x80 | low));
      return;
    }
    out.push_back(low);
    --value;
  }
}

void PutCrc(Bytes& out, std::uint32_t crc) {
  for (int shift = 0; shift < 32; shift += 8) out.push_back(static_cast<std::uint8_t>(crc >> shift));
}

class BpsWriter {
 public:
  BpsWriter(const Bytes& source, const Bytes& target) : source_(source), target_(target) {}

  Bytes Write(const std::string& metadata) {
    out_.assign(kMagic, kMagic + kMagicLength);
    PutNumber(out_, source_.size());
    PutNumber(out_, target_.size());
    PutNumber(out_, metadata.size());
    out_.insert(out_.end(), metadata.begin(), metadata.end());
    std::size_t i = 0;
    while (i < target_.size()) {
      if (const std::size_t same = SourceRun(i); same >= kMinSourceRun) {
        FlushTargetRead(i);
        PutAction(kSourceRead, same);
        i += same;
        pending_ = i;
      } else if (const std::size_t repeat = RepeatRun(i); repeat >= kMinRepeatRun) {
        // The first byte comes from the patch, the rest copy it from the target just written.
        FlushTargetRead(i + 1);
        PutAction(kTargetCopy, repeat - 1);
        PutOffsetDelta(targetCopyAt_, i);
        targetCopyAt_ = i + repeat - 1;
        i += repeat;
        pending_ = i;
      } else {
        ++i;
      }
    }
    FlushTargetRead(target_.size());
    PutCrc(out_, Crc32(source_));
    PutCrc(out_, Crc32(target_));
    PutCrc(out_, Crc32(out_));
    return std::move(out_);
  }

 private:
  std::size_t SourceRun(std::size_t at) const {
    std::size_t end = at;
    while (end < target_.size() && end < source_.size() && source_[end] == target_[end]) ++end;
    return end - at;
  }
  std::size_t RepeatRun(std::size_t at) const {
    std::size_t end = at;
    while (end < target_.size() && target_[end] == target_[at]) ++end;
    return end - at;
  }
  void PutAction(Action action, std::size_t length) { PutNumber(out_, ((length - 1) << 2) | action); }
  void PutOffsetDelta(std::size_t from, std::size_t to) {
    const std::uint64_t distance = to >= from ? to - from : from - to;
    PutNumber(out_, (distance << 1) | (to < from ? 1 : 0));
  }
  // The bytes from the last action's end up to `end` go into the patch itself.
  void FlushTargetRead(std::size_t end) {
    if (end <= pending_) return;
    PutAction(kTargetRead, end - pending_);
    out_.insert(out_.end(), target_.begin() + static_cast<long>(pending_),
                target_.begin() + static_cast<long>(end));
    pending_ = end;
  }

  const Bytes& source_;
  const Bytes& target_;
  Bytes out_;
  std::size_t pending_ = 0;       // first target byte no action has produced yet
  std::size_t targetCopyAt_ = 0;  // TargetCopy offsets are relative to where the last one ended
};

class BpsReader {
 public:
  BpsReader(const Bytes& patch, std::size_t end) : patch_(patch), end_(end) {}

  bool Number(std::uint64_t& value) {
    value = 0;
    std::uint64_t shift = 1;
    for (int i = 0; i < 10; ++i) {
      if (at_ >= end_) return false;
      const std::uint8_t byte = patch_[at_++];
      value += (byte & 0x7F) * shift;
      if (byte & 0x80) return true;
      shift <<= 7;
      value += shift;
    }
    return false;  // longer than any 64-bit number
  }
  bool Skip(std::uint64_t count) {
    if (count > end_ - at_) return false;
    at_ += static_cast<std::size_t>(count);
    return true;
  }
  bool AtEnd() const { return at_ >= end_; }
  std::size_t position() const { return at_; }

 private:
  const Bytes& patch_;
  std::size_t end_;
  std::size_t at_ = 0;
};

std::uint32_t CrcAt(const Bytes& bytes, std::size_t at) {
  std::uint32_t crc = 0;
  for (int i = 3; i >= 0; --i) crc = (crc << 8) | bytes[at + static_cast<std::size_t>(i)];
  return crc;
}

bool ApplyOffset(std::uint64_t coded, std::size_t& offset) {
  const std::uint64_t distance = coded >> 1;
  if (coded & 1) {
    if (distance > offset) return false;
    offset -= static_cast<std::size_t>(distance);
  } else {
    offset += static_cast<std::size_t>(distance);
  }
  return true;
}

// Runs the actions into a target of the announced size; false when one reaches outside.
bool RunActions(BpsReader& reader, const Bytes& source, const Bytes& patch, Bytes& target) {
  std::size_t written = 0, sourceAt = 0, targetAt = 0;
  while (!reader.AtEnd()) {
    std::uint64_t word = 0;
    if (!reader.Number(word)) return false;
    const std::uint64_t length = (word >> 2) + 1;
    if (length > target.size() - written) return false;
    const auto count = static_cast<std::size_t>(length);
    switch (word & 3) {
      case kSourceRead:
        if (written + count > source.size()) return false;
        std::copy_n(source.begin() + static_cast<long>(written), count,
                    target.begin() + static_cast<long>(written));
        break;
      case kTargetRead: {
        const std::size_t from = reader.position();
        if (!reader.Skip(length)) return false;
        std::copy_n(patch.begin() + static_cast<long>(from), count,
                    target.begin() + static_cast<long>(written));
        break;
      }
      case kSourceCopy: {
        std::uint64_t coded = 0;
        if (!reader.Number(coded) || !ApplyOffset(coded, sourceAt)) return false;
        if (sourceAt > source.size() || count > source.size() - sourceAt) return false;
        std::copy_n(source.begin() + static_cast<long>(sourceAt), count,
                    target.begin() + static_cast<long>(written));
        sourceAt += count;
        break;
      }
      default: {
        std::uint64_t coded = 0;
        if (!reader.Number(coded) || !ApplyOffset(coded, targetAt) || targetAt >= written) return false;
        // Byte by byte: a copy may overlap what it writes, which repeats a pattern.
        for (std::size_t k = 0; k < count; ++k) target[written + k] = target[targetAt++];
        break;
      }
    }
    written += count;
  }
  return written == target.size();
}
}  // namespace

std::uint32_t Crc32(const Bytes& bytes, std::size_t length) {
  // zlib takes at most 4 GiB a call.
  uLong crc = crc32(0L, Z_NULL, 0);
  for (std::size_t at = 0; at < length;) {
    const auto chunk = static_cast<uInt>(std::min<std::size_t>(length - at, 1u << 30));
    crc = crc32(crc, bytes.data() + at, chunk);
    at += chunk;
  }
  return static_cast<std::uint32_t>(crc);
}

ReadResult<Bytes> MakeBpsPatch(const Bytes& source, const Bytes& target, const std::string& metadata) {
  ReadResult<Bytes> result;
  result.values = BpsWriter(source, target).Write(metadata);
  result.ok = true;
  return result;
}

ReadResult<Bytes> ApplyBpsPatch(const Bytes& source, const Bytes& patch) {
  if (patch.size() < kMagicLength || !std::equal(kMagic, kMagic + kMagicLength, patch.begin()))
    return FailedRead<Bytes>("This is not a BPS patch: it does not begin with \"BPS1\"");
  if (patch.size() < kMagicLength + 3 + kChecksumsLength)
    return FailedRead<Bytes>("The BPS patch is cut short: it is too small to hold its sizes and checksums");
  const std::size_t actionsEnd = patch.size() - kChecksumsLength;
  if (Crc32(patch, patch.size() - 4) != CrcAt(patch, patch.size() - 4))
    return FailedRead<Bytes>("The BPS patch is damaged: its own checksum does not match");
  BpsReader reader(patch, actionsEnd);
  reader.Skip(kMagicLength);
  std::uint64_t sourceSize = 0, targetSize = 0, metadataSize = 0;
  if (!reader.Number(sourceSize) || !reader.Number(targetSize) || !reader.Number(metadataSize) ||
      !reader.Skip(metadataSize))
    return FailedRead<Bytes>("The BPS patch is damaged: its header is cut short");
  const std::uint32_t sourceCrc = CrcAt(patch, actionsEnd);
  const std::uint32_t actualCrc = Crc32(source);
  if (sourceSize != source.size() || sourceCrc != actualCrc)
    return FailedRead<Bytes>("This BPS patch is for another ROM: it needs a file of " +
                             std::to_string(sourceSize) + " bytes with CRC-32 " + Hex8(sourceCrc) +
                             ", this one has " + std::to_string(source.size()) + " bytes with CRC-32 " +
                             Hex8(actualCrc));
  if (targetSize > kMaxTargetSize)
    return FailedRead<Bytes>("The BPS patch is damaged: it announces a result of " +
                             std::to_string(targetSize) + " bytes");
  Bytes target(static_cast<std::size_t>(targetSize), 0);
  if (!RunActions(reader, source, patch, target))
    return FailedRead<Bytes>("The BPS patch is damaged: an action reaches outside the files");
  if (Crc32(target) != CrcAt(patch, actionsEnd + 4))
    return FailedRead<Bytes>("The patched ROM does not have the CRC-32 the BPS patch expects (" +
                             Hex8(CrcAt(patch, actionsEnd + 4)) + ")");
  ReadResult<Bytes> result;
  result.values = std::move(target);
  result.ok = true;
  return result;
}

}  // namespace quelbrook
