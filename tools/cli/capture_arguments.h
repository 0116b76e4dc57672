#pragma once
// The options of the commands that capture the game's pictures (learn-pictures, render
// --console): how the game is run and by which core.

#include <QString>
#include <string>

#include "arguments.h"
#include "capture_settings.h"

namespace quelbrook::cli {

struct CaptureCall {
  learn::CaptureSettings settings;
  QString core;  // empty: the first NES core found
};

// Takes --input SCRIPT, --frames K, --origin X,Y and --core PATH into `call`; false for any
// other name. Throws UsageError for a value that is off.
bool TakeCaptureOption(const std::string& name, const OptionValue& value, CaptureCall& call);

}  // namespace quelbrook::cli
