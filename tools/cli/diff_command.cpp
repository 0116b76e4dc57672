// diff: what differs between two ROMs, fact by fact, in words.
#include <ostream>

#include "arguments.h"
#include "command.h"
#include "rom_diff.h"
#include "whole_files.h"

namespace quelbrook::cli {

namespace {
void PrintChange(std::ostream& out, const FactChange& change) {
  out << change.fact << ": " << change.before << " -> " << change.after << '\n';
}

int Diff(const std::vector<std::string>& args, std::ostream& out, std::ostream&) {
  RequireArgumentCount(args, 2);
  const Bytes before = ReadWholeFile(args[0]);
  const Bytes after = ReadWholeFile(args[1]);
  if (before == after) {
    out << "no differences\n";
    return kExitOk;
  }
  if (std::min(before.size(), after.size()) < kSmallestImage) {
    PrintChange(out,
                {"whole file (not an image of the game)", SizeAndChecksum(before), SizeAndChecksum(after)});
    return kExitOk;
  }
  for (const FactChange& change : ImageDifferences(before, after)) PrintChange(out, change);
  return kExitOk;
}
}  // namespace

extern const Command kDiffCommand{
    "diff", "A B",
    "what differs between two ROMs, screen by screen and field by field (\"screen 40 message: ... -> ...\")",
    Diff};

}  // namespace quelbrook::cli
