#pragma once
// Which NES emulator "Test this screen" starts, and how.

#include <QString>
#include <QStringList>
#include <optional>

namespace quelbrook {

struct EmulatorCall {
  QString program;
  QStringList arguments;  // those before the path of the ROM
};

// The first of fceux, nestopia and mednafen on the PATH, else RetroArch with a NES core
// found in one of `coreFolders`; none when there is neither.
std::optional<EmulatorCall> FindEmulatorCall(const QStringList& coreFolders);

// The packages that would give an emulator, for the message when none is found.
inline constexpr const char* kNoEmulatorMessage =
    "No NES emulator was found: install fceux, nestopia or mednafen, or retroarch with "
    "libretro-nestopia, to test a screen";

}  // namespace quelbrook
