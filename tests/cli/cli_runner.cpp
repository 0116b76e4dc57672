#include "cli_runner.h"

#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

#include "unprivileged.h"

namespace quelbrook::testing {

namespace {
// Reads both pipes together, so that a full one never blocks the child.
void Drain(int outFd, int errFd, CliRun& run) {
  pollfd fds[2] = {{outFd, POLLIN, 0}, {errFd, POLLIN, 0}};
  std::string* sinks[2] = {&run.out, &run.err};
  int open = 2;
  while (open > 0) {
    if (poll(fds, 2, -1) < 0) break;
    for (int i = 0; i < 2; ++i) {
      if (fds[i].fd < 0 || !(fds[i].revents & (POLLIN | POLLHUP))) continue;
      char buffer[4096];
      const ssize_t n = read(fds[i].fd, buffer, sizeof buffer);
      if (n > 0) {
        sinks[i]->append(buffer, static_cast<std::size_t>(n));
      } else {
        close(fds[i].fd);
        fds[i].fd = -1;
        --open;
      }
    }
  }
}
constexpr const char* kToolUnreachable = "unreachable";
}  // namespace

std::string CliPath() { return QUELBROOK_CLI_PATH; }

CliRun RunCli(const std::vector<std::string>& args) { return RunProgram(CliPath(), args); }

CliRun RunProgram(const std::string& program, const std::vector<std::string>& args) {
  CliRun run;
  int out[2], err[2];
  if (pipe(out) != 0 || pipe(err) != 0) return run;
  const pid_t child = fork();
  if (child == 0) {
    dup2(out[1], STDOUT_FILENO);
    dup2(err[1], STDERR_FILENO);
    close(out[0]);
    close(err[0]);
    std::vector<char*> argv{const_cast<char*>(program.c_str())};
    for (const auto& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);
    execv(program.c_str(), argv.data());
    _exit(127);
  }
  close(out[1]);
  close(err[1]);
  Drain(out[0], err[0], run);
  int status = 0;
  waitpid(child, &status, 0);
  run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return run;
}

std::optional<CliRun> RunCliUnprivileged(const std::filesystem::path& folder,
                                         const std::vector<std::string>& args) {
  namespace fs = std::filesystem;
  const std::string tool = (folder / "quelbrook").string();
  fs::copy_file(CliPath(), tool, fs::copy_options::overwrite_existing);
  fs::permissions(tool, fs::perms::owner_all | fs::perms::others_read | fs::perms::others_exec);
  fs::permissions(folder, fs::perms::all);
  // The child's run comes back as one text: the exit code, the length of the output, both streams.
  const auto text = RunUnprivileged([&] {
    if (::access(tool.c_str(), X_OK) != 0) return std::string(kToolUnreachable);
    const CliRun run = RunProgram(tool, args);
    return std::to_string(run.exitCode) + ' ' + std::to_string(run.out.size()) + ' ' + run.out + run.err;
  });
  if (!text || *text == kToolUnreachable) return std::nullopt;
  CliRun run;
  std::size_t at = 0;
  run.exitCode = std::stoi(*text, &at);
  std::size_t digits = 0;
  const std::size_t outSize = std::stoul(text->substr(at), &digits);
  at += digits + 1;
  run.out = text->substr(at, outSize);
  run.err = text->substr(at + outSize);
  return run;
}

}  // namespace quelbrook::testing
