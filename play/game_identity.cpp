#include "game_identity.h"

#include <QCryptographicHash>

#include "byte_map.h"

namespace quelbrook::play {

QString GameIdentity(QByteArray rom) {
  for (const ByteRange& range : kEditorWrittenRanges)
    for (int at = range.first; at < range.end && at < rom.size(); ++at) rom[at] = 0;
  return QString::fromLatin1(QCryptographicHash::hash(rom, QCryptographicHash::Sha256).toHex());
}

}  // namespace quelbrook::play
