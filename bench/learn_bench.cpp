// Learning every screen's pictures, and the console view's pictures, against the bare cost of
// the frames they run: the same copies loaded into the same host and the same number of frames
// run, nothing looked at. The few copies of the check that the game draws from its records are
// learning's own cost.
#include <benchmark/benchmark.h>

#include <QDir>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <numeric>

#include "console_pictures.h"
#include "console_process.h"
#include "core_search.h"
#include "host.h"
#include "learning_copies.h"
#include "picture_learning.h"
#include "test_copies.h"

namespace {

const QString kDemoRom = QDir(QUELBROOK_BENCH_APP_DIR).filePath("Quelbrook.nes");

quelbrook::play::Host& SharedHost() {
  static QTemporaryDir folder;
  static quelbrook::play::Host host(quelbrook::play::ChooseNesCore({}), folder.path());
  return host;
}

// The frames a learning run takes on each copy, counted once: the host counts from each
// load, so each copy's count is read before the next copy is loaded. The last copy is
// unloaded before it can be read and is taken to need what the one before it did.
const std::vector<std::int64_t>& FramesOfOneLearning() {
  static const std::vector<std::int64_t> frames = [] {
    std::vector<std::int64_t> counts;
    QTemporaryDir out;
    quelbrook::learn::LearnPictures(SharedHost(), kDemoRom, out.filePath("learned"), {},
                                    [&](int done, int total) {
                                      if (done > 0 && done < total)
                                        counts.push_back(SharedHost().FramesRun());
                                      return true;
                                    });
    counts.push_back(counts.back());
    return counts;
  }();
  return frames;
}

void BM_LearnAllScreens(benchmark::State& state) {
  QTemporaryDir out;
  for (auto _ : state) quelbrook::learn::LearnPictures(SharedHost(), kDemoRom, out.filePath("learned"), {});
}
BENCHMARK(BM_LearnAllScreens)->Unit(benchmark::kMillisecond);

// Learning as the window and the tool do it, through a console program of its own.
void BM_LearnAllScreens_Process(benchmark::State& state) {
  QTemporaryDir out, folder;
  for (auto _ : state) {
    quelbrook::play::ConsoleProcess console(quelbrook::play::ChooseNesCore({}), folder.path());
    quelbrook::learn::LearnPictures(console, kDemoRom, out.filePath("learned"), {});
  }
}
BENCHMARK(BM_LearnAllScreens_Process)->Unit(benchmark::kMillisecond);

void BM_BareFramesOfAllScreens(benchmark::State& state) {
  const std::vector<std::int64_t>& frames = FramesOfOneLearning();
  std::vector<QByteArray> copies;
  for (const auto& copy : quelbrook::learn::LearningCopies(quelbrook::learn::ReadRecords(kDemoRom)))
    copies.push_back(quelbrook::play::TestCopyBytes(kDemoRom, copy.screen, copy.record));
  for (auto _ : state) {
    for (std::size_t copy = 0; copy < copies.size(); ++copy) {
      SharedHost().LoadRom(copies[copy], "bench copy");
      for (std::int64_t frame = 0; frame < frames[copy]; ++frame) SharedHost().RunFrame();
    }
    SharedHost().UnloadRom();
  }
  state.counters["frames"] =
      static_cast<double>(std::accumulate(frames.begin(), frames.end(), std::int64_t{0}));
}
BENCHMARK(BM_BareFramesOfAllScreens)->Unit(benchmark::kMillisecond);

// The console view's pictures against the bare cost of the loads and frames they run: the same
// copies of the ROM loaded into the same host and run for the same frames, nothing cropped,
// hashed or cached. A fresh ConsolePictures each time, so nothing comes from its cache, but for
// the last row, which asks again for a world already captured.

using quelbrook::kScreenCount;
using quelbrook::learn::ConsolePictures;

const quelbrook::learn::CaptureSettings kSettings{{}, 12, QPoint(0, 16)};
constexpr int kBenchScreen = 55;

// The frames a capture runs on each screen's copy, counted once: the host counts from each load.
const std::vector<std::int64_t>& FramesOfEachScreen() {
  static const std::vector<std::int64_t> frames = [] {
    std::vector<std::int64_t> counts;
    ConsolePictures pictures(SharedHost(), kSettings);
    for (int screen = 1; screen <= kScreenCount; ++screen) {
      pictures.Screen(kDemoRom, screen);
      counts.push_back(SharedHost().FramesRun());
    }
    return counts;
  }();
  return frames;
}

void RunBare(const QByteArray& copy, std::int64_t frames) {
  SharedHost().LoadRom(copy, "bench copy");
  for (std::int64_t frame = 0; frame < frames; ++frame) SharedHost().RunFrame();
}

void BM_ConsoleScreen(benchmark::State& state) {
  for (auto _ : state) {
    ConsolePictures pictures(SharedHost(), kSettings);
    benchmark::DoNotOptimize(pictures.Screen(kDemoRom, kBenchScreen));
  }
}
BENCHMARK(BM_ConsoleScreen)->Unit(benchmark::kMillisecond);

void BM_BareScreen(benchmark::State& state) {
  const std::int64_t frames = FramesOfEachScreen()[kBenchScreen - 1];
  const QByteArray copy = quelbrook::play::TestCopyBytes(kDemoRom, kBenchScreen);
  for (auto _ : state) RunBare(copy, frames);
  state.counters["frames"] = static_cast<double>(frames);
}
BENCHMARK(BM_BareScreen)->Unit(benchmark::kMillisecond);

void BM_ConsoleWorld(benchmark::State& state) {
  for (auto _ : state) {
    ConsolePictures pictures(SharedHost(), kSettings);
    benchmark::DoNotOptimize(pictures.World(kDemoRom));
  }
}
BENCHMARK(BM_ConsoleWorld)->Unit(benchmark::kMillisecond);

void BM_BareWorld(benchmark::State& state) {
  const std::vector<std::int64_t>& frames = FramesOfEachScreen();
  std::vector<QByteArray> copies;
  for (int screen = 1; screen <= kScreenCount; ++screen)
    copies.push_back(quelbrook::play::TestCopyBytes(kDemoRom, screen));
  for (auto _ : state)
    for (std::size_t copy = 0; copy < copies.size(); ++copy) RunBare(copies[copy], frames[copy]);
  state.counters["frames"] =
      static_cast<double>(std::accumulate(frames.begin(), frames.end(), std::int64_t{0}));
}
BENCHMARK(BM_BareWorld)->Unit(benchmark::kMillisecond);

// The world asked for again, nothing changed: the ROM read and each copy made and hashed.
void BM_ConsoleWorldCached(benchmark::State& state) {
  ConsolePictures pictures(SharedHost(), kSettings);
  pictures.World(kDemoRom);
  for (auto _ : state) benchmark::DoNotOptimize(pictures.World(kDemoRom));
}
BENCHMARK(BM_ConsoleWorldCached)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
