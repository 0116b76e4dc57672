#pragma once
// What every benchmark program sets up first: the application offscreen, the app folder
// with the real pictures, and a copy of its demo ROM that the timed saves may change.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <cstdio>
#include <memory>
#include <string>

struct BenchApp {
  std::unique_ptr<QApplication> application;
  QTemporaryDir romDir;
  QString appDir;
  std::string romPath;

  // False (with a message) when the demo ROM cannot be copied.
  bool start(int& argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    benchmark::Initialize(&argc, argv);
    application = std::make_unique<QApplication>(argc, argv);
    QApplication::setApplicationName("QuelbrookEditor");
    // The windows' settings go to the temporary folder, never to the user's.
    QSettings::setDefaultFormat(QSettings::IniFormat);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, romDir.path());
    appDir =
        QDir(qEnvironmentVariableIsEmpty("QUELBROOK_APP_DIR") ? QString(QUELBROOK_BENCH_APP_DIR)
                                                              : qEnvironmentVariable("QUELBROOK_APP_DIR"))
            .absolutePath();
    const QString romCopy = romDir.filePath("Quelbrook.nes");
    if (!romDir.isValid() || !QFile::copy(appDir + "/Quelbrook.nes", romCopy)) {
      std::fprintf(stderr, "Cannot copy %s/Quelbrook.nes\n", qPrintable(appDir));
      return false;
    }
    romPath = QFile::encodeName(romCopy).toStdString();
    benchmark::AddCustomContext("app_dir", appDir.toStdString());
    current_ = this;
    return true;
  }

  // The folder with the real pictures, and the copy of its demo ROM that saving may change,
  // once `start` succeeded.
  static const QString& AppDir() { return current_->appDir; }
  static const std::string& RomPath() { return current_->romPath; }

  static int run() {
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
  }

 private:
  static inline const BenchApp* current_ = nullptr;
};
