#include "picture_choice.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>

namespace quelbrook {

namespace {
QString Key(const QString& checksum, const char* name) { return "pictures/" + checksum + "/" + name; }
}  // namespace

QString RomChecksum(const QString& romPath) {
  QFile file(romPath);
  QCryptographicHash hash(QCryptographicHash::Sha256);
  if (!file.open(QIODevice::ReadOnly) || !hash.addData(&file)) return {};
  return QString::fromLatin1(hash.result().toHex());
}

QString LearnedPicturesFolder(const QString& checksum) {
  return QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation))
      .filePath("learned/" + checksum);
}

PictureSetting ReadPictureSetting(const QString& checksum) {
  QSettings settings;
  PictureSetting setting;
  const QString choice = settings.value(Key(checksum, "choice")).toString();
  if (choice == "learned") setting.choice = PictureChoice::kLearned;
  if (choice == "folder") setting.choice = PictureChoice::kFolder;
  setting.folder = settings.value(Key(checksum, "folder")).toString();
  return setting;
}

void WritePictureSetting(const QString& checksum, const PictureSetting& setting) {
  QSettings settings;
  const char* names[] = {"shipped", "learned", "folder"};
  settings.setValue(Key(checksum, "choice"), names[static_cast<int>(setting.choice)]);
  settings.setValue(Key(checksum, "folder"), setting.folder);
}

QString PictureDirectory(const PictureSetting& setting, const QString& shipped, const QString& checksum) {
  QString chosen = shipped;
  if (setting.choice == PictureChoice::kLearned) chosen = LearnedPicturesFolder(checksum);
  if (setting.choice == PictureChoice::kFolder) chosen = setting.folder;
  // A folder removed since it was chosen: the shipped pictures rather than no window.
  return QDir(chosen).exists() ? chosen : shipped;
}

}  // namespace quelbrook
