#pragma once
// A window's size, place and dock layout, kept in the user's settings between runs.

#include <QString>

class QMainWindow;

namespace quelbrook {

// The names the windows' layouts are kept under.
inline const char* const kMainWindowLayout = "mainWindow";
inline const char* const kWorldEditorLayout = "worldEditor";

// False when the settings hold no layout for this window yet.
bool RestoreWindowLayout(QMainWindow& window, const QString& name);
void SaveWindowLayout(const QMainWindow& window, const QString& name);

}  // namespace quelbrook
