#include "dispatch.h"

#include <algorithm>
#include <ostream>

#include "editor_error.h"
#include "licence_notice.h"
#include "picture_folder.h"
#include "usage_error.h"

namespace quelbrook::cli {

namespace {
constexpr const char* kToolName = "quelbrook";

const Command* FindCommand(const std::string& name) {
  for (const auto& command : Commands())
    if (name == command.name) return &command;
  return nullptr;
}

bool IsHelpWord(const std::string& word) { return word == "--help" || word == "-h" || word == "help"; }

// The version the build was given, then the licence.
void PrintVersion(std::ostream& out) {
  out << kToolName << ' ' << QUELBROOK_VERSION << '\n' << kLicenceNotice << '\n';
}
}  // namespace

void PrintHelp(std::ostream& out) {
  out << "Usage: " << kToolName << " COMMAND ARGUMENTS...\n\nCommands:\n";
  for (const auto& command : Commands()) {
    out << "  " << kToolName << ' ' << command.name << ' ' << command.usage << "\n      " << command.summary
        << '\n';
  }
  out << "\nScreens are numbered 1 to 128. Exit codes: 0 done, 1 failed, 2 wrong call.\n"
      << "'" << kToolName << " --version' prints the version.\n";
}

int RunCommand(const Command& command, const std::vector<std::string>& args, std::ostream& out,
               std::ostream& err) {
  try {
    return command.run(args, out, err);
  } catch (const UsageError& error) {
    err << kToolName << ": " << command.name << ": " << error.what() << "\nUsage: " << kToolName << ' '
        << command.name << ' ' << command.usage << '\n';
    return kExitUsage;
  } catch (const PictureNotValid& error) {
    err << kToolName << ": " << error.path() << ": " << error.what() << '\n';
    return kExitFailure;
  } catch (const FileError& error) {
    err << kToolName << ": " << (error.path().empty() ? "" : error.path() + ": ") << error.what() << '\n';
    return kExitFailure;
  } catch (const EditorError& error) {
    err << kToolName << ": " << error.what() << '\n';
    return kExitFailure;
  } catch (const std::exception& error) {
    // Out of memory and the like: still a message, never an abort.
    err << kToolName << ": " << error.what() << '\n';
    return kExitFailure;
  }
}

int RunTool(const std::vector<std::string>& words, std::ostream& out, std::ostream& err) {
  if (words.empty()) {
    PrintHelp(err);
    return kExitUsage;
  }
  if (IsHelpWord(words[0])) {
    PrintHelp(out);
    return kExitOk;
  }
  if (words[0] == "--version") {
    PrintVersion(out);
    return kExitOk;
  }
  const Command* command = FindCommand(words[0]);
  if (!command) {
    err << kToolName << ": unknown command '" << words[0] << "'; '" << kToolName
        << " --help' lists the commands\n";
    return kExitUsage;
  }
  const std::vector<std::string> args(words.begin() + 1, words.end());
  if (std::any_of(args.begin(), args.end(), [](const std::string& word) { return word == "--help"; })) {
    out << "Usage: " << kToolName << ' ' << command->name << ' ' << command->usage << "\n  "
        << command->summary << '\n';
    return kExitOk;
  }
  return RunCommand(*command, args, out, err);
}

}  // namespace quelbrook::cli
