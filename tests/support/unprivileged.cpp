#include "unprivileged.h"

#include <sys/wait.h>
#include <unistd.h>

#include <cstring>

namespace quelbrook::testing {

namespace {
constexpr uid_t kNobody = 65534;
}

std::optional<std::string> RunUnprivileged(const std::function<std::string()>& body) {
  int channel[2];
  if (pipe(channel) != 0) return std::nullopt;
  pid_t child = fork();
  if (child < 0) return std::nullopt;
  if (child == 0) {
    close(channel[0]);
    if (geteuid() == 0 && (setgid(kNobody) != 0 || setuid(kNobody) != 0)) _exit(2);
    std::string text = body();
    ssize_t ignored = write(channel[1], text.data(), text.size());
    (void)ignored;
    _exit(0);
  }
  close(channel[1]);
  std::string text;
  char buffer[256];
  ssize_t n;
  while ((n = read(channel[0], buffer, sizeof buffer)) > 0) text.append(buffer, static_cast<std::size_t>(n));
  close(channel[0]);
  int status = 0;
  waitpid(child, &status, 0);
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) return std::nullopt;
  return text;
}

}  // namespace quelbrook::testing
