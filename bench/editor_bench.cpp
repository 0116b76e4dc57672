// The window's heavy operations side by side with bare baselines that do only
// their unavoidable work: the same single-byte file reads and the same picture
// loads. The ratio of the two is what the window adds on top.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QTemporaryDir>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "bench_app.h"
#include "byte_map.h"
#include "form1.h"
#include "form2.h"
#include "hex_text.h"
#include "item_catalogue.h"
#include "picture_loader.h"
#include "rom_image.h"
#include "scripted_dialogs.h"

namespace {

using quelbrook::RomImage;
using quelbrook::TForm1;
using quelbrook::testing::ScriptedDialogs;

int g_screen = 1;  // the screen both the window and the baseline reload

// Posted events (layout requests, deferred deletes) are handled between clicks in the
// real program; here they are handled outside the timed part.
void DrainEvents() { QCoreApplication::processEvents(); }

struct OpenWindow {
  ScriptedDialogs dialogs;
  std::unique_ptr<TForm1> form;

  OpenWindow() {
    QDir::setCurrent(BenchApp::AppDir());
    form = std::make_unique<TForm1>(&dialogs);
    dialogs.fileAnswers << QString::fromStdString(BenchApp::RomPath());
    form->Run([this] { form->Button2Click(); });
  }
  void ShowScreen(int screen) { form->registry().get<QLineEdit>("Edit1")->setText(QString::number(screen)); }
  bool Failed(benchmark::State& state) const {
    if (dialogs.messages.isEmpty()) return false;
    state.SkipWithError(dialogs.messages.front().toStdString().c_str());
    return true;
  }
};

// The baseline's picture load: reader, pixmap, label; nothing else.
void LoadInto(QLabel* label, const std::string& relativePath) {
  QImageReader reader(BenchApp::AppDir() + '/' + QString::fromStdString(relativePath), "bmp");
  label->setPixmap(QPixmap::fromImage(reader.read()));
}

std::vector<std::unique_ptr<QLabel>> MakeLabels(int count) {
  std::vector<std::unique_ptr<QLabel>> labels;
  for (int i = 0; i < count; ++i) {
    labels.push_back(std::make_unique<QLabel>());
    labels.back()->setScaledContents(true);
  }
  return labels;
}

// ---- Reload screen ----

void BM_ReloadScreen_Window(benchmark::State& state) {
  OpenWindow window;
  if (window.Failed(state)) return;
  window.ShowScreen(g_screen);
  for (auto _ : state) {
    window.form->Run([&] { window.form->Button1Click(); });
    state.PauseTiming();
    DrainEvents();
    state.ResumeTiming();
  }
  window.Failed(state);
}

void BM_ReloadScreen_Baseline(benchmark::State& state) {
  auto labels = MakeLabels(58);
  for (auto _ : state) {
    RomImage rom(BenchApp::RomPath());
    rom.Open();
    rom.Seek(quelbrook::kStartScreenOffset);
    benchmark::DoNotOptimize(rom.ReadByte());
    rom.Seek(quelbrook::kEndingTextOffset);
    for (int i = 0; i < quelbrook::kEndingTextLength; ++i) benchmark::DoNotOptimize(rom.ReadByte());
    rom.Seek(quelbrook::kEndScreenHookOffset);
    if (rom.ReadByte() == quelbrook::kJsrOpcode) {
      benchmark::DoNotOptimize(rom.ReadByte());
      benchmark::DoNotOptimize(rom.ReadByte());
    }
    std::array<std::uint8_t, quelbrook::kScreenRecordLength> record{};
    rom.Seek(quelbrook::ScreenRecordOffset(g_screen));
    for (auto& byte : record) byte = rom.ReadByte();
    rom.Close();

    int next = 0;
    for (int cell = 0; cell < quelbrook::kTileCount; ++cell)
      LoadInto(labels[next++].get(), quelbrook::TileBitmapPath(quelbrook::IntToHexText(record[cell])));
    const std::string item =
        quelbrook::ItemBitmapPath(quelbrook::IntToHexText(record[quelbrook::kRecordItem]));
    LoadInto(labels[next++].get(), item);
    LoadInto(labels[next++].get(), item);
    for (int pass = 0; pass < 2; ++pass)
      for (int enemy = 0; enemy < quelbrook::kEnemyCount; ++enemy)
        LoadInto(labels[next++].get(), quelbrook::EnemyBitmapPath(quelbrook::IntToHexText(
                                           record[quelbrook::kRecordEnemyKinds + enemy])));
    state.PauseTiming();
    DrainEvents();
    state.ResumeTiming();
  }
}

// ---- Window creation ----

void BM_CreateWindow_Window(benchmark::State& state) {
  QDir::setCurrent(BenchApp::AppDir());
  ScriptedDialogs dialogs;
  for (auto _ : state) {
    auto form = std::make_unique<TForm1>(&dialogs);
    state.PauseTiming();
    form.reset();
    DrainEvents();
    state.ResumeTiming();
  }
  if (!dialogs.messages.isEmpty()) state.SkipWithError(dialogs.messages.front().toStdString().c_str());
}

// The picture part of creation alone, on a window that already exists.
void BM_CreateWindow_FormCreateOnly(benchmark::State& state) {
  QDir::setCurrent(BenchApp::AppDir());
  ScriptedDialogs dialogs;
  TForm1 form(&dialogs);
  for (auto _ : state) {
    form.Run([&] { form.FormCreate(); });
    state.PauseTiming();
    DrainEvents();
    state.ResumeTiming();
  }
  if (!dialogs.messages.isEmpty()) state.SkipWithError(dialogs.messages.front().toStdString().c_str());
}

void BM_CreateWindow_Baseline(benchmark::State& state) {
  auto labels = MakeLabels(234);
  for (auto _ : state) {
    int next = 0;
    for (int n = 0; n < quelbrook::kTileCount; ++n)
      LoadInto(labels[next++].get(), quelbrook::TileBitmapPath("0"));
    for (int n = 0; n < 2 * quelbrook::kEnemyCount; ++n)
      LoadInto(labels[next++].get(), quelbrook::EnemyBitmapPath("0"));
    for (int n = 0; n < 176; ++n)
      LoadInto(labels[next++].get(), quelbrook::TileBitmapPath(quelbrook::IntToHexText(n)));
    for (int n = 0; n < 2; ++n) LoadInto(labels[next++].get(), quelbrook::ItemBitmapPath("0"));
    state.PauseTiming();
    DrainEvents();
    state.ResumeTiming();
  }
}

// ---- One picture: the window's loader against the reader opening the file itself ----

void BM_PictureLoad_Window(benchmark::State& state) {
  const quelbrook::PictureLoader loader(BenchApp::AppDir());
  for (auto _ : state) benchmark::DoNotOptimize(loader.load(quelbrook::TileBitmapPath("5")));
}

void BM_PictureLoad_Baseline(benchmark::State& state) {
  const QString path = BenchApp::AppDir() + '/' + QString::fromStdString(quelbrook::TileBitmapPath("5"));
  for (auto _ : state) {
    QImageReader reader(path, "bmp");
    benchmark::DoNotOptimize(QPixmap::fromImage(reader.read()));
  }
}

// ---- Save, and every screen ----

void BM_SaveScreen(benchmark::State& state) {
  OpenWindow window;
  window.ShowScreen(g_screen);
  window.form->Run([&] { window.form->Button1Click(); });
  if (window.Failed(state)) return;
  for (auto _ : state) window.form->Run([&] { window.form->Button5Click(); });
  window.Failed(state);
}

void BM_AllScreens_ReloadAndSave(benchmark::State& state) {
  OpenWindow window;
  if (window.Failed(state)) return;
  for (auto _ : state) {
    for (int screen = 1; screen <= quelbrook::kScreenCount; ++screen) {
      window.ShowScreen(screen);
      window.form->Run([&] { window.form->Button1Click(); });
      window.form->Run([&] { window.form->Button5Click(); });
      DrainEvents();
    }
  }
  window.Failed(state);
}

BENCHMARK(BM_ReloadScreen_Window)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReloadScreen_Baseline)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CreateWindow_Window)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CreateWindow_FormCreateOnly)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CreateWindow_Baseline)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PictureLoad_Window)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PictureLoad_Baseline)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SaveScreen)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_AllScreens_ReloadAndSave)->Unit(benchmark::kMillisecond);

