// Learning every screen's pictures against the bare cost of the frames it runs: the same
// copies loaded into the same host and the same number of frames run, nothing looked at. The
// few copies of the check that the game draws from its records are learning's own cost.
#include <benchmark/benchmark.h>

#include <QDir>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <numeric>

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

}  // namespace

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
