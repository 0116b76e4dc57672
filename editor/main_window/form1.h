#pragma once
// The main window. Its controls hold the shown screen as text; its handlers are
// the editor's operations, each run inside one error guard.

#include <QMainWindow>
#include <QString>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "control_registry.h"
#include "dialogs.h"
#include "editor_state.h"
#include "form1_controls.h"
#include "map_file.h"
#include "picture_choice.h"
#include "picture_loader.h"
#include "rom_patch.h"
#include "screen_edit.h"
#include "screen_value.h"

class QAction;
class QCloseEvent;
class QDragEnterEvent;
class QDropEvent;
class QKeyEvent;
class QMenu;
class QLineEdit;
class QPushButton;
class QTimer;
class QUndoStack;
class QKeySequence;

namespace quelbrook {

class ConsoleCaptures;
class ImageControl;
class ImagePanel;
class TileCodeTable;
class TForm2;
class WorldEditor;

namespace history {
class KeptHistory;
}

class TForm1 : public QMainWindow {
  Q_OBJECT
 public:
  // Dialogs default to the real ones; tests pass scripted answers.
  explicit TForm1(Dialogs* dialogs = nullptr, QWidget* parent = nullptr);
  ~TForm1() override;
  // The pictures the window shows when it opens, which FormCreate loads.
  static std::vector<std::string> StartPicturePaths();

  // Runs one operation the way a user's click does: failures become a message box.
  void Run(const std::function<void()>& operation);

  const ControlRegistry& registry() const { return registry_; }
  EditorState& state() { return state_; }
  // The help window; without one, the window makes its own when help is first asked for.
  void setHelpWindow(TForm2* help) { help_ = help; }

  // Window creation and the ROM.
  void FormCreate();
  void Button2Click();  // Open ROM
  // Opens a ROM without the dialog (command line, Open Recent, a dropped file), asking
  // first when the shown screen has unsaved edits; true when it is open now.
  bool OpenRomFile(const QString& path);
  void OpenRecentRom(const QString& path);
  void Button1Click();  // Reload screen
  void Button5Click();  // Save screen

  // Navigation: "<" and ">" of the screen number.
  void Button3Click();
  void Button4Click();

  // Tiles.
  void ImageClick(int cell);        // Image1Click .. Image48Click
  void PicClick(int paletteImage);  // Pic1Click .. Pic176Click
  void Button10Click();             // Clear screen

  // Colour palettes.
  void SpinButton1UpClick();
  void SpinButton1DownClick();
  void PaletteStepClick(int palette, int direction);  // Button31/32 (palette 1), Button29/30 (2)

  // Items and enemies.
  void ItemKindStepClick(int direction);                 // Button8, Button9
  void EnemyKindStepClick(int enemy, int direction);     // Button11/12, 15/16, 19/20, 23/24
  void DestinationStepClick(int object, int direction);  // Button6/7, 13/14, 17/18, 21/22, 25/26
  void ShowBoxClick(int object);                         // CheckBox1Click .. CheckBox5Click
  void CheckBox6Click();                                 // Show All

  // Side files.
  void Button27Click();  // Export map
  void Button28Click();  // Import map
  void Button33Click();  // Export T/P/I/E
  void Button34Click();  // Import T/P/I/E

  // Game-wide settings.
  void GameScreenStepClick(QLineEdit* field, int direction);  // Button35/36 start, Button38/39 end
  void Button37Click();                                       // Save start screen
  void Button40Click();                                       // Save end screen
  void Button41Click();                                       // Save Ending text
  bool Memo1KeyPress(const QKeyEvent& key) const;             // true: the key is discarded
  void GameSettingsToggled(bool shown);

  // Beyond the window's own controls: history, test run, shortcuts.
  // Runs an edit of the shown screen so that it can be undone.
  void Undoable(const QString& description, const std::function<void()>& edit);
  ScreenEdit ShownScreenEdit() const;
  void ShowScreenEdit(const ScreenEdit& target);
  QUndoStack* history() const { return history_; }
  bool hasUnsavedEdits() const;
  void MoveSelection(int columns, int rows);  // arrow keys
  void TestScreenClick();
  // F6: the shown screen, unsaved edits included, in the Play panel; PlayScreen runs a record
  // of the caller's (the world editor's) instead.
  void PlayScreenClick();
  void PlayScreen(int screen, const RecordBytes& record);
  // For "Apply edits" in the Play panel: a copy of the ROM at romPath (the open one) that
  // starts on startScreen, with the world editor's unsaved records and the shown screen's
  // record (the world editor's for that screen when only it has unsaved edits there).
  QByteArray PlayCopyWithEdits(const QString& romPath, int startScreen) const;
  // Opens the world editor on the bound ROM, or brings it to the front.
  void ShowWorldEditor();
  // File menu: learn the ROM's pictures into its learned folder and draw with them; the
  // Pictures choice; UsePicturesOfRom draws with the choice remembered for the bound ROM.
  void BuildPicturesMenu(QMenu* file);
  void ChoosePictures(PictureChoice choice);
  void LearnPicturesClick();
  void UsePicturesOfRom();
  // The open world editor; none when it is closed.
  WorldEditor* ShownWorldEditor() const;
  // After the world editor saved these records: show the saved screen, or say why not.
  void WorldScreensSaved(const std::vector<int>& screens);
  // Right click on cell n: its tile becomes the palette's marked tile.
  void PickCellTile(int cell);
  // Ctrl+Shift+C and Ctrl+Shift+V: the whole shown screen through the clipboard.
  void CopyShownScreen();
  void PasteShownScreen();
  // Another program (or the world editor) wrote the bound ROM: show it unless edits would be lost.
  void RomChangedElsewhere();
  // The whole world as a Tiled map, and back into the ROM with the shown screen reloaded.
  void ExportWorldToTiled();
  void ImportWorldFromTiled();
  // The shown screen as the console draws it: the captures for the bound ROM, made on first
  // use (none without a ROM), which the world editor shares.
  ConsoleCaptures* Captures();
  void ConsoleViewToggled(bool on);
  // File > Restore points...: the list, and a point written back after the usual questions.
  void ShowRestorePoints();

