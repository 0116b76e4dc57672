#pragma once
// One console program kept running between games in the editor: the Play panel hands its
// console back when it closes, and the next F6 finds the program started and its core loaded,
// so starting a game costs the load and one frame, as in-process. What the core kept for
// earlier games stays in that program, never in the editor.

#include <QString>
#include <memory>

#include "console_process.h"

namespace quelbrook::play {

// The kept console when it runs the core at corePath, else a new one on it. Throws EditorError
// as ConsoleProcess does.
std::unique_ptr<ConsoleProcess> TakeKeptConsole(const QString& corePath);
// Unloads the console's game and keeps it for the next TakeKeptConsole, in place of any kept
// before; it ends with the application.
void KeepConsole(std::unique_ptr<ConsoleProcess> console);

}  // namespace quelbrook::play
