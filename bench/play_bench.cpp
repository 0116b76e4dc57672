// The game in the editor against bare libretro calls: headless frames through the host and
// through the console program against retro_run with no-op callbacks, F6 up to the first frame
// shown against dlopen, retro_load_game and one retro_run, a second of play in the panel against
// the core's 60 frames, and a state saved through the host against retro_serialize. Also how
// far behind the picture the sound falls on a device whose clock is slow, and what rewind costs
// a frame of the demo game and keeps in memory for its ten seconds.
#include <dlfcn.h>
#include <libretro-common/libretro.h>

#include <QCoreApplication>
#include <QEventLoop>
#include <QFile>
#include <QTimer>
#include <vector>

#include "bench_app.h"
#include "byte_map.h"
#include "console_process.h"
#include "core_search.h"
#include "form1.h"
#include "host.h"
#include "input_script.h"
#include "play_panel.h"
#include "rewind_ring.h"
#include "screen_decoding.h"
#include "scripted_dialogs.h"
#include "simulated_sound.h"

namespace {

QByteArray ReadWhole(const QString& path) {
  QFile file(path);
  file.open(QIODevice::ReadOnly);
  return file.readAll();
}

// The core as a frontend with nothing to do would drive it: no picture kept, no sound, no pad.
class BareCore {
 public:
  BareCore() : handle_(dlopen(QFile::encodeName(quelbrook::play::ChooseNesCore({})).constData(), RTLD_NOW)) {
    call(setEnvironment_, "retro_set_environment")(&Environment);
    call(init_, "retro_init")();
    call(setVideo_, "retro_set_video_refresh")([](const void*, unsigned, unsigned, std::size_t) {});
    call(setAudio_, "retro_set_audio_sample")([](std::int16_t, std::int16_t) {});
    call(setAudioBatch_,
         "retro_set_audio_sample_batch")([](const std::int16_t*, std::size_t frames) { return frames; });
    call(setPoll_, "retro_set_input_poll")([] {});
    call(setInput_,
         "retro_set_input_state")([](unsigned, unsigned, unsigned, unsigned) -> std::int16_t { return 0; });
    call(run_, "retro_run");
  }
  ~BareCore() {
    call(unload_, "retro_unload_game")();
    call(deinit_, "retro_deinit")();
    dlclose(handle_);
  }
  bool Load(const QByteArray& rom) {
    const retro_game_info game{"bench.nes", rom.constData(), std::size_t(rom.size()), nullptr};
    return call(load_, "retro_load_game")(&game);
  }
  void Run() { run_(); }
  // The core's own serialisation into a buffer kept from one call to the next.
  bool Serialize(std::vector<char>& buffer) {
    buffer.resize(call(serializeSize_, "retro_serialize_size")());
    return call(serialize_, "retro_serialize")(buffer.data(), buffer.size());
  }

 private:
  // The answers the core cannot load a game without: its folders, and the pixel format the
  // host asks for too. Everything else is refused.
  static bool Environment(unsigned command, void* data) {
    static const QByteArray folder = QFile::encodeName(QDir::tempPath());
    if (command == RETRO_ENVIRONMENT_GET_SYSTEM_DIRECTORY ||
        command == RETRO_ENVIRONMENT_GET_SAVE_DIRECTORY) {
      *static_cast<const char**>(data) = folder.constData();
      return true;
    }
    return command == RETRO_ENVIRONMENT_SET_PIXEL_FORMAT;
  }
  template <typename Function>
  Function& call(Function& function, const char* name) {
    if (!function) function = reinterpret_cast<Function>(dlsym(handle_, name));
    return function;
  }

