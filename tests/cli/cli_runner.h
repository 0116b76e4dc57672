#pragma once
// Runs the built `quelbrook` binary as its own process, as a user's shell would.

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace quelbrook::testing {

struct CliRun {
  int exitCode = -1;
  std::string out;
  std::string err;
};

// Runs the tool of the build folder.
CliRun RunCli(const std::vector<std::string>& args);
// Runs the program at this path, e.g. a copy of the tool where another user can reach it.
CliRun RunProgram(const std::string& program, const std::vector<std::string>& args);
// The path of the tool of the build folder.
std::string CliPath();
// Runs a copy of the tool placed in `folder` (opened to every user) as a user without root's
// right to ignore file modes: the build folder may lie where that user cannot reach (root's
// home is mode 0700). Nothing when no such user could run it.
std::optional<CliRun> RunCliUnprivileged(const std::filesystem::path& folder,
                                         const std::vector<std::string>& args);

}  // namespace quelbrook::testing
