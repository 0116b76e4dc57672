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

CliRun RunCli(const std::vector<std::string>& args);

}  // namespace quelbrook::testing
