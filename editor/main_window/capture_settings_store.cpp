#include "capture_settings_store.h"

#include <QDir>
#include <QFile>
#include <QSettings>

#include "learn_report.h"
#include "picture_choice.h"

namespace quelbrook {

namespace {

constexpr const char* kSection = "capture";

std::optional<QPoint> LearnedOrigin(const RomIdentity& rom) {
  QFile report(QDir(LearnedPicturesFolder(rom)).filePath("learned.txt"));
  if (!report.open(QIODevice::ReadOnly)) return std::nullopt;
  return learn::OriginInReport(report.readAll().toStdString());
}

}  // namespace

learn::CaptureSettings ReadCaptureSettings(const RomIdentity& rom) {
  learn::CaptureSettings read;
  QSettings settings;
  for (const QString& group : SettingsGroupsOf(rom, kSection)) {
    if (!settings.contains(group + "/frames")) continue;
    read.input = settings.value(group + "/input").toString().toStdString();
    read.frames = settings.value(group + "/frames").toInt();
    if (settings.contains(group + "/origin")) read.origin = settings.value(group + "/origin").toPoint();
    break;
  }
  return read;
}

learn::CaptureSettings ReadConsoleViewSettings(const RomIdentity& rom) {
  learn::CaptureSettings read = ReadCaptureSettings(rom);
  if (!read.origin) read.origin = LearnedOrigin(rom);
  return read;
}

void WriteCaptureSettings(const RomIdentity& rom, const learn::CaptureSettings& written) {
  QSettings settings;
  for (const QString& group : SettingsGroupsOf(rom, kSection)) {
    settings.setValue(group + "/input", QString::fromStdString(written.input));
    settings.setValue(group + "/frames", written.frames);
    if (written.origin)
      settings.setValue(group + "/origin", *written.origin);
    else
      settings.remove(group + "/origin");
  }
}

}  // namespace quelbrook
