#pragma once
// View > "As the console draws it", the same entry in both windows, each remembering its own
// choice between runs under its layout's name.

#include <QString>

class QAction;
class QMenu;

namespace quelbrook {

// The checkable entry, named ConsoleViewAction, checked as the window was left. It only
// toggles: the window does the rest.
QAction* AddConsoleViewAction(QMenu& view, const QString& window);
void RememberConsoleView(const QString& window, bool on);

}  // namespace quelbrook
