// merge: git's three-way merge driver for ROMs (%O %A %B), fact by fact; the result replaces OURS.
#include <ostream>

#include "arguments.h"
#include "command.h"
#include "editor_error.h"
#include "rom_merge.h"
#include "whole_files.h"

namespace quelbrook::cli {

namespace {
// Exit 1 is kept for conflicts, so every refusal, a file that cannot be read or written
// included, leaves OURS as it was and exits 2.
constexpr int kExitConflicts = 1;
constexpr int kExitRefused = 2;

Bytes ReadInput(const std::string& path, Bytes (*read)(const std::string&)) {
  try {
    return read(path);
  } catch (const EditorError& error) {
    throw EditorError(path + ": " + error.what());
  }
}

int Merge(const std::vector<std::string>& args, std::ostream&, std::ostream& err) {
  RequireArgumentCount(args, 3);
  try {
    const Bytes base = ReadInput(args[0], ReadWholeFile);
    Bytes ours = ReadInput(args[1], ReadRomForChange);
    const Bytes theirs = ReadInput(args[2], ReadWholeFile);
    const ImageMerge merge = MergeImages(base, std::move(ours), theirs);
    if (merge.changed) ReplaceFile(args[1], merge.image);
    for (const FactConflict& conflict : merge.conflicts)
      err << "quelbrook: conflict: " << conflict.fact << ": base " << conflict.base << ", ours "
          << conflict.ours << ", theirs " << conflict.theirs << '\n';
    if (merge.conflicts.empty()) return kExitOk;
    // git names OURS after a temporary file, so the summary names no path.
    err << "quelbrook: conflicts: " << merge.conflicts.size()
        << "; the result holds our side of them and everything else merged\n";
    return kExitConflicts;
  } catch (const EditorError& error) {
    // Files that are not images of one size come here too, with MergeRefusal's text.
    err << "quelbrook: merge refused: " << error.what() << '\n';
    return kExitRefused;
  }
}
}  // namespace

extern const Command kMergeCommand{
    "merge", "BASE OURS THEIRS",
    "three-way merge of ROMs field by field into OURS (git's merge driver); exit 1 lists conflicts, "
    "exit 2 refuses files that are not ROMs of one size",
    Merge};

}  // namespace quelbrook::cli
