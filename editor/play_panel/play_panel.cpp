#include "play_panel.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QSaveFile>
#include <QSettings>
#include <QSignalBlocker>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include "core_search.h"
#include "editor_error.h"
#include "game_identity.h"
#include "game_sound.h"
#include "gamepad_controls.h"
#include "kept_console.h"
#include "play_view.h"
#include "screen_watch.h"

namespace quelbrook {

namespace {
QString ButtonTitle(play::PadButton button) {
  QString name = play::PadButtonName(button);
  return name.size() == 1 ? name.toUpper() : name.left(1).toUpper() + name.mid(1);
}
}  // namespace

std::unique_ptr<QSettings> PlaySettings() { return std::make_unique<QSettings>(); }

PlayPanel::PlayPanel(RunShowingErrors run, AskRouteFile askRouteFile, FreshCopy freshCopy, QWidget* parent)
    : QWidget(parent, Qt::Window),
      run_(std::move(run)),
      askRouteFile_(std::move(askRouteFile)),
      freshCopy_(std::move(freshCopy)) {
  setObjectName("PlayPanel");
  setAttribute(Qt::WA_DeleteOnClose);
  const auto settings = PlaySettings();
  host_ = play::TakeKeptConsole(play::ChosenNesCore());
  keys_ = KeyMap::Load(*settings);
  gamepads_ = new GamepadControls(*settings, this);

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
  statesButton_ = BuildStatesButton();
  applyButton_ = new QPushButton("Apply edits", this);
  applyButton_->setObjectName("ApplyEditsButton");
  applyButton_->setToolTip("Play on from here with the editor's current values, unsaved ones included (" +
                           PanelKeyText({PanelCommand::kApplyEdits}) + ")");
  status_ = new QLabel(this);
  status_->setObjectName("PlayStatus");
  status_->setWordWrap(true);  // a long note must not widen the panel
  for (QAbstractButton* button : GameButtons()) button->setFocusPolicy(Qt::NoFocus);
  connect(pauseButton_, &QPushButton::toggled, this, [this](bool paused) { SetPaused(paused); });
  connect(restartButton_, &QPushButton::clicked, this, [this] { run_([this] { Restart(); }); });
  connect(recordButton_, &QPushButton::toggled, this,
          [this](bool record) { run_([this, record] { record ? StartRecording() : StopRecording(); }); });
  connect(applyButton_, &QPushButton::clicked, this, [this] { run_([this] { ApplyEdits(); }); });

  auto* controls = new QHBoxLayout;
  controls->addWidget(pauseButton_);
  controls->addWidget(restartButton_);
  controls->addWidget(recordButton_);
  controls->addWidget(statesButton_);
  controls->addWidget(applyButton_);
  controls->addWidget(status_, 1);
  controls->addWidget(gamepads_->Status());
  auto* keyGrid = new QGridLayout;
  BuildKeyButtons(keyGrid);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(view_, 1);
  layout->addLayout(controls);
  layout->addWidget(new QLabel(
      QString("Keys (click one, then press the key it should be; %1 saves the state, %2 loads it, %3 held "
              "runs the game backwards, %4 applies the editor's edits):")
          .arg(PanelKeyText({PanelCommand::kSaveState}), PanelKeyText({PanelCommand::kLoadState}),
               PanelKeyText({PanelCommand::kRewind}), PanelKeyText({PanelCommand::kApplyEdits})),
      this));
  layout->addLayout(keyGrid);

  timer_ = new QTimer(this);
  timer_->setTimerType(Qt::PreciseTimer);
  timer_->setSingleShot(true);
  connect(timer_, &QTimer::timeout, this, [this] { Tick(); });
  ShowNoGame();
}

PlayPanel::~PlayPanel() = default;

std::array<QAbstractButton*, 5> PlayPanel::GameButtons() const {
  return {pauseButton_, restartButton_, recordButton_, statesButton_, applyButton_};
}

QToolButton* PlayPanel::BuildStatesButton() {
  auto* button = new QToolButton(this);
  button->setObjectName("StatesButton");
  button->setText("States");
  button->setPopupMode(QToolButton::InstantPopup);
  auto* menu = new QMenu(button);
  menu->setObjectName("StatesMenu");
  button->setMenu(menu);
  // Built as it opens, so that it says which slots are empty.
  connect(menu, &QMenu::aboutToShow, this, [this, menu] {
    menu->clear();
    for (PanelCommand command : {PanelCommand::kSaveState, PanelCommand::kLoadState}) {
      for (int slot = 0; slot <= play::kNumberedSlots; ++slot) {
        const PanelKey key{command, slot};
        const bool save = command == PanelCommand::kSaveState;
        QString text = (save ? "Save in " : "Load ") + play::SlotName(slot);
        if (!save && slots_ && !slots_->Holds(slot)) text += " (empty)";
        menu->addAction(text + "\t" + PanelKeyText(key), this, [this, key] { RunPanelCommand(key, true); });
      }
      menu->addSeparator();
    }
  });
  return button;
}

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
    grid->addWidget(key, index / 4, index % 4 * 2);
    grid->addWidget(gamepads_->BindingButton(button), index / 4, index % 4 * 2 + 1);
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
  UseCopy(rom, romPath);
  setWindowTitle("Play - " + name);
  if (!sound_) sound_ = std::make_unique<GameSound>(host_->SampleRate());
  pacer_.emplace(host_->FramesPerSecond());
  // The first picture at once, not a frame later.
  RunFrameWithPad();
  view_->ShowPicture(host_->Frame());
  for (QAbstractButton* button : GameButtons()) button->setEnabled(true);
  {
    const QSignalBlocker unchanged(pauseButton_);
    pauseButton_->setChecked(false);
  }
  timer_->stop();  // the pacer counts from this first picture
  SetPaused(false);
}

