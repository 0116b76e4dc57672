#pragma once
// The one rule by which a number field is pulled into its range, and the steps of the
// "<" / ">" buttons beside such fields.

#include <optional>

class QLineEdit;

namespace quelbrook {

// Above `upper` the field becomes `upper`; below `below` it becomes `lowerOnBelow`.
// Fails when the text is not a number.
void ClampField(QLineEdit* field, int upper, int lowerOnBelow, int below);

// Clamps the field to lower..upper, then moves it one step within them: the new
// number, or nothing when it stood at that end already.
std::optional<int> StepField(QLineEdit* field, int lower, int upper, int direction);

}  // namespace quelbrook
