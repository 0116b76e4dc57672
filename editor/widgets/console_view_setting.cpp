#include "console_view_setting.h"

#include <QAction>
#include <QMenu>
#include <QSettings>

namespace quelbrook {

namespace {
QString Key(const QString& window) { return window + "/consoleView"; }
}  // namespace

QAction* AddConsoleViewAction(QMenu& view, const QString& window) {
  QAction* action = view.addAction("As the &console draws it");
  action->setObjectName("ConsoleViewAction");
  action->setCheckable(true);
  // F5..F7 reload and play; F8 is free in both windows and in the Play panel.
  action->setShortcut(QKeySequence(Qt::Key_F8));
  action->setToolTip("Each screen as the game itself draws it, unsaved edits included");
  action->setChecked(QSettings().value(Key(window), false).toBool());
  return action;
}

void RememberConsoleView(const QString& window, bool on) { QSettings().setValue(Key(window), on); }

}  // namespace quelbrook
