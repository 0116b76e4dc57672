#include "rom_identity.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>

#include "game_identity.h"

namespace quelbrook {

RomIdentity IdentityOf(const QString& romPath) {
  RomIdentity rom{{}, QFileInfo(romPath).absoluteFilePath()};
  QFile file(romPath);
  if (!file.open(QIODevice::ReadOnly)) return rom;
  rom.game = play::GameIdentity(file.readAll());
  return rom;
}

QStringList SettingsGroupsOf(const RomIdentity& rom, const QString& section) {
  // A path holds '/', which QSettings reads as a group, so it is kept by its checksum.
  QStringList groups;
  if (!rom.game.isEmpty()) groups << section + "/" + rom.game;
  if (!rom.path.isEmpty())
    groups << section + "OfPath/" +
                  QString::fromLatin1(
                      QCryptographicHash::hash(rom.path.toUtf8(), QCryptographicHash::Sha256).toHex());
  return groups;
}

}  // namespace quelbrook
