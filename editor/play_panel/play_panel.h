#pragma once
// The Play panel: a copy of the ROM running in the NES core inside the editor, 60 frames a
// second, with its sound, the keyboard and gamepads as the pad, pause and restart. Closing it unloads the
// game and shuts the core down.

#include <QByteArray>
#include <QWidget>
#include <array>
#include <functional>
#include <memory>
#include <optional>

#include "console_process.h"
#include "frame_pacer.h"
#include "key_map.h"
#include "pad_recording.h"
#include "panel_keys.h"
#include "rewind_ring.h"
#include "state_slots.h"

class QAbstractButton;
class QGridLayout;
class QSettings;
class QLabel;
class QPushButton;
class QTimer;
class QToolButton;

namespace quelbrook {

class GamepadControls;
class GameSound;
class PlayView;

// Where the panel keeps its key map ("play/keys/..."): the editor's settings, as main.cpp
// names them.
std::unique_ptr<QSettings> PlaySettings();

class PlayPanel : public QWidget {
  Q_OBJECT
 public:
  // Runs one of the panel's own operations (a frame, a restart) as its window runs its
  // commands, so that a failure becomes the window's error box.
  using RunShowingErrors = std::function<void(const std::function<void()>&)>;
  // Where a recorded route goes: the user's answer, nothing when they cancel.
  using AskRouteFile = std::function<std::optional<QString>()>;
  // A new copy of the ROM at romPath, starting on startScreen, with the windows' current
  // values, unsaved ones included. Throws EditorError.
  using FreshCopy = std::function<QByteArray(const QString& romPath, int startScreen)>;

  // Loads the core the settings name, else the first NES core found; throws EditorError
  // when there is none or it cannot be loaded.
  PlayPanel(RunShowingErrors run, AskRouteFile askRouteFile, FreshCopy freshCopy, QWidget* parent);
  ~PlayPanel() override;

  // Runs `rom`, a copy of the ROM at romPath, from its start, the ROM's name shown in the
  // title; romPath also names its quick state. Throws EditorError when it is no ROM (the game
  // before it plays on) or the core refuses it (then no game is left).
  void Play(const QByteArray& rom, const QString& romPath);
  void SetPaused(bool paused);
  bool IsPaused() const;
  // What rewinding keeps in memory: the states of up to its last ten seconds.
  qsizetype RewindBytes() const { return rewind_ ? rewind_->StateBytes() : 0; }
  // Starts the same copy again.
  void Restart();
  // The ROM's state slots (state_slots.h). Both throw EditorError; loading a state the core
  // refuses leaves the game playing as it was.
  void SaveState(int slot);
  void LoadState(int slot);
  // While rewinding, each frame due steps the game one frame back instead of forward, down
  // to the oldest frame kept; paused, each start of rewinding is one frame back.
  void SetRewinding(bool rewinding);
  // Plays on from where the game is, in a fresh copy with the windows' current values: the
  // screens show them the next time the game draws them. Throws EditorError, the game as it
  // was playing on.
  void ApplyEdits();
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
  QToolButton* BuildStatesButton();
  // The buttons that need a game.
  std::array<QAbstractButton*, 5> GameButtons() const;
  void RunPanelCommand(PanelKey key, bool down);
  // Takes a new copy as the game's, its slots and rewind following it.
  void UseCopy(const QByteArray& rom, const QString& romPath);
  void ShowCurrentFrame();
  void ShowKeyNames();
  bool HandleKey(const QKeyEvent& event, bool down);
  void RunFrameWithPad();
  void Tick();
  void RunDueFrames();
  void ScheduleNextTick();
  void ShowNoGame();
  QString PlayingText() const;
  static QString OldestFrameText();

  RunShowingErrors run_;
  AskRouteFile askRouteFile_;
  FreshCopy freshCopy_;
  std::unique_ptr<play::ConsoleProcess> host_;
  std::unique_ptr<GameSound> sound_;
  QByteArray rom_;
  QString romPath_;
  KeyMap keys_;
  play::PadState pad_;  // the keyboard's
  std::optional<play::PadRecording> recording_;
  std::optional<play::StateSlots> slots_;
  std::optional<play::RewindRing> rewind_;  // none when the core cannot save states
  bool rewinding_ = false;
  std::optional<play::PadButton> rebinding_;  // the button waiting for its new key

  PlayView* view_;
  QTimer* timer_;  // wakes once for each frame due
  GamepadControls* gamepads_;
  std::optional<play::FramePacer> pacer_;
  QPushButton* pauseButton_;
  QPushButton* restartButton_;
  QPushButton* recordButton_;
  QToolButton* statesButton_;
  QPushButton* applyButton_;
  QLabel* status_;
  QPushButton* keyButtons_[play::kPadButtonCount] = {};
};

}  // namespace quelbrook
