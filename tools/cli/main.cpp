// The command-line tool: the editor's operations on a cartridge image, without the window.
#include <iostream>
#include <string>
#include <vector>

#include "dispatch.h"

int main(int argc, char** argv) {
  const std::vector<std::string> words(argv + 1, argv + argc);
  const int code = quelbrook::cli::RunTool(words, std::cout, std::cerr);
  std::cout.flush();
  // A result that could not be written (a full disk, a closed pipe) is a failure too.
  if (!std::cout) {
    std::cerr << "quelbrook: the result could not be written to standard output\n";
    return quelbrook::cli::kExitFailure;
  }
  return code;
}
