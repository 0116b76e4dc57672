#pragma once
// From the process's words to one command's run, with the tool's exit codes.

#include <iosfwd>
#include <string>
#include <vector>

#include "command.h"

namespace quelbrook::cli {

void PrintHelp(std::ostream& out);
// Runs one command; failures it throws become "quelbrook: <message>" on err.
int RunCommand(const Command& command, const std::vector<std::string>& args, std::ostream& out,
               std::ostream& err);
// The whole call: `words` are the arguments after the program's name.
int RunTool(const std::vector<std::string>& words, std::ostream& out, std::ostream& err);

}  // namespace quelbrook::cli