  void* handle_;
  void (*setEnvironment_)(bool (*)(unsigned, void*)) = nullptr;
  void (*init_)() = nullptr;
  void (*deinit_)() = nullptr;
  void (*setVideo_)(void (*)(const void*, unsigned, unsigned, std::size_t)) = nullptr;
  void (*setAudio_)(void (*)(std::int16_t, std::int16_t)) = nullptr;
  void (*setAudioBatch_)(std::size_t (*)(const std::int16_t*, std::size_t)) = nullptr;
  void (*setPoll_)(void (*)()) = nullptr;
  void (*setInput_)(std::int16_t (*)(unsigned, unsigned, unsigned, unsigned)) = nullptr;
  bool (*load_)(const retro_game_info*) = nullptr;
  void (*unload_)() = nullptr;
  void (*run_)() = nullptr;
  std::size_t (*serializeSize_)() = nullptr;
  bool (*serialize_)(void*, std::size_t) = nullptr;
};

const QString kProgram = QUELBROOK_BENCH_PAD_SPRITE_ROM;

void BM_HeadlessFrame_Host(benchmark::State& state) {
  quelbrook::play::Host host(quelbrook::play::ChooseNesCore({}));
  host.LoadRom(ReadWhole(kProgram), kProgram);
  for (auto _ : state) host.RunFrame();
}
BENCHMARK(BM_HeadlessFrame_Host)->Unit(benchmark::kMicrosecond)->MinTime(2.0);

// A frame through the console program, its picture fetched as the panel shows each one.
void BM_HeadlessFrame_Process(benchmark::State& state) {
  quelbrook::play::ConsoleProcess console(quelbrook::play::ChooseNesCore({}));
  console.LoadRom(ReadWhole(kProgram), kProgram);
  for (auto _ : state) {
    console.RunFrame();
    benchmark::DoNotOptimize(console.Frame().constBits());
  }
}
BENCHMARK(BM_HeadlessFrame_Process)->Unit(benchmark::kMicrosecond)->MinTime(2.0);

void BM_HeadlessFrame_Bare(benchmark::State& state) {
  BareCore core;
  if (!core.Load(ReadWhole(kProgram))) state.SkipWithError("the core refused the program");
  for (auto _ : state) core.Run();
}
BENCHMARK(BM_HeadlessFrame_Bare)->Unit(benchmark::kMicrosecond)->MinTime(2.0);

void BM_SaveState_Host(benchmark::State& state) {
  quelbrook::play::Host host(quelbrook::play::ChooseNesCore({}));
  host.LoadRom(ReadWhole(kProgram), kProgram);
  host.RunFrame();
  for (auto _ : state) benchmark::DoNotOptimize(host.SaveState());
}
BENCHMARK(BM_SaveState_Host)->Unit(benchmark::kMicrosecond)->MinTime(2.0);

void BM_SaveState_Bare(benchmark::State& state) {
  BareCore core;
  if (!core.Load(ReadWhole(kProgram))) state.SkipWithError("the core refused the program");
  core.Run();
  std::vector<char> buffer;
  for (auto _ : state)
    if (!core.Serialize(buffer)) state.SkipWithError("the core cannot serialise");
}
BENCHMARK(BM_SaveState_Bare)->Unit(benchmark::kMicrosecond)->MinTime(2.0);

// The demo game walking across screens, a frame through the host alone (the baseline) or
// through the rewind ring, which saves the state before each frame and drops the oldest.
const QString kDemoGame = QDir(QUELBROOK_BENCH_APP_DIR).filePath("Quelbrook.nes");
const auto kWalk = quelbrook::play::InputScript::Parse("right:20-200,down:210-400,left:410-560,up:570-650");
constexpr std::int64_t kWalkFrames = 660;

void BM_DemoFrame_Host(benchmark::State& state) {
  quelbrook::play::Host host(quelbrook::play::ChooseNesCore({}));
  host.LoadRom(ReadWhole(kDemoGame), kDemoGame);
  std::int64_t frame = 0;
  for (auto _ : state) {
    host.SetPad(kWalk.PadAt(frame++ % kWalkFrames));
    host.RunFrame();
  }
}
BENCHMARK(BM_DemoFrame_Host)->Unit(benchmark::kMicrosecond)->MinTime(2.0);

void BM_DemoFrame_RewindRecording(benchmark::State& state) {
  quelbrook::play::Host host(quelbrook::play::ChooseNesCore({}));
  host.LoadRom(ReadWhole(kDemoGame), kDemoGame);
  auto ring = quelbrook::play::RewindRing::ForSeconds(host.FramesPerSecond());
  std::int64_t frame = 0;
  for (auto _ : state) ring.RunFrame(host, kWalk.PadAt(frame++ % kWalkFrames));
  state.counters["frames_kept"] = ring.FramesKept();
  state.counters["state_bytes_kept"] = double(ring.StateBytes());
}
BENCHMARK(BM_DemoFrame_RewindRecording)->Unit(benchmark::kMicrosecond)->MinTime(2.0);

// One step back while Backspace is held: a state loaded and its frame run again.
void BM_DemoFrame_RewindStepBack(benchmark::State& state) {
  quelbrook::play::Host host(quelbrook::play::ChooseNesCore({}));
  host.LoadRom(ReadWhole(kDemoGame), kDemoGame);
  auto ring = quelbrook::play::RewindRing::ForSeconds(host.FramesPerSecond());
  for (auto _ : state) {
    state.PauseTiming();
    if (ring.FramesKept() < 2)
      for (std::int64_t frame = 0; frame < kWalkFrames; ++frame) ring.RunFrame(host, kWalk.PadAt(frame));
    state.ResumeTiming();
    ring.StepBack(host);
  }
}
BENCHMARK(BM_DemoFrame_RewindStepBack)->Unit(benchmark::kMicrosecond)->MinTime(2.0);

// The main window on a game-sized copy of the test program, its screen 12 shown.
struct PanelWindow {
  quelbrook::testing::ScriptedDialogs dialogs;
  quelbrook::TForm1 window{&dialogs};
  QString rom = QFileInfo(QString::fromStdString(BenchApp::RomPath())).dir().filePath("play.nes");