void PlayPanel::UseCopy(const QByteArray& rom, const QString& romPath) {
  rom_ = rom;
  romPath_ = romPath;
  slots_.emplace(romPath, play::StateOrigin{host_->CoreName(), play::GameIdentity(rom)});
  rewind_.reset();
  try {
    host_->SaveState();
    rewind_ = play::RewindRing::ForSeconds(host_->FramesPerSecond());
  } catch (const EditorError&) {
    // A core that cannot save states plays on without rewind.
  }
}

void PlayPanel::Restart() {
  if (recording_) recording_.emplace();  // a route starts with its game
  Play(rom_, romPath_);
}

void PlayPanel::RunFrameWithPad() {
  const play::PadState pad = pad_ | gamepads_->Pad();
  if (recording_) recording_->Record(pad);
  if (rewind_) return rewind_->RunFrame(*host_, pad);
  host_->SetPad(pad);
  host_->RunFrame();
}

void PlayPanel::ShowCurrentFrame() {
  // The picture of the game as it now stands, also while paused.
  RunFrameWithPad();
  view_->ShowPicture(host_->Frame());
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

void PlayPanel::SaveState(int slot) {
  if (!host_->HasRom()) return;
  slots_->Save(slot, host_->SaveState());
  status_->setText("State saved in " + play::SlotName(slot) + ": " +
                   PanelKeyText({PanelCommand::kLoadState, slot}) + " goes back to it");
}

void PlayPanel::LoadState(int slot) {
  if (!host_->HasRom()) return;
  const auto state = slots_->Load(slot);
  if (!state) {
    status_->setText(play::SlotName(slot).left(1).toUpper() + play::SlotName(slot).mid(1) + " of " +
                     QFileInfo(romPath_).fileName() + " is empty: " +
                     PanelKeyText({PanelCommand::kSaveState, slot}) + " saves the game's state there");
    return;
  }
  if (recording_) {
    status_->setText("A route cannot jump to a saved state: stop recording first");
    return;
  }
  host_->LoadState(*state);
  if (rewind_) rewind_->Clear();  // the frames before lead elsewhere
  ShowCurrentFrame();
  status_->setText("State loaded from " + play::SlotName(slot));
}

void PlayPanel::SetRewinding(bool rewinding) {
  if (!host_->HasRom() || rewinding == rewinding_) return;
  if (rewinding && recording_) {
    status_->setText("A route cannot run backwards: stop recording first");
    return;
  }
  if (rewinding && !rewind_) {
    status_->setText("The NES core " + host_->CoreName() +
                     " cannot save states, so the game cannot run backwards");
    return;
  }
  if (rewinding && IsPaused()) {
    // Paused, each press is one frame back.
    const bool stepped = rewind_->StepBack(*host_);
    view_->ShowPicture(host_->Frame());
    status_->setText(stepped ? "Paused, one frame back" : OldestFrameText());
    return;
  }
  rewinding_ = rewinding;
  status_->setText(rewinding ? "Running backwards" : PlayingText());
}

QString PlayPanel::OldestFrameText() {
  return QString("At the oldest frame kept, %1 seconds back at most").arg(play::kRewindSeconds);
}

void PlayPanel::ApplyEdits() {
  if (!host_->HasRom()) return;
  const QByteArray copy = freshCopy_(romPath_, play::GameStartScreen(rom_));
  const QString name = QFileInfo(romPath_).fileName();
  // The state goes back only into the game it was made in.
  if (play::GameIdentity(copy) != play::GameIdentity(rom_))
    throw EditorError(
        name.toStdString() +
        " now holds another game than the one playing (its program changed on disk), so the game "
        "cannot go on where it is: press F6 in the editor to play it from the screen");
  const QByteArray state = host_->SaveState();
  try {
    host_->LoadRom(copy, name);
    host_->LoadState(state);
  } catch (...) {
    try {
      host_->LoadRom(rom_, name);
      host_->LoadState(state);
    } catch (...) {
      ShowNoGame();
    }
    throw;
  }
  UseCopy(copy, romPath_);
  status_->setText("Edits applied: each screen shows them the next time the game draws it");
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
  for (QAbstractButton* button : GameButtons()) button->setEnabled(false);
  recording_.reset();
  rewinding_ = false;
  {
    const QSignalBlocker unchanged(recordButton_);
    recordButton_->setChecked(false);
  }
  status_->setText("No game: press F6 in the editor to play its screen");
}

void PlayPanel::Tick() {
  gamepads_->Poll();
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
  for (int frame = 0; frame < due; ++frame) {
    if (!rewinding_) {
      RunFrameWithPad();
    } else if (!rewind_->StepBack(*host_)) {
      status_->setText(OldestFrameText());
      break;
    }
  }
  if (due > 0) {
    view_->ShowPicture(host_->Frame());
    // Sound played backwards is noise: the frames run again are silent.
    if (rewinding_) host_->Audio().Clear();
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
    if (PanelKeyOf(event)) {
      status_->setText(KeyMap::NameOf(KeyMap::BindingOf(event)) +
                       " is one of the panel's own keys: choose another for the pad");
    } else if (event.key() != Qt::Key_Escape) {
      keys_.Bind(*rebinding_, KeyMap::BindingOf(event));
      keys_.Save(*PlaySettings());
    }
    rebinding_.reset();
    ShowKeyNames();
    return true;
  }
  if (const auto command = PanelKeyOf(event)) {
    RunPanelCommand(*command, down);
    return true;
  }
  const auto button = keys_.ButtonFor(event);
  if (!button) return false;
  pad_.Set(*button, down);
  return true;
}

void PlayPanel::RunPanelCommand(PanelKey key, bool down) {
  if (key.command == PanelCommand::kRewind) return SetRewinding(down);
  if (!down) return;
  run_([this, key] {
    switch (key.command) {
      case PanelCommand::kSaveState:
        return SaveState(key.slot);
      case PanelCommand::kLoadState:
        return LoadState(key.slot);
      case PanelCommand::kApplyEdits:
        return ApplyEdits();
      case PanelCommand::kRewind:
        return;
    }
  });
}

// The picture has the focus; its keys are the pad's, arrows included.
bool PlayPanel::eventFilter(QObject* watched, QEvent* event) {
  if (watched == view_) {
    if (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease)
      return HandleKey(static_cast<QKeyEvent&>(*event), event->type() == QEvent::KeyPress);
    if (event->type() == QEvent::FocusOut) {
      // Keys released elsewhere never come back.
      pad_ = {};
      if (host_) SetRewinding(false);  // closing unloads the core before the focus goes
    }
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
