#include "file_checksums.h"

#include <QByteArray>
#include <QCryptographicHash>
#include <cstdio>

#include "bps_patch.h"

namespace quelbrook::cli {

namespace {
constexpr std::size_t kInesHeaderLength = 16;

std::string Hash(const Bytes& bytes, QCryptographicHash::Algorithm algorithm) {
  QCryptographicHash hash(algorithm);
  hash.addData(
      QByteArrayView(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size())));
  return hash.result().toHex().toStdString();
}

void PrintPart(std::ostream& out, const std::string& prefix, const std::string& suffix, const Bytes& bytes) {
  char crc[9];
  std::snprintf(crc, sizeof crc, "%08x", static_cast<unsigned>(Crc32(bytes)));
  out << prefix << "size" << suffix << ": " << bytes.size() << '\n'
      << prefix << "crc32" << suffix << ": " << crc << '\n'
      << prefix << "md5" << suffix << ": " << Hash(bytes, QCryptographicHash::Md5) << '\n'
      << prefix << "sha1" << suffix << ": " << Hash(bytes, QCryptographicHash::Sha1) << '\n';
}
}  // namespace

void PrintChecksums(std::ostream& out, const std::string& prefix, const Bytes& file) {
  PrintPart(out, prefix, "", file);
  const std::size_t skipped = std::min(file.size(), kInesHeaderLength);
  PrintPart(out, prefix, " without header", Bytes(file.begin() + static_cast<long>(skipped), file.end()));
}

}  // namespace quelbrook::cli
