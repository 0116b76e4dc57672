#pragma once
// What makes a ROM the same game to the editor: its bytes outside everything a save of the
// editor writes, so that saving, moving or renaming a ROM, and the test copies that run its
// screens, keep it, while another game or another build of this one does not.

#include <QByteArray>
#include <QString>

namespace quelbrook::play {

// SHA-256, in hexadecimal, of `rom` with kEditorWrittenRanges cleared.
QString GameIdentity(QByteArray rom);

}  // namespace quelbrook::play
