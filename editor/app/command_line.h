#pragma once
// What the editor does before its window opens: --help and --version, the ROM named on
// the command line, and, once installed, moving into the folder of its pictures, whose
// names stay relative to it.

#include <QString>
#include <QStringList>
#include <optional>

namespace quelbrook {

// Answers --help and --version on standard output and returns the exit code then;
// none when the window is to open. Qt's own options are left to the application.
std::optional<int> AnswerInformationOptions(int argc, char** argv);
// The ROM named by the application's arguments (Qt's own options already taken out),
// as an absolute path from the current folder; empty when none is named.
QString RomArgument(const QStringList& arguments);
// The folder the window takes its pictures from, known before the application is made.
QString PictureFolderAtStart();
// The installed program starts in share/quelbrook whatever folder it was started in;
// run from the build's app/ folder it stays where it was started.
void EnterInstalledDataFolder();

}  // namespace quelbrook
