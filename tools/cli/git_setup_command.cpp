// git-setup: the .gitattributes line and the repository's configuration that make git
// show ROMs through textconv and merge them through merge.
#include <QProcess>
#include <filesystem>
#include <limits>
#include <ostream>

#include "arguments.h"
#include "atomic_file.h"
#include "command.h"
#include "editor_error.h"
#include "regular_file.h"

namespace quelbrook::cli {

namespace {
constexpr const char* kAttributesLine = "*.nes diff=quelbrook merge=quelbrook";

struct GitRun {
  int exitCode = -1;
  std::string out;
};

GitRun RunGit(const QStringList& arguments) {
  QProcess git;
  git.start("git", arguments);
  if (!git.waitForStarted()) throw EditorError("git could not be run; install git and try again");
  git.closeWriteChannel();
  git.waitForFinished(-1);
  const bool exited = git.exitStatus() == QProcess::NormalExit;
  return {exited ? git.exitCode() : -1, git.readAllStandardOutput().trimmed().toStdString()};
}

// git runs its drivers through the shell: the path in single quotes survives any character.
std::string ShellWord(const std::string& word) {
  std::string quoted = "'";
  for (char ch : word) quoted += ch == '\'' ? std::string("'\\''") : std::string(1, ch);
  return quoted + "'";
}

// This very program, so that the drivers work whether or not it is on PATH.
std::string ThisProgram() { return ShellWord(std::filesystem::read_symlink("/proc/self/exe").string()); }

bool HoldsLine(const std::string& text, const std::string& line) {
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string candidate = text.substr(start, end - start);
    while (!candidate.empty() && (candidate.back() == '\r' || candidate.back() == ' ')) candidate.pop_back();
    if (candidate == line) return true;
    start = end + 1;
  }
  return false;
}

// Adds the line unless it is there already, so that running the setup twice changes nothing.
std::string AddAttributesLine(const std::string& topLevel) {
  const std::string path = topLevel + "/.gitattributes";
  try {
    std::error_code missing;
    const std::string old = std::filesystem::exists(path, missing)
                                ? *ReadRegularFile(path, std::numeric_limits<std::size_t>::max())
                                : "";
    if (HoldsLine(old, kAttributesLine))
      return ".gitattributes already holds: " + std::string(kAttributesLine);
    const std::string separator = old.empty() || old.back() == '\n' ? "" : "\n";
    WriteFileAtomically(path, old + separator + kAttributesLine + "\n");
    return "added to " + path + ": " + kAttributesLine;
  } catch (const EditorError& error) {
    throw EditorError(path + ": " + error.what());
  }
}

void SetConfig(std::ostream& out, const std::string& key, const std::string& value) {
  if (RunGit({"config", "--local", QString::fromStdString(key), QString::fromStdString(value)}).exitCode != 0)
    throw EditorError("git config " + key + " failed");
  out << "git config: " << key << " = " << value << '\n';
}

int GitSetup(const std::vector<std::string>& args, std::ostream& out, std::ostream&) {
  RequireArgumentCount(args, 0);
  const GitRun topLevel = RunGit({"rev-parse", "--show-toplevel"});
  if (topLevel.exitCode != 0 || topLevel.out.empty())
    throw EditorError("not inside a git repository's working tree; run git-setup in the repository's folder");
  // Both values are written before the attributes, which are what switches the drivers on.
  const std::string program = ThisProgram();
  SetConfig(out, "diff.quelbrook.textconv", program + " textconv");
  SetConfig(out, "merge.quelbrook.name", "Quelbrook ROM, field by field");
  SetConfig(out, "merge.quelbrook.driver", program + " merge %O %A %B");
  out << AddAttributesLine(topLevel.out) << '\n'
      << "Commit .gitattributes; every clone runs git-setup once for its own configuration.\n";
  return kExitOk;
}
}  // namespace

extern const Command kGitSetupCommand{
    "git-setup", "",
    "inside a git repository: write the .gitattributes line for *.nes and the local configuration of "
    "the textconv and merge drivers",
    GitSetup};

}  // namespace quelbrook::cli
