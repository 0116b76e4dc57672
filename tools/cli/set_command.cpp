// set: one field of a screen record, and only that field's bytes.
#include <ostream>

#include "arguments.h"
#include "byte_map.h"
#include "command.h"
#include "record_fields.h"
#include "recorded_rom_writes.h"
#include "screen_reading.h"
#include "usage_error.h"

namespace quelbrook::cli {

namespace {
// "tile K VALUE" is the same as "tileK VALUE".
std::vector<std::string> JoinedTileWords(const std::vector<std::string>& args) {
  if (args.size() == 5 && args[2] == "tile") return {args[0], args[1], "tile" + args[3], args[4]};
  return args;
}

int Set(const std::vector<std::string>& givenArgs, std::ostream&, std::ostream& err) {
  const auto args = JoinedTileWords(givenArgs);
  RequireArgumentCount(args, 4);
  const int screen = ScreenArgument(args[1]);
  const RecordField* field = FindRecordField(args[2]);
  if (!field)
    throw UsageError("unknown field '" + args[2] +
                     "'; fields: tile1..tile48 (or tile K), item, item-destination, message, "
                     "enemy1-kind..enemy4-kind, enemy1-destination..enemy4-destination, palette1, palette2");
  const auto bytes = FieldBytes(*field, args[3]);
  RequireGameImage(args[0]);
  WriteRomRecorded(args[0], {{ScreenRecordOffset(screen) + field->offset, bytes}},
                   CallWords("set", givenArgs), err);
  if (const std::string note = FieldNote(*field, bytes.front()); !note.empty()) err << note << '\n';
  return kExitOk;
}
}  // namespace

extern const Command kSetCommand{
    "set", "ROM N FIELD VALUE",
    "change one field of screen N, e.g. tile5 1F (or tile 5 1F), item B, enemy2-kind F, "
    "item-destination 17, palette1 200, message \"HELLO\"; codes are hexadecimal (0 to FF), "
    "numbers decimal (0 to 255), messages padded with spaces; a code without a picture or a "
    "destination off the grid is written with a note",
    Set};

}  // namespace quelbrook::cli
