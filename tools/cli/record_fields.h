#pragma once
// The fields of a screen record by the names `set` takes, and their values' forms.

#include <cstdint>
#include <string>
#include <vector>

namespace quelbrook::cli {

// Codes and destinations take every byte, as real ROMs hold them; `set` notes a value the
// editor cannot show as usual.
enum class FieldForm {
  kCode,         // one or two hexadecimal digits, as the window writes codes
  kDestination,  // decimal, on the 16 x 12 grid up to 191
  kNumber,       // decimal
  kMessage,      // the game's alphabet, padded with spaces
};

struct RecordField {
  std::string name;
  int offset;  // in the record
  FieldForm form;
  int lastPictured = 0;  // for codes: the last one the game's pictures cover
};

const std::vector<RecordField>& RecordFields();
const RecordField* FindRecordField(const std::string& name);
// The field's bytes for a typed value; throws UsageError when no byte can hold it.
std::vector<std::uint8_t> FieldBytes(const RecordField& field, const std::string& value);
// What a user should know about a byte written to the field: a code without a picture, a
// destination off the grid. Empty when there is nothing to say.
std::string FieldNote(const RecordField& field, std::uint8_t byte);

}  // namespace quelbrook::cli
