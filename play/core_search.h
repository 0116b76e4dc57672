#pragma once
// Where the libretro NES cores lie and which one runs the game.

#include <QString>
#include <QStringList>

namespace quelbrook::play {

// Debian's /usr/lib/<architecture>/libretro and /usr/lib/libretro, and the cores RetroArch
// downloaded for the user.
QStringList LibretroCoreFolders();
// The first NES core in the folders (Debian's nestopia first); empty when there is none.
QString FindNesCore(const QStringList& coreFolders);
// The core to load: `requested` when given (it must exist), else the first one found.
// Throws EditorError naming the package to install when there is none.
QString ChooseNesCore(const QString& requested, const QStringList& coreFolders = LibretroCoreFolders());

// The editor's setting that names a core other than the first one found.
inline constexpr const char* kCoreSetting = "play/core";
// The core the editor's windows load: the one its settings name, else the first one found.
QString ChosenNesCore();

inline constexpr const char* kNoCoreMessage =
    "No libretro NES core was found: install the package libretro-nestopia";

}  // namespace quelbrook::play