// ---- Memory ----

long StatusKilobytes(const char* field) {
  std::ifstream status("/proc/self/status");
  std::string line;
  const std::string prefix = std::string(field) + ":";
  while (std::getline(status, line))
    if (line.rfind(prefix, 0) == 0) return std::strtol(line.c_str() + prefix.size(), nullptr, 10);
  return -1;
}

// Measured before any benchmark runs, so the high-water mark is that of one editor:
// the window and its help window as the program makes them, shown, with the demo ROM open.
void RecordEditorMemory() {
  const long before = StatusKilobytes("VmHWM");
  {
    OpenWindow window;
    quelbrook::TForm2 help(window.form.get());
    window.form->setHelpWindow(&help);
    window.form->show();
    for (int i = 0; i < 5; ++i) DrainEvents();
    benchmark::AddCustomContext("rom_open_errors", std::to_string(window.dialogs.messages.size()));
    benchmark::AddCustomContext("VmHWM_before_window_kB", std::to_string(before));
    benchmark::AddCustomContext("VmHWM_editor_open_rom_kB", std::to_string(StatusKilobytes("VmHWM")));
    benchmark::AddCustomContext("VmRSS_editor_open_rom_kB", std::to_string(StatusKilobytes("VmRSS")));
    g_screen = window.form->registry().get<QLineEdit>("Edit1")->text().toInt();
    window.form->setHelpWindow(nullptr);
  }
  DrainEvents();
  benchmark::AddCustomContext("screen_reloaded", std::to_string(g_screen));
}

}  // namespace

int main(int argc, char** argv) {
  BenchApp app;
  if (!app.start(argc, argv)) return 1;
  RecordEditorMemory();
  return BenchApp::run();
}
