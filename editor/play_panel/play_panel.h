#pragma once
// The Play panel: a copy of the ROM running in the NES core inside the editor, 60 frames a
// second, with its sound, the keyboard as the pad, pause and restart. Closing it stops the
// core and frees it.

#include <QByteArray>
#include <QElapsedTimer>
#include <QWidget>
#include <memory>
#include <optional>

#include "host.h"
#include "key_map.h"

class QGridLayout;
class QSettings;
class QLabel;
class QPushButton;
class QTimer;

namespace quelbrook {

class GameSound;
class PlayView;

// Where the panel keeps its key map ("play/keys/...") and where a core other than the first
// one found is named ("play/core"): ~/.config/quelbrook/editor.conf.
std::unique_ptr<QSettings> PlaySettings();

class PlayPanel : public QWidget {
  Q_OBJECT
 public:
  // Loads the core the settings name, else the first NES core found; throws EditorError
  // when there is none or it cannot be loaded.
  explicit PlayPanel(QWidget* parent = nullptr);
  ~PlayPanel() override;

  // Runs `rom` from its start, its name shown in the title; throws EditorError when the core
  // refuses it.
  void Play(const QByteArray& rom, const QString& name);
  void SetPaused(bool paused);
  bool IsPaused() const;
  // Starts the same copy again.
  void Restart();

  play::Host& host() { return *host_; }
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
  void Tick();
  void RestartClock();

  std::unique_ptr<play::Host> host_;
  std::unique_ptr<GameSound> sound_;
  QByteArray rom_;
  QString name_;
  KeyMap keys_;
  play::PadState pad_;
  std::optional<play::PadButton> rebinding_;  // the button waiting for its new key

  PlayView* view_;
  QTimer* timer_;
  QPushButton* pauseButton_;
  QLabel* status_;
  QPushButton* keyButtons_[play::kPadButtonCount] = {};
  QElapsedTimer clock_;
  std::int64_t framesAtClockStart_ = 0;
};

}  // namespace quelbrook
