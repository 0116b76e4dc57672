#pragma once
// One subcommand of the command-line tool: its name, how to call it, and what it does.

#include <iosfwd>
#include <string>
#include <vector>

namespace quelbrook::cli {

struct Command {
  const char* name;
  const char* usage;    // the arguments after the name, e.g. "ROM N FILE"
  const char* summary;  // one line for --help
  // Returns the process's exit code; messages for the user go to err.
  int (*run)(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
};

// Every subcommand, in the order --help lists them.
const std::vector<Command>& Commands();

// Exit codes shared by all subcommands.
constexpr int kExitOk = 0;
constexpr int kExitFailure = 1;  // the operation failed; the message says why
constexpr int kExitUsage = 2;    // the call's words are off

}  // namespace quelbrook::cli