  // Help and About.
  void BitBtn1Click();
  void Timer1Timer();
  void Image49Click();
  void ShowHelp();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  void BuildWindow();
  void BuildImageGrid(const char* stem, int count, int columns, int left, int top);
  void ConnectHandlers();
  // Open ROM once a file is chosen: binds it, shows its start screen, lists it as recent.
  void OpenRom(const QString& path);
  // True when there are no unsaved edits of the shown screen, or the user lets them go.
  bool MayLoseUnsavedEdits(const QString& because, const QString& action);
  void FillRecentMenu();
  void ConnectClick(QPushButton* button, std::function<void()> handler);
  void ConnectEdit(QPushButton* button, const QString& description, std::function<void()> handler);
  void BuildMenus();
  void BuildViewMenu();
  void BuildStatusRow();
  void AddShortcut(const QKeySequence& keys, QPushButton* button, std::function<void()> handler);
  void MarkClean();
  // After every change of the shown screen: the unsaved note and the console view follow it.
  void ShownScreenChanged();
  void AddNumericField(QLineEdit* field, int lower, int upper, bool lenientMouse = false);

  void PlaceMarker(ImageControl* marker, int destination);
  void RecognisePreset();
  void ApplyPreset(int preset);
  static void StepScreenField(QLineEdit* field, int direction);

  // Tile cell n (1..48) and palette image n (1..176), looked up by their composed names.
  ImageControl* Image(int cell) const;
  ImageControl* Pic(int n) const;
  static int numberIn(const QLineEdit* field);
  void setPicture(ImageControl* image, const std::string& relativePath);
  void RequireLocatedRecord() const;
  // The number (1..128) of the screen whose record is shown.
  int ShownScreenNumber() const;
  // The backup copy before the first write after Open ROM.
  void EnsureBackup();
  // Notices changes of the bound ROM that this window did not make.
  void WatchRom();
  void NoteOwnRomWrite();
  // Reload screen of the screen shown, whatever number Edit1 holds now.
  void ReloadShownScreen();
  // The shown screen: read from the controls, or put into them with its pictures.
  ScreenValue ShownScreenValue() const;
  void ShowScreenValue(const ScreenValue& value);
  // Cells whose code equals `unchanged`'s are left alone.
  void ShowTileCodes(const MapFile& codes, const MapFile* unchanged = nullptr);
  void ShowFieldTexts(const ScreenValue& value);
  // Save screen, its restore point in these words: an import names its file.
  void SaveShownScreen(const std::string& words);
  std::string SaveScreenWords() const;
  // Every write to the bound ROM goes through here, kept as a restore point in these words.
  void WriteRom(const std::vector<BytePatch>& patches, const std::string& words);
  bool ShowsConsoleView() const;
  // The cells and tile palette as captured for the shown values, or marked as waiting.
  void FollowInConsoleView();
  // After the ROM changed on disk, or was refused: captured again from its new bytes when its
  // game changed (ConsoleCaptures::forget).
  void ForgetConsolePictures();
  void ShowConsolePalette();
  // True when tile `code` is shown as captured in the shown palettes.
  bool ShowConsoleTile(int code);
  // The bound ROM's restore points, kept open while it stays bound.
  history::KeptHistory& RestorePoints();
  // Says once per ROM why its restore points are off.
  void TellHistoryNote(const std::string& note);
  void RestoreToPoint(const std::string& romPath, int point);

  std::unique_ptr<Dialogs> ownDialogs_;
  Dialogs* dialogs_;
  ControlRegistry registry_;
  Form1Controls controls_{};
  EditorState state_;
  std::unique_ptr<PictureLoader> pictures_;
  std::unique_ptr<history::KeptHistory> restorePoints_;
  ImagePanel* panel_ = nullptr;
  QTimer* timer_ = nullptr;
  TForm2* help_ = nullptr;
  QUndoStack* history_ = nullptr;
  QMenu* recentMenu_ = nullptr;
  QAction* consoleViewAction_ = nullptr;
  std::unique_ptr<ConsoleCaptures> captures_;
  std::optional<std::pair<int, int>> consolePalettes_;  // the palettes the tile palette shows
  bool typedSinceClean_ = false;                        // typing is not on the undo stack but is unsaved
};

}  // namespace quelbrook
