// The console view's pictures against the bare cost of the loads and frames they run: the same
// copies of the ROM loaded into the same host and run for the same frames, nothing cropped,
// hashed or cached. A fresh ConsolePictures each time, so nothing comes from its cache, but for
// the last row, which asks again for a world already captured.
#include <benchmark/benchmark.h>

#include <QDir>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <numeric>

#include "console_pictures.h"
#include "core_search.h"
#include "host.h"
#include "test_copies.h"

namespace {

using quelbrook::kScreenCount;
using quelbrook::learn::ConsolePictures;

const QString kDemoRom = QDir(QUELBROOK_BENCH_APP_DIR).filePath("Quelbrook.nes");
const quelbrook::learn::CaptureSettings kSettings{{}, 12, QPoint(0, 16)};
constexpr int kBenchScreen = 55;

quelbrook::play::Host& SharedHost() {
  static QTemporaryDir folder;
  static quelbrook::play::Host host(quelbrook::play::ChooseNesCore({}), folder.path());
  return host;
}

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
  state.counters["frames"] = static_cast<double>(std::accumulate(frames.begin(), frames.end(), std::int64_t{0}));
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
