#pragma once
// The whole world of one ROM as the world editor edits it: the 128 records as read
// (and as saved last) and as edited, the start screen, and the undo stack of edits.
// Every edit is a command on that stack; views repaint from the signals.

#include <QObject>
#include <QRect>
#include <QUndoStack>
#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "byte_map.h"
#include "screen_data.h"
#include "tile_block.h"
#include "world_edit.h"
#include "world_save.h"

namespace quelbrook {

// The item is object 0, enemies 1..4.
constexpr int kWorldObjectCount = 1 + kEnemyCount;
int DestinationByteOfObject(int object);

class WorldDocument : public QObject {
  Q_OBJECT
 public:
  // Reads every record, the start and the end screen (open, read, close); throws EditorError.
  explicit WorldDocument(std::string romPath, QObject* parent = nullptr);

  const std::string& romPath() const { return romPath_; }
  QUndoStack* history() { return &history_; }

  const RecordBytes& record(int screen) const { return records_[Index(screen)]; }
  ScreenData screen(int screen) const { return DecodeScreenRecord(record(screen)); }
  std::uint8_t tile(QPoint cell) const;
  std::optional<int> startScreen() const;
  std::optional<int> endScreen() const { return endScreen_; }

  bool isScreenChanged(int screen) const { return records_[Index(screen)] != saved_[Index(screen)]; }
  std::vector<int> changedScreens() const;
  bool isStartScreenChanged() const { return startByte_ != savedStartByte_; }
  bool hasUnsavedChanges() const { return isStartScreenChanged() || !changedScreens().empty(); }

  // Edits; each pushes one undo step, or none when it would change nothing.
  // Cells of the same stroke number become one step.
  void paint(QPoint cell, std::uint8_t tile, int stroke);
  void fill(QPoint cell, std::uint8_t tile);
  TileBlock copyCells(const QRect& cells) const;
  void clearCells(const QRect& cells, const QString& verb);  // verb: "Clear", "Cut"
  // Cells falling outside the world are left out.
  void pasteCells(QPoint topLeft, const TileBlock& block);
  void moveObject(int screen, int object, int destination);
  void putRecord(int screen, const RecordBytes& record);
  void swapScreens(int first, int second);
  void clearScreen(int screen);
  void setStartScreen(int screen);

  // Writes every changed record and the start screen if changed, nothing else, after
  // checking that the file still holds what was read; beforeWrite runs once the check
  // passed (the backup). Throws EditorError on a failed read or write.
  SaveOutcome save(const std::function<void()>& beforeWrite);
  // Takes these screens from the file again, dropping their edits and the history.
  void reloadScreens(const std::vector<int>& screens);
  // Takes everything from the file again and forgets the history.
  void reloadAll();

  // Used by the commands only.
  void apply(const WorldEdit& edit, bool forward);

 signals:
  void cellsChanged(const QRect& cells);
  void screensChanged(const std::vector<int>& screens);
  void marksChanged();
  void unsavedChanged();

 private:
  static std::size_t Index(int screen) { return static_cast<std::size_t>(screen - 1); }
  void push(const QString& description, WorldEdit edit, int stroke = 0);
  WorldEdit setCells(const std::vector<std::pair<QPoint, std::uint8_t>>& cells) const;
  RecordChange recordChange(int screen, const RecordBytes& after) const;

  std::string romPath_;
  std::array<RecordBytes, kScreenCount> records_{};
  std::array<RecordBytes, kScreenCount> saved_{};
  std::uint8_t startByte_ = 0;
  std::uint8_t savedStartByte_ = 0;
  std::optional<int> endScreen_;
  QUndoStack history_;
  // The ROM's restore points, kept open while the document lives.
  history::KeptHistory restorePoints_{romPath_};
};

}  // namespace quelbrook
