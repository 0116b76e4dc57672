// quelbrook-console: runs a libretro NES core for the editor and the command-line tool, which
// talk to it over its standard input and output, so that a core that crashes or hangs takes
// only this process with it.
#include <sys/prctl.h>
#include <unistd.h>

#include <QString>
#include <csignal>
#include <cstdio>

#include "console_server.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: quelbrook-console CORE PLAY_FOLDER (started by the editor)\n");
    return 2;
  }
  // A core left looping must not outlive the program that started it.
  prctl(PR_SET_PDEATHSIG, SIGKILL);
  // Whatever the core prints goes to standard error; standard output carries the messages.
  const int messages = dup(STDOUT_FILENO);
  dup2(STDERR_FILENO, STDOUT_FILENO);
  return quelbrook::play::ServeConsole(QString::fromLocal8Bit(argv[1]), QString::fromLocal8Bit(argv[2]),
                                       STDIN_FILENO, messages);
}
