#include "picture_choice.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <iterator>

#include "game_identity.h"

namespace quelbrook {

namespace {

QString Sha256(const QByteArray& bytes) {
  return QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex());
}

// The settings' groups of a ROM, the game's first: a path holds '/', which QSettings reads as
// a group, so it is kept by its checksum.
QStringList Groups(const RomIdentity& rom) {
  QStringList groups;
  if (!rom.game.isEmpty()) groups << "pictures/" + rom.game;
  if (!rom.path.isEmpty()) groups << "picturesOfPath/" + Sha256(rom.path.toUtf8());
  return groups;
}

constexpr const char* kChoiceNames[] = {"shipped", "learned", "folder"};

}  // namespace

RomIdentity IdentityOf(const QString& romPath) {
  RomIdentity rom{{}, QFileInfo(romPath).absoluteFilePath()};
  QFile file(romPath);
  if (!file.open(QIODevice::ReadOnly)) return rom;
  rom.game = play::GameIdentity(file.readAll());
  return rom;
}

QString LearnedPicturesFolder(const RomIdentity& rom) {
  return QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation))
      .filePath("learned/" + rom.game);
}

PictureSetting ReadPictureSetting(const RomIdentity& rom) {
  QSettings settings;
  for (const QString& group : Groups(rom)) {
    const QString choice = settings.value(group + "/choice").toString();
    for (std::size_t i = 0; i < std::size(kChoiceNames); ++i)
      if (choice == kChoiceNames[i])
        return {static_cast<PictureChoice>(i), settings.value(group + "/folder").toString()};
  }
  return {};
}

void WritePictureSetting(const RomIdentity& rom, const PictureSetting& setting) {
  QSettings settings;
  for (const QString& group : Groups(rom)) {
    settings.setValue(group + "/choice", kChoiceNames[static_cast<int>(setting.choice)]);
    settings.setValue(group + "/folder", setting.folder);
  }
}

}  // namespace quelbrook
