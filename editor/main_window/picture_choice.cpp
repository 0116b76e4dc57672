#include "picture_choice.h"

#include <QDir>
#include <QSettings>
#include <QStandardPaths>
#include <iterator>

namespace quelbrook {

namespace {

constexpr const char* kChoiceNames[] = {"shipped", "learned", "folder"};

}  // namespace

QString LearnedPicturesFolder(const RomIdentity& rom) {
  return QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation))
      .filePath("learned/" + rom.game);
}

PictureSetting ReadPictureSetting(const RomIdentity& rom) {
  QSettings settings;
  for (const QString& group : SettingsGroupsOf(rom, "pictures")) {
    const QString choice = settings.value(group + "/choice").toString();
    for (std::size_t i = 0; i < std::size(kChoiceNames); ++i)
      if (choice == kChoiceNames[i])
        return {static_cast<PictureChoice>(i), settings.value(group + "/folder").toString()};
  }
  return {};
}

void WritePictureSetting(const RomIdentity& rom, const PictureSetting& setting) {
  QSettings settings;
  for (const QString& group : SettingsGroupsOf(rom, "pictures")) {
    settings.setValue(group + "/choice", kChoiceNames[static_cast<int>(setting.choice)]);
    settings.setValue(group + "/folder", setting.folder);
  }
}

}  // namespace quelbrook