  PanelWindow() {
    QByteArray bytes = ReadWhole(kProgram);
    bytes[quelbrook::kStartScreenOffset] = char(quelbrook::EncodeStartScreenByte(12));
    QFile file(rom);
    file.open(QIODevice::WriteOnly);
    file.write(bytes);
    file.close();
    dialogs.fileAnswers << rom;
    window.Run([this] { window.Button2Click(); });
  }
  quelbrook::PlayPanel* Panel() {
    return window.findChild<quelbrook::PlayPanel*>("PlayPanel", Qt::FindDirectChildrenOnly);
  }
};

void BM_PanelStart_F6ToFirstFrame(benchmark::State& state) {
  PanelWindow main;
  for (auto _ : state) {
    main.window.PlayScreenClick();
    state.PauseTiming();
    main.Panel()->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    state.ResumeTiming();
  }
}
BENCHMARK(BM_PanelStart_F6ToFirstFrame)->Unit(benchmark::kMillisecond);

// The first F6 of a session: the console program started, the game loaded, one frame shown.
void BM_ConsoleStart_FreshProgram(benchmark::State& state) {
  const QByteArray rom = ReadWhole(kProgram);
  for (auto _ : state) {
    auto console = std::make_unique<quelbrook::play::ConsoleProcess>(quelbrook::play::ChooseNesCore({}));
    console->LoadRom(rom, kProgram);
    console->RunFrame();
    benchmark::DoNotOptimize(console->Frame().constBits());
    state.PauseTiming();
    console.reset();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_ConsoleStart_FreshProgram)->Unit(benchmark::kMillisecond);

void BM_PanelStart_Bare(benchmark::State& state) {
  const QByteArray rom = ReadWhole(kProgram);
  for (auto _ : state) {
    auto core = std::make_unique<BareCore>();
    if (!core->Load(rom)) state.SkipWithError("the core refused the program");
    core->Run();
    state.PauseTiming();
    core.reset();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_PanelStart_Bare)->Unit(benchmark::kMillisecond);

// The panel playing for a second, every thread of the program counted, against the core
// alone running the frames of a second.
void BM_PlayingSecond_Panel(benchmark::State& state) {
  PanelWindow main;
  main.window.PlayScreenClick();
  const auto framesBefore = main.Panel()->host().FramesRun();
  for (auto _ : state) {
    QEventLoop second;
    QTimer::singleShot(1000, &second, &QEventLoop::quit);
    second.exec();
  }
  state.counters["frames_a_second"] =
      double(main.Panel()->host().FramesRun() - framesBefore) / double(state.iterations());
}
BENCHMARK(BM_PlayingSecond_Panel)
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime()
    ->UseRealTime()
    ->Iterations(3);

void BM_PlayingSecond_Core(benchmark::State& state) {
  BareCore core;
  if (!core.Load(ReadWhole(kProgram))) state.SkipWithError("the core refused the program");
  for (auto _ : state)
    for (int frame = 0; frame < 60; ++frame) core.Run();
}
BENCHMARK(BM_PlayingSecond_Core)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();

// Seventeen minutes of play against a device 0.1 % slow, whose buffer holds a tenth of a
// second as the audio module asks: the most the sound lagged, in ms.
void BM_SoundLag_SlowDevice(benchmark::State& state) {
  constexpr std::size_t kTenthOfASecond = 4800;
  quelbrook::testing::SoundRun run;
  for (auto _ : state)
    run = quelbrook::testing::PlayAgainstDeviceClock(48000 * 0.999, 17 * 60, kTenthOfASecond);
  state.counters["most_behind_ms"] = double(run.mostBehind) / 48.0;
  state.counters["device_buffer_ms"] = double(kTenthOfASecond) / 48.0;
}
BENCHMARK(BM_SoundLag_SlowDevice)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace

int main(int argc, char** argv) {
  BenchApp app;
  if (!app.start(argc, argv)) return 1;
  return BenchApp::run();
}
