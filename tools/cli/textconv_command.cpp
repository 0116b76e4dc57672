// textconv: an image as stable text, one fact a line, for git's diff.textconv.
#include <ostream>

#include "arguments.h"
#include "command.h"
#include "rom_facts.h"
#include "whole_files.h"

namespace quelbrook::cli {

namespace {
void PrintFact(std::ostream& out, const Fact& fact, const Bytes& image) {
  out << FactName(fact) << ": " << FactValue(fact.kind, FactBytes(image, fact.runs)) << '\n';
}

// The tiles row by row, as the screen shows them; every other field on a line of its own.
void PrintScreen(std::ostream& out, int screen, const Bytes& image) {
  for (const Fact& fact : ScreenFacts(screen)) {
    if (fact.kind != FactKind::kTile) {
      PrintFact(out, fact, image);
      continue;
    }
    const int column = fact.index % kGridColumns;
    if (column == 0) out << "screen " << screen << " row " << fact.index / kGridColumns + 1 << ':';
    out << ' ' << FactValue(fact.kind, FactBytes(image, fact.runs));
    if (column == kGridColumns - 1) out << '\n';
  }
}

int Textconv(const std::vector<std::string>& args, std::ostream& out, std::ostream&) {
  RequireArgumentCount(args, 1);
  const Bytes image = ReadWholeFile(args[0]);
  // git diff shows this text for any file the attribute names, so a stranger is described, not refused.
  if (image.size() < kSmallestImage) {
    out << "not an image of the game: " << SizeAndChecksum(image) << '\n';
    return kExitOk;
  }
  for (const Fact& fact : GameWideFacts()) PrintFact(out, fact, image);
  for (int screen = 1; screen <= kScreenCount; ++screen) PrintScreen(out, screen, image);
  PrintFact(out, OutsideFact(image.size()), image);
  return kExitOk;
}
}  // namespace

extern const Command kTextconvCommand{
    "textconv", "ROM",
    "the ROM's editable data as text, one fact a line, for git diff (a file too short for a ROM: its "
    "size and checksum)",
    Textconv};

}  // namespace quelbrook::cli
