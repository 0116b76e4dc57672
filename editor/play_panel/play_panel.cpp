#include "play_panel.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QSaveFile>
#include <QSettings>
#include <QSignalBlocker>
#include <QTimer>
#include <QVBoxLayout>

#include "core_search.h"
#include "editor_error.h"
#include "game_sound.h"
#include "kept_console.h"
#include "play_view.h"
#include "quick_state.h"
#include "screen_watch.h"

namespace quelbrook {

namespace {
// As emulator users expect them.
constexpr int kSaveStateKey = Qt::Key_F2;
constexpr int kLoadStateKey = Qt::Key_F4;

QString ButtonTitle(play::PadButton button) {
  QString name = play::PadButtonName(button);
  return name.size() == 1 ? name.toUpper() : name.left(1).toUpper() + name.mid(1);
}
}  // namespace

std::unique_ptr<QSettings> PlaySettings() { return std::make_unique<QSettings>(); }

PlayPanel::PlayPanel(RunShowingErrors run, AskRouteFile askRouteFile, QWidget* parent)
    : QWidget(parent, Qt::Window), run_(std::move(run)), askRouteFile_(std::move(askRouteFile)) {
  setObjectName("PlayPanel");
  setAttribute(Qt::WA_DeleteOnClose);
  const auto settings = PlaySettings();
  host_ = play::TakeKeptConsole(play::ChooseNesCore(settings->value("play/core").toString()));
  keys_ = KeyMap::Load(*settings);

  view_ = new PlayView(this);
  view_->installEventFilter(this);
  pauseButton_ = new QPushButton("Pause", this);
  pauseButton_->setObjectName("PauseButton");
  pauseButton_->setCheckable(true);
  restartButton_ = new QPushButton("Restart from the screen", this);
  restartButton_->setObjectName("RestartButton");
  recordButton_ = new QPushButton("Record route", this);
  recordButton_->setObjectName("RecordButton");
  recordButton_->setCheckable(true);
  status_ = new QLabel(this);
  status_->setObjectName("PlayStatus");
  status_->setWordWrap(true);  // a long note must not widen the panel
  for (QPushButton* button : {pauseButton_, restartButton_, recordButton_})
    button->setFocusPolicy(Qt::NoFocus);
  connect(pauseButton_, &QPushButton::toggled, this, [this](bool paused) { SetPaused(paused); });
  connect(restartButton_, &QPushButton::clicked, this, [this] { run_([this] { Restart(); }); });
  connect(recordButton_, &QPushButton::toggled, this,
          [this](bool record) { run_([this, record] { record ? StartRecording() : StopRecording(); }); });

  auto* controls = new QHBoxLayout;
  controls->addWidget(pauseButton_);
  controls->addWidget(restartButton_);
  controls->addWidget(recordButton_);
  controls->addWidget(status_, 1);
  auto* keyGrid = new QGridLayout;
  BuildKeyButtons(keyGrid);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(view_, 1);
  layout->addLayout(controls);
  layout->addWidget(new QLabel(
      "Keys (click one, then press the key it should be; F2 saves the state, F4 loads it):", this));
  layout->addLayout(keyGrid);

  timer_ = new QTimer(this);
  timer_->setTimerType(Qt::PreciseTimer);
  timer_->setSingleShot(true);
  connect(timer_, &QTimer::timeout, this, [this] { Tick(); });
  ShowNoGame();
}

PlayPanel::~PlayPanel() = default;

void PlayPanel::BuildKeyButtons(QGridLayout* grid) {
  for (play::PadButton button : play::kPadButtons) {
    const int index = static_cast<int>(button);
    auto* key = new QPushButton(this);
    key->setObjectName(QString("KeyButton_") + play::PadButtonName(button));
    key->setFocusPolicy(Qt::NoFocus);
    connect(key, &QPushButton::clicked, this, [this, button] {
      rebinding_ = button;
      ShowKeyNames();
      view_->setFocus();
    });
    keyButtons_[index] = key;
    grid->addWidget(key, index / 4, index % 4);
  }
  ShowKeyNames();
}

void PlayPanel::ShowKeyNames() {
  for (play::PadButton button : play::kPadButtons) {
    const QString key =
        rebinding_ == button ? QString("press a key...") : KeyMap::NameOf(keys_.BindingOf(button));
    keyButtons_[static_cast<int>(button)]->setText(ButtonTitle(button) + ": " +
                                                   (key.isEmpty() ? "none" : key));
  }
}

void PlayPanel::Play(const QByteArray& rom, const QString& romPath) {
  const QString name = QFileInfo(romPath).fileName();
  try {
    host_->LoadRom(rom, name);
  } catch (...) {
    if (!host_->HasRom()) ShowNoGame();
    throw;
  }
  rom_ = rom;
  romPath_ = romPath;
  setWindowTitle("Play - " + name);
  if (!sound_) sound_ = std::make_unique<GameSound>(host_->SampleRate());
  pacer_.emplace(host_->FramesPerSecond());
  // The first picture at once, not a frame later.
  RunFrameWithPad();
  view_->ShowPicture(host_->Frame());
  for (QPushButton* button : {pauseButton_, restartButton_, recordButton_}) button->setEnabled(true);
  {
    const QSignalBlocker unchanged(pauseButton_);
    pauseButton_->setChecked(false);
  }
  timer_->stop();  // the pacer counts from this first picture
  SetPaused(false);
}

void PlayPanel::Restart() {
  if (recording_) recording_.emplace();  // a route starts with its game
  Play(rom_, romPath_);
}

void PlayPanel::RunFrameWithPad() {
  if (recording_) recording_->Record(pad_);
  host_->SetPad(pad_);
  host_->RunFrame();
}

void PlayPanel::StartRecording() {
  recording_.emplace();
  Play(rom_, romPath_);
  status_->setText("Recording a route from the start of the game: Record route again saves it");
}

void PlayPanel::StopRecording() {
  if (!recording_) return;
  const std::string script = recording_->Script();
  recording_.reset();
  if (script.empty()) {
    status_->setText("Nothing was pressed: no route to save");
    return;
  }
  const auto path = askRouteFile_();
  if (!path) {
    status_->setText("The route was not saved");
    return;
  }
  QSaveFile file(*path);
  if (!file.open(QIODevice::WriteOnly) || file.write(QByteArray::fromStdString(script + "\n")) < 0 ||
      !file.commit())
    throw EditorError("The route could not be saved to " + path->toStdString() + ": " +
                      file.errorString().toStdString());
  status_->setText(QString("Route saved: quelbrook route %1 %2 --screen %3 plays it again")
                       .arg(QFileInfo(romPath_).fileName(), QFileInfo(*path).fileName())
                       .arg(play::GameStartScreen(rom_)));
}

void PlayPanel::SaveQuickState() {
  if (!host_->HasRom()) return;
  play::WriteQuickState(romPath_, host_->SaveState());
  status_->setText("State saved: F4 goes back to it");
}

void PlayPanel::LoadQuickState() {
  if (!host_->HasRom()) return;
  const auto state = play::ReadQuickState(romPath_);
  if (!state) {
    status_->setText("No state is saved for " + QFileInfo(romPath_).fileName() + ": F2 saves one");
    return;
  }
  if (recording_) {
    status_->setText("A route cannot jump to a saved state: stop recording first");
    return;
  }
  host_->LoadState(*state);
  // The picture of the state, also while paused.
  RunFrameWithPad();
  view_->ShowPicture(host_->Frame());
  status_->setText("State loaded");
}

void PlayPanel::SetPaused(bool paused) {
  if (!host_->HasRom()) return;
  if (paused) {
    timer_->stop();
  } else if (!timer_->isActive()) {
    pacer_->Start();
    ScheduleNextTick();
  }
  if (sound_) sound_->Pause(paused);
  status_->setText(paused ? "Paused" : PlayingText());
}

bool PlayPanel::IsPaused() const { return !timer_->isActive(); }

QString PlayPanel::PlayingText() const {
  QString text = sound_ && sound_->IsSilent() ? "Playing (no sound device)" : "Playing";
  if (!host_->FramesAreReproducible())
    text += " on " + host_->CoreName() +
            ", whose colours and settings are not the editor's: frames may differ from its pictures, "
            "and learning pictures needs Debian's Nestopia core";
  return text;
}

void PlayPanel::ShowNoGame() {
  timer_->stop();
  host_->UnloadRom();
  if (sound_) sound_->Pause(true);
  rom_.clear();
  setWindowTitle("Play - no game");
  view_->ShowPicture({});
  {
    const QSignalBlocker unchanged(pauseButton_);
    pauseButton_->setChecked(false);
  }
  for (QPushButton* button : {pauseButton_, restartButton_, recordButton_}) button->setEnabled(false);
  recording_.reset();
  {
    const QSignalBlocker unchanged(recordButton_);
    recordButton_->setChecked(false);
  }
  status_->setText("No game: press F6 in the editor to play its screen");
}

void PlayPanel::Tick() {
  run_([this] {
    try {
      RunDueFrames();
    } catch (...) {
      ShowNoGame();  // a game that failed once is not run on
      throw;
    }
  });
}

void PlayPanel::RunDueFrames() {
  // A core that stopped outside a frame (saving or loading a state) ended the game there.
  if (!host_->HasRom()) return ShowNoGame();
  const int due = pacer_->TakeDueFrames();
  for (int frame = 0; frame < due; ++frame) RunFrameWithPad();
  if (due > 0) {
    view_->ShowPicture(host_->Frame());
    sound_->Feed(host_->Audio());
  }
  ScheduleNextTick();
}

void PlayPanel::ScheduleNextTick() {
  // Rounded up: a wake-up a little late runs its frame, one too early would only sleep again.
  timer_->start(int(std::chrono::ceil<std::chrono::milliseconds>(pacer_->UntilNextFrame()).count()));
}

bool PlayPanel::HandleKey(const QKeyEvent& event, bool down) {
  if (event.isAutoRepeat()) return true;
  if (down && rebinding_) {
    if (event.key() != Qt::Key_Escape) {
      keys_.Bind(*rebinding_, KeyMap::BindingOf(event));
      keys_.Save(*PlaySettings());
    }
    rebinding_.reset();
    ShowKeyNames();
    return true;
  }
  if (down && (event.key() == kSaveStateKey || event.key() == kLoadStateKey)) {
    run_([this, &event] { event.key() == kSaveStateKey ? SaveQuickState() : LoadQuickState(); });
    return true;
  }
  const auto button = keys_.ButtonFor(event);
  if (!button) return false;
  pad_.Set(*button, down);
  return true;
}

// The picture has the focus; its keys are the pad's, arrows included.
bool PlayPanel::eventFilter(QObject* watched, QEvent* event) {
  if (watched == view_) {
    if (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease)
      return HandleKey(static_cast<QKeyEvent&>(*event), event->type() == QEvent::KeyPress);
    if (event->type() == QEvent::FocusOut) pad_ = {};  // keys released elsewhere never come back
  }
  return QWidget::eventFilter(watched, event);
}

void PlayPanel::closeEvent(QCloseEvent* event) {
  timer_->stop();
  sound_.reset();
  play::KeepConsole(std::move(host_));  // the next panel starts its game at once
  QWidget::closeEvent(event);
}

}  // namespace quelbrook
