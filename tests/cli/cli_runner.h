#pragma once
// Runs the built `quelbrook` binary as its own process, as a user's shell would.

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

}  // namespace quelbrook::testing
