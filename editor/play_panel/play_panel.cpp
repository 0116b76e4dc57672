#include "play_panel.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QSettings>
#include <QTimer>
#include <QVBoxLayout>

#include "core_search.h"
#include "game_sound.h"
#include "play_view.h"

namespace quelbrook {

namespace {
// A late timer catches up by a few frames at most; beyond that the game slows down instead.
constexpr std::int64_t kMostFramesPerTick = 4;
constexpr int kTickMilliseconds = 4;

QString ButtonTitle(play::PadButton button) {
  QString name = play::PadButtonName(button);
  return name.size() == 1 ? name.toUpper() : name.left(1).toUpper() + name.mid(1);
}
}  // namespace

std::unique_ptr<QSettings> PlaySettings() { return std::make_unique<QSettings>("quelbrook", "editor"); }

PlayPanel::PlayPanel(QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName("PlayPanel");
  setAttribute(Qt::WA_DeleteOnClose);
  const auto settings = PlaySettings();
  host_ = std::make_unique<play::Host>(play::ChooseNesCore(settings->value("play/core").toString()));
  keys_ = KeyMap::Load(*settings);

  view_ = new PlayView(this);
  view_->installEventFilter(this);
  pauseButton_ = new QPushButton("Pause", this);
  pauseButton_->setObjectName("PauseButton");
  pauseButton_->setCheckable(true);
  auto* restart = new QPushButton("Restart from the screen", this);
  restart->setObjectName("RestartButton");
  status_ = new QLabel(this);
  status_->setObjectName("PlayStatus");
  for (QPushButton* button : {pauseButton_, restart}) button->setFocusPolicy(Qt::NoFocus);
  connect(pauseButton_, &QPushButton::toggled, this, [this](bool paused) { SetPaused(paused); });
  connect(restart, &QPushButton::clicked, this, [this] { Restart(); });

  auto* controls = new QHBoxLayout;
  controls->addWidget(pauseButton_);
  controls->addWidget(restart);
  controls->addWidget(status_, 1);
  auto* keyGrid = new QGridLayout;
  BuildKeyButtons(keyGrid);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(view_, 1);
  layout->addLayout(controls);
  layout->addWidget(new QLabel("Keys (click one, then press the key it should be):", this));
  layout->addLayout(keyGrid);

  timer_ = new QTimer(this);
  timer_->setTimerType(Qt::PreciseTimer);
  connect(timer_, &QTimer::timeout, this, [this] { Tick(); });
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

void PlayPanel::Play(const QByteArray& rom, const QString& name) {
  host_->LoadRom(rom, name);
  rom_ = rom;
  name_ = name;
  setWindowTitle("Play - " + name);
  if (!sound_) sound_ = std::make_unique<GameSound>(host_->SampleRate());
  // The first picture at once, not a tick later.
  host_->SetPad(pad_);
  host_->RunFrame();
  view_->ShowPicture(host_->Frame());
  pauseButton_->setChecked(false);
  SetPaused(false);
}

void PlayPanel::Restart() { Play(rom_, name_); }

void PlayPanel::SetPaused(bool paused) {
  if (paused)
    timer_->stop();
  else if (!timer_->isActive()) {
    RestartClock();
    timer_->start(kTickMilliseconds);
  }
  if (sound_) sound_->Pause(paused);
  status_->setText(paused                         ? "Paused"
                   : sound_ && sound_->IsSilent() ? "Playing (no sound device)"
                                                  : "Playing");
}

bool PlayPanel::IsPaused() const { return !timer_->isActive(); }

void PlayPanel::RestartClock() {
  clock_.start();
  framesAtClockStart_ = host_->FramesRun();
}

void PlayPanel::Tick() {
  const auto due = framesAtClockStart_ + std::int64_t(clock_.elapsed() * host_->FramesPerSecond() / 1000.0);
  if (due - host_->FramesRun() > kMostFramesPerTick) {
    RestartClock();  // fell behind: carry on from now instead of racing
    return;
  }
  if (due <= host_->FramesRun()) return;
  while (host_->FramesRun() < due) {
    host_->SetPad(pad_);
    host_->RunFrame();
  }
  view_->ShowPicture(host_->Frame());
  sound_->Feed(host_->Audio());
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
  host_.reset();  // the core is freed now, so the next panel can load it
  QWidget::closeEvent(event);
}

}  // namespace quelbrook
