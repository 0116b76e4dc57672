#pragma once
// What the editor does before its window opens: --help and --version, and, once
// installed, moving into the folder of its pictures, whose names stay relative to it.

#include <optional>

namespace quelbrook {

// Answers --help and --version on standard output and returns the exit code then;
// none when the window is to open. Qt's own options are left to the application.
std::optional<int> AnswerInformationOptions(int argc, char** argv);
// The installed program starts in share/quelbrook whatever folder it was started in;
// run from the build's app/ folder it stays where it was started.
void EnterInstalledDataFolder();

}  // namespace quelbrook
