// The menu bar, the keyboard shortcuts and the status row below the window's panel.
#include <QAction>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QShortcut>
#include <QStatusBar>
#include <QUndoStack>

#include "form1.h"

namespace quelbrook {

void TForm1::AddShortcut(const QKeySequence& keys, QPushButton* button, std::function<void()> handler) {
  // A key does what a click would: nothing while the button is disabled.
  connect(new QShortcut(keys, this), &QShortcut::activated, this, [this, button, handler] {
    if (button->isEnabled()) Run(handler);
  });
}

void TForm1::BuildMenus() {
  history_ = new QUndoStack(this);
  connect(history_, &QUndoStack::cleanChanged, this, [this] { ShownScreenChanged(); });

  QMenu* file = menuBar()->addMenu("&File");
  file->addAction("&Open ROM...", QKeySequence::Open, this, [this] {
    if (controls_.Button2->isEnabled()) Run([this] { Button2Click(); });
  });
  recentMenu_ = file->addMenu("Open &Recent");
  recentMenu_->setObjectName("RecentMenu");
  connect(recentMenu_, &QMenu::aboutToShow, this, [this] { FillRecentMenu(); });
  file->addAction("&Reload screen", QKeySequence(Qt::Key_F5), this, [this] {
    if (controls_.Button1->isEnabled()) Run([this] { Button1Click(); });
  });
  file->addAction("&Save screen", QKeySequence::Save, this, [this] {
    if (controls_.Button5->isEnabled()) Run([this] { Button5Click(); });
  });
  file->addSeparator();
  file->addAction("&World editor...", QKeySequence(Qt::CTRL | Qt::Key_W), this,
                  [this] { Run([this] { ShowWorldEditor(); }); });
  file->addAction("&Export world to Tiled...", this, [this] { Run([this] { ExportWorldToTiled(); }); });
  file->addAction("&Import world from Tiled...", this, [this] { Run([this] { ImportWorldFromTiled(); }); });
  file->addAction("Restore poi&nts...", this, [this] { Run([this] { ShowRestorePoints(); }); });
  file->addAction("&Test this screen", this, [this] { Run([this] { TestScreenClick(); }); });
  file->addAction("&Play from this screen", QKeySequence(Qt::Key_F6), this, [this] {
    if (controls_.PlayScreenButton->isEnabled()) Run([this] { PlayScreenClick(); });
  });
  BuildPicturesMenu(file);
  file->addSeparator();
  file->addAction("&Quit", QKeySequence::Quit, this, &QWidget::close);

  QMenu* edit = menuBar()->addMenu("&Edit");
  QAction* undo = history_->createUndoAction(this, "&Undo");
  undo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
  QAction* redo = history_->createRedoAction(this, "&Redo");
  redo->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
  edit->addAction(undo);
  edit->addAction(redo);
  edit->addSeparator();
  edit->addAction("&Copy screen", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C), this,
                  [this] { Run([this] { CopyShownScreen(); }); });
  edit->addAction("&Paste screen", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_V), this,
                  [this] { Undoable("Paste screen", [this] { PasteShownScreen(); }); });

  BuildViewMenu();

  QMenu* help = menuBar()->addMenu("&Help");
  help->addAction("&Help", QKeySequence::HelpContents, this, [this] { ShowHelp(); });
  help->addAction("&About...", this, [this] { Run([this] { BitBtn1Click(); }); });

  const std::pair<Qt::Key, QPoint> arrows[] = {
      {Qt::Key_Left, {-1, 0}}, {Qt::Key_Right, {1, 0}}, {Qt::Key_Up, {0, -1}}, {Qt::Key_Down, {0, 1}}};
  for (const auto& [key, step] : arrows)
    connect(new QShortcut(QKeySequence(key), this), &QShortcut::activated, this,
            [this, step = step] { Run([this, step] { MoveSelection(step.x(), step.y()); }); });
}

// The status bar lays out its text when it is made, so it waits for the font list.
void TForm1::BuildStatusRow() {
  auto* unsaved = new QLabel(this);
  unsaved->setObjectName("UnsavedLabel");
  // A palette, not a style sheet: a style sheet puts a style of its own over the label.
  QPalette palette = unsaved->palette();
  palette.setColor(QPalette::WindowText, QColor(0xa0, 0, 0));
  unsaved->setPalette(palette);
  registry_.add(unsaved);
  statusBar()->addWidget(unsaved, 1);
  auto* test = new QPushButton("Test this screen", this);
  test->setObjectName("TestScreenButton");
  test->setToolTip("Run a copy of the ROM that starts on this screen in an NES emulator");
  test->setEnabled(false);
  registry_.add(test);
  statusBar()->addPermanentWidget(test);
  auto* play = new QPushButton("Play from this screen", this);
  play->setObjectName("PlayScreenButton");
  play->setToolTip("Run a copy of the ROM that starts on this screen here, in the Play panel (F6)");
  play->setEnabled(false);
  registry_.add(play);
  statusBar()->addPermanentWidget(play);
  statusBar()->setSizeGripEnabled(false);
}

}  // namespace quelbrook
