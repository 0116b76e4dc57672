#pragma once
// What the commands that run the game read: the ROM, or a copy of it that starts on a
// screen, and the pad script, written inline or kept in a file.

#include <QByteArray>
#include <optional>
#include <string>

#include "input_script.h"

namespace quelbrook::cli {

// The ROM's bytes, or those of a copy that starts on `screen`; the ROM is only read.
// Throws FileError for a file that cannot be read, EditorError for a copy refused.
QByteArray RomToPlay(const std::string& rom, std::optional<int> screen);

// A script such as "right:60-119,a:130", or the name of a file holding one, where line
// breaks and spaces separate entries as commas do. Text without a ":" can be no script, so
// it names a file. Throws UsageError for a script that is off, FileError for a file that
// cannot be read.
play::InputScript ScriptArgument(const std::string& text);

}  // namespace quelbrook::cli
