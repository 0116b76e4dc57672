#pragma once
// The world editor: the whole world of the bound ROM on one canvas, the tile palette
// beside it, the history of edits below, and Save of every changed record.

#include <QMainWindow>
#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "dialogs.h"
#include "screen_data.h"

class QDragEnterEvent;
class QDropEvent;
class QAction;
class QLabel;
class QMenu;
class QProgressBar;
class QPushButton;
class QTimer;

namespace quelbrook {

class ConsoleCaptures;
class RomWatcher;
class WorldCanvas;
class WorldDocument;
class WorldPictures;
class WorldTilePalette;

class WorldEditor : public QMainWindow {
  Q_OBJECT
 public:
  struct Hooks {
    std::function<void(int screen)> showScreen;                             // "Show in main window"
    std::function<void(int screen, const RecordBytes& record)> playScreen;  // "Play from this screen"
    std::function<void()> beforeWrite;                                      // the backup before a save writes
    std::function<void(const std::vector<int>& screens)> saved;             // records just written
    std::function<void(const QString& path)> openRom;                       // a .nes file dropped here
    std::function<ConsoleCaptures*()> consoleCaptures;  // the console view's, for this ROM
  };

  // Reads the ROM at once; throws EditorError when it cannot be read. Pictures are
  // found relative to pictureDirectory.
  WorldEditor(std::string romPath, const QString& pictureDirectory, Dialogs& dialogs, Hooks hooks,
              QWidget* parent = nullptr);
  ~WorldEditor() override;

  WorldDocument& document() { return *document_; }
  WorldCanvas* canvas() const { return canvas_; }
  WorldTilePalette* tilePalette() const { return palette_; }
  QMenu* screenMenu() const { return screenMenu_; }

  // Writes the changes; false when nothing could be written (the user was told why).
  bool save();
  // Closes when the user already agreed to let the unsaved changes go.
  void closeWithoutAsking();
  // Draws with the pictures in `directory` from now on, as the main window does.
  void usePictures(const QString& directory);
  // The full-size world (4096 x 1536) as edited, with its marks; throws EditorError.
  void saveAsPng(const QString& path) const;

  // Tiles of the selection and the clipboard.
  void copySelection();
  void cutSelection();
  void deleteSelection();
  void paste();
  // The screen menu's entries.
  void copyScreen(int screen);
  void pasteScreen(int screen);
  void swapWithCopiedScreen(int screen);
  int copiedScreen() const { return copiedScreen_; }

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  void buildMenus();
  void buildDocks();
  void buildConsoleView(QMenu* view);
  void consoleViewToggled(bool on);
  void consoleScreenChanged(int screen);
  void askConsole(int screen);
  // Every screen, with the progress shown: the view turned on or its captures forgotten.
  void askWholeWorld();
  // The tile palette in the palettes of this screen, the one under the cursor.
  void showConsolePalette(int screen);
  void showCaptureProgress();
  void showScreenMenu(int screen, QPoint globalPosition);
  void updateTitle();
  void updatePictures();
  void reloadFromFile();
  // Another program (or the main window) wrote the ROM.
  void fileChangedElsewhere();
  void saveAsPngClick();
  // Asks Save / Discard / Cancel when there are unsaved changes; true when closing may go on.
  bool mayClose();
  // Failures become a message box, as in the main window.
  void run(const std::function<void()>& operation);

  Dialogs& dialogs_;
  Hooks hooks_;
  QString pictureDirectory_;
  std::unique_ptr<WorldPictures> pictures_;
  WorldDocument* document_ = nullptr;
  WorldCanvas* canvas_ = nullptr;
  WorldTilePalette* palette_ = nullptr;
  QMenu* screenMenu_ = nullptr;
  RomWatcher* watcher_ = nullptr;
  QLabel* zoomLabel_ = nullptr;
  QLabel* hoverLabel_ = nullptr;
  QLabel* missingLabel_ = nullptr;
  QAction* consoleView_ = nullptr;
  ConsoleCaptures* captures_ = nullptr;  // while the console view is on; the main window's
  QProgressBar* captureProgress_ = nullptr;
  QPushButton* cancelCapture_ = nullptr;
  QTimer* changedSettle_ = nullptr;
  std::set<int> changedScreens_;  // asked for once the stroke pauses
  int copiedScreen_ = 0;
  bool closeAgreed_ = false;
};

// "screen 3" or "screens 3, 7 and 9".
QString ScreenListText(const std::vector<int>& screens);

}  // namespace quelbrook
