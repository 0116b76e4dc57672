// The three-way merge of the git driver against reading the same three ROMs bare and
// comparing them byte for byte: what the merge adds is its walk over the facts.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <QDir>
#include <QTemporaryDir>
#include <cstring>

#include "atomic_file.h"
#include "regular_file.h"
#include "rom_merge.h"

namespace {

using quelbrook::Bytes;

// Base: the demo ROM. Ours changes screen 3's tiles and screen 40's message, theirs screen
// 40's tiles and the ending text, so that one record is merged field by field.
struct ThreeRoms {
  QTemporaryDir folder;
  std::string base = folder.filePath("base.nes").toStdString();
  std::string ours = folder.filePath("ours.nes").toStdString();
  std::string theirs = folder.filePath("theirs.nes").toStdString();

  ThreeRoms() {
    const std::string demo = quelbrook::ReadSideFile(
        QDir(QUELBROOK_BENCH_APP_DIR).filePath("Quelbrook.nes").toStdString(), 1 << 20);
    std::string oursBytes = demo;
    std::string theirsBytes = demo;
    for (int cell = 0; cell < quelbrook::kTileCount; ++cell)
      oursBytes[std::size_t(quelbrook::ScreenRecordOffset(3) + cell)] = char(cell);
    oursBytes[std::size_t(quelbrook::ScreenRecordOffset(40) + quelbrook::kRecordMessage)] = 'Q';
    for (int cell = 0; cell < quelbrook::kTileCount; ++cell)
      theirsBytes[std::size_t(quelbrook::ScreenRecordOffset(40) + cell)] = char(cell);
    theirsBytes[std::size_t(quelbrook::kEndingTextOffset)] = 'Q';
    quelbrook::WriteFileAtomically(base, demo);
    quelbrook::WriteFileAtomically(ours, oursBytes);
    quelbrook::WriteFileAtomically(theirs, theirsBytes);
  }
};

const ThreeRoms& Roms() {
  static const ThreeRoms roms;
  return roms;
}

Bytes ReadAsTheToolDoes(const std::string& path) {
  return *quelbrook::ReadRegularFileBytes(path, std::size_t(-1));
}

void BM_Merge_Tool(benchmark::State& state) {
  for (auto _ : state) {
    const Bytes base = ReadAsTheToolDoes(Roms().base);
    Bytes ours = ReadAsTheToolDoes(Roms().ours);
    const Bytes theirs = ReadAsTheToolDoes(Roms().theirs);
    const quelbrook::ImageMerge merge = quelbrook::MergeImages(base, std::move(ours), theirs);
    benchmark::DoNotOptimize(merge.image.data());
  }
}
BENCHMARK(BM_Merge_Tool)->Unit(benchmark::kMicrosecond);

// The merge alone, on images already read: the walk over the facts.
void BM_Merge_InMemory(benchmark::State& state) {
  const Bytes base = ReadAsTheToolDoes(Roms().base);
  const Bytes ours = ReadAsTheToolDoes(Roms().ours);
  const Bytes theirs = ReadAsTheToolDoes(Roms().theirs);
  for (auto _ : state) {
    const quelbrook::ImageMerge merge = quelbrook::MergeImages(base, ours, theirs);
    benchmark::DoNotOptimize(merge.image.data());
  }
}
BENCHMARK(BM_Merge_InMemory)->Unit(benchmark::kMicrosecond);

Bytes ReadBare(const std::string& path) {
  const int fd = open(path.c_str(), O_RDONLY);
  Bytes bytes(std::size_t(lseek(fd, 0, SEEK_END)));
  benchmark::DoNotOptimize(pread(fd, bytes.data(), bytes.size(), 0));
  close(fd);
  return bytes;
}

void BM_Merge_Baseline(benchmark::State& state) {
  for (auto _ : state) {
    const Bytes base = ReadBare(Roms().base);
    const Bytes ours = ReadBare(Roms().ours);
    const Bytes theirs = ReadBare(Roms().theirs);
    int differences = std::memcmp(base.data(), ours.data(), base.size());
    differences += std::memcmp(base.data(), theirs.data(), base.size());
    benchmark::DoNotOptimize(differences);
  }
}
BENCHMARK(BM_Merge_Baseline)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
