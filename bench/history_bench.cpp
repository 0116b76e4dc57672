// Restore points against bare baselines: a screen's save with and without its point, and
// the listing of a history of 10,000 points against reading its rows bare.
#include <benchmark/benchmark.h>
#include <sqlite3.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "byte_map.h"
#include "recorded_write.h"
#include "rom_history.h"
#include "rom_patch.h"

namespace {

namespace fs = std::filesystem;
using quelbrook::history::Bytes;

// A fresh folder with a copy of the demo ROM, removed at exit.
struct Folder {
  fs::path path = fs::temp_directory_path() / ("quelbrook-history-bench-" + std::to_string(::getpid()));
  Folder() {
    fs::remove_all(path);
    fs::create_directories(path);
  }
  ~Folder() { fs::remove_all(path); }
  std::string Rom(const std::string& name) const {
    const fs::path rom = path / name;
    fs::copy_file(fs::path(QUELBROOK_BENCH_APP_DIR) / "Quelbrook.nes", rom,
                  fs::copy_options::overwrite_existing);
    fs::remove(rom.string() + ".history");
    return rom.string();
  }
};

Folder& TheFolder() {
  static Folder folder;
  return folder;
}

// Screen 40's record, its bytes different from the last iteration's so that every save
// changes the ROM.
quelbrook::BytePatch RecordPatch(std::int64_t iteration) {
  std::vector<std::uint8_t> record(quelbrook::kScreenRecordLength);
  for (std::size_t i = 0; i < record.size(); ++i) record[i] = static_cast<std::uint8_t>(iteration + i);
  return {quelbrook::ScreenRecordOffset(40), record};
}

void BM_SaveScreen_Bare(benchmark::State& state) {
  const std::string rom = TheFolder().Rom("bare.nes");
  std::int64_t iteration = 0;
  for (auto _ : state) quelbrook::WritePatchesToFile(rom, {RecordPatch(++iteration)});
}
BENCHMARK(BM_SaveScreen_Bare)->Unit(benchmark::kMicrosecond);

// As the window saves: its history kept open between saves.
void BM_SaveScreen_WithRestorePoint(benchmark::State& state) {
  const std::string rom = TheFolder().Rom("kept.nes");
  quelbrook::history::KeptHistory history(rom);
  std::int64_t iteration = 0;
  for (auto _ : state)
    if (!quelbrook::history::WritePatchesRecorded(history, {RecordPatch(++iteration)}, "Save screen 40")
             .empty())
      state.SkipWithError("no point kept");
}
// The history's checkpoints run on a thread of their own: their time counts too.
BENCHMARK(BM_SaveScreen_WithRestorePoint)->Unit(benchmark::kMicrosecond)->MeasureProcessCPUTime();

constexpr int kListedPoints = 10000;

// A history of 10,000 points of one record each, made once.
const std::string& ListedHistory() {
  static const std::string path = [] {
    const std::string rom = TheFolder().Rom("listed.nes");
    std::ifstream in(rom, std::ios::binary);
    Bytes state((std::istreambuf_iterator<char>(in)), {});
    quelbrook::history::RomHistory history(quelbrook::history::RomHistory::PathFor(rom));
    for (int point = 1; point < kListedPoints; ++point) {
      Bytes after = state;
      const auto patch = RecordPatch(point);
      std::copy(patch.bytes.begin(), patch.bytes.end(), after.begin() + patch.offset);
      history.Confirm(history.Begin(state, after, "Save screen 40", point), after);
      state = std::move(after);
    }
    return quelbrook::history::RomHistory::PathFor(rom);
  }();
  return path;
}

void BM_List10000_RestorePoints(benchmark::State& state) {
  quelbrook::history::RomHistory history(ListedHistory());
  for (auto _ : state) {
    const auto points = history.List();
    if (points.size() != kListedPoints) state.SkipWithError("wrong count");
    benchmark::DoNotOptimize(points.data());
  }
}
BENCHMARK(BM_List10000_RestorePoints)->Unit(benchmark::kMillisecond);

// The same rows read bare: one statement, each column copied out as the listing needs it.
void BM_List10000_BareRows(benchmark::State& state) {
  sqlite3* db = nullptr;
  sqlite3_open_v2(ListedHistory().c_str(), &db, SQLITE_OPEN_READONLY, nullptr);
  sqlite3_stmt* statement = nullptr;
  sqlite3_prepare_v2(db, "SELECT time, words, regions FROM points WHERE pending = 0 ORDER BY id", -1,
                     &statement, nullptr);
  for (auto _ : state) {
    std::size_t rows = 0;
    while (sqlite3_step(statement) == SQLITE_ROW) {
      benchmark::DoNotOptimize(sqlite3_column_int64(statement, 0));
      for (int column = 1; column <= 2; ++column) {
        std::string text(reinterpret_cast<const char*>(sqlite3_column_text(statement, column)));
        benchmark::DoNotOptimize(text.data());
      }
      ++rows;
    }
    sqlite3_reset(statement);
    if (rows != kListedPoints) state.SkipWithError("wrong count");
  }
  sqlite3_finalize(statement);
  sqlite3_close(db);
}
BENCHMARK(BM_List10000_BareRows)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
