#pragma once
// The Play panel: a copy of the ROM running in the NES core inside the editor, 60 frames a
// second, with its sound, the keyboard as the pad, pause and restart. Closing it unloads the
// game and shuts the core down.

#include <QByteArray>
#include <QWidget>
#include <functional>
#include <memory>
#include <optional>

#include "console_process.h"
#include "frame_pacer.h"
#include "key_map.h"
#include "pad_recording.h"

class QGridLayout;
class QSettings;
class QLabel;
class QPushButton;
class QTimer;

namespace quelbrook {

class GameSound;
class PlayView;

// Where the panel keeps its key map ("play/keys/...") and where a core other than the first
// one found is named ("play/core"): the editor's settings, as main.cpp names them.
std::unique_ptr<QSettings> PlaySettings();

class PlayPanel : public QWidget {
  Q_OBJECT
 public:
  // Runs one of the panel's own operations (a frame, a restart) as its window runs its
  // commands, so that a failure becomes the window's error box.
  using RunShowingErrors = std::function<void(const std::function<void()>&)>;
  // Where a recorded route goes: the user's answer, nothing when they cancel.
  using AskRouteFile = std::function<std::optional<QString>()>;

  // Loads the core the settings name, else the first NES core found; throws EditorError
  // when there is none or it cannot be loaded.
  PlayPanel(RunShowingErrors run, AskRouteFile askRouteFile, QWidget* parent);
  ~PlayPanel() override;

  // Runs `rom`, a copy of the ROM at romPath, from its start, the ROM's name shown in the
  // title; romPath also names its quick state. Throws EditorError when it is no ROM (the game
  // before it plays on) or the core refuses it (then no game is left).
  void Play(const QByteArray& rom, const QString& romPath);
  void SetPaused(bool paused);
  bool IsPaused() const;
  // Starts the same copy again.
  void Restart();
  // The quick state slot of the ROM (F2, F4). Both throw EditorError; loading a state the
  // core refuses leaves the game playing as it was.
  void SaveQuickState();
  void LoadQuickState();
  // Recording a route starts the copy again and writes down the pad from its first frame;
  // stopping asks where to save it as an input script. Throws EditorError.
  void StartRecording();
  void StopRecording();

  play::Console& host() { return *host_; }
  // The copy being played, as handed to the core.
  const QByteArray& rom() const { return rom_; }
  PlayView* view() const { return view_; }
  const KeyMap& keyMap() const { return keys_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void BuildKeyButtons(QGridLayout* grid);
  void ShowKeyNames();
  bool HandleKey(const QKeyEvent& event, bool down);
  void RunFrameWithPad();
  void Tick();
  void RunDueFrames();
  void ScheduleNextTick();
  void ShowNoGame();
  QString PlayingText() const;

  RunShowingErrors run_;
  AskRouteFile askRouteFile_;
  std::unique_ptr<play::ConsoleProcess> host_;
  std::unique_ptr<GameSound> sound_;
  QByteArray rom_;
  QString romPath_;
  KeyMap keys_;
  play::PadState pad_;
  std::optional<play::PadRecording> recording_;
  std::optional<play::PadButton> rebinding_;  // the button waiting for its new key

  PlayView* view_;
  QTimer* timer_;  // wakes once for each frame due
  std::optional<play::FramePacer> pacer_;
  QPushButton* pauseButton_;
  QPushButton* restartButton_;
  QPushButton* recordButton_;
  QLabel* status_;
  QPushButton* keyButtons_[play::kPadButtonCount] = {};
};

}  // namespace quelbrook
