#pragma once
// The fields of a screen record by the names `set` takes, and their values' forms.

#include <cstdint>
#include <string>
#include <vector>

namespace quelbrook::cli {

enum class FieldForm {
  kCode,     // one or two hexadecimal digits, as the window writes codes
  kNumber,   // decimal
  kMessage,  // the game's alphabet, padded with spaces
};

struct RecordField {
  std::string name;
  int offset;  // in the record
  FieldForm form;
  int max;  // for codes and numbers
};

const std::vector<RecordField>& RecordFields();
const RecordField* FindRecordField(const std::string& name);
// The field's bytes for a typed value; throws UsageError when the value does not fit.
std::vector<std::uint8_t> FieldBytes(const RecordField& field, const std::string& value);

}  // namespace quelbrook::cli
