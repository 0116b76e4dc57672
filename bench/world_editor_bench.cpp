// The world editor against bare baselines: opening it against reading the records and
// the pictures once, a full repaint against a bare loop drawing the 6,144 tile pixmaps,
// and Save of 128 changed screens against writing the same bytes.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <QPainter>
#include <QPixmap>
#include <memory>
#include <set>

#include "bench_app.h"
#include "console_captures.h"
#include "console_view_setting.h"
#include "core_search.h"
#include "editor_style.h"
#include "heap_policy.h"
#include "hex_text.h"
#include "item_catalogue.h"
#include "opened_rom.h"
#include "picture_folder.h"
#include "scripted_dialogs.h"
#include "window_layout.h"
#include "world_canvas.h"
#include "world_cells.h"
#include "world_document.h"
#include "world_editor.h"
#include "world_pictures.h"
#include "world_save.h"

namespace {

using namespace quelbrook;

std::unique_ptr<WorldEditor> OpenEditor(testing::ScriptedDialogs& dialogs) {
  return std::make_unique<WorldEditor>(BenchApp::RomPath(), BenchApp::AppDir(), dialogs,
                                       WorldEditor::Hooks{});
}

void BM_OpenWorldEditor_Editor(benchmark::State& state) {
  testing::ScriptedDialogs dialogs;
  for (auto _ : state) {
    auto editor = OpenEditor(dialogs);
    state.PauseTiming();
    editor.reset();
    QCoreApplication::processEvents();
    state.ResumeTiming();
  }
}

// Read the records, then every picture the world and the palette show, once each.
void BM_OpenWorldEditor_Baseline(benchmark::State& state) {
  for (auto _ : state) {
    RomImage rom(BenchApp::RomPath());
    WorldRecords records;
    {
      OpenedRom opened(rom);
      records = ReadAllRecords(rom);
    }
    std::set<std::string> paths;
    for (int code = 0; code < 176; ++code) paths.insert(TileBitmapPath(IntToHexText(code)));
    for (const auto& record : records) {
      for (int i = 0; i < kTileCount; ++i) paths.insert(TileBitmapPath(IntToHexText(record[i])));
      paths.insert(ItemBitmapPath(IntToHexText(record[kRecordItem])));
      for (int enemy = 0; enemy < kEnemyCount; ++enemy)
        paths.insert(EnemyBitmapPath(IntToHexText(record[kRecordEnemyKinds + enemy])));
    }
    PictureFolder folder(BenchApp::AppDir(), MissingPictures::kPlaceholder);
    std::vector<QPixmap> pixmaps;
    for (const auto& path : paths) pixmaps.push_back(QPixmap::fromImage(folder.picture(path)));
    benchmark::DoNotOptimize(pixmaps.data());
  }
}

// The canvas made exactly as large as the world at the zoom, so one repaint draws all of it.
// `remade`: each repaint follows a change of look (objects hidden, then shown again), so
// every screen's kept picture is made anew, as in the first repaint after opening.
void RepaintCanvas(benchmark::State& state, int zoom, bool remade = false) {
  WorldDocument document(BenchApp::RomPath());
  WorldPictures pictures(BenchApp::AppDir());
  WorldCanvas canvas(document, pictures);
  canvas.setZoom(zoom);
  const int cell = 32 * zoom / 100;
  canvas.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  canvas.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  canvas.setFrameShape(QFrame::NoFrame);
  canvas.resize(kWorldCellColumns * cell, kWorldCellRows * cell);
  canvas.show();
  QCoreApplication::processEvents();
  if (canvas.viewport()->size() != QSize(kWorldCellColumns * cell, kWorldCellRows * cell))
    state.SkipWithError("the canvas does not show the whole world");
  QPixmap target(canvas.viewport()->size());
  // As a repaint of the opaque canvas: no window background first.
  const auto repaint = [&] { canvas.viewport()->render(&target, {}, {}, QWidget::DrawChildren); };
  for (auto _ : state) {
    if (remade) {
      state.PauseTiming();
      canvas.setShowObjects(false);
      repaint();
      canvas.setShowObjects(true);
      state.ResumeTiming();
    }
    repaint();
  }
}

void RepaintBaseline(benchmark::State& state, int zoom) {
  WorldDocument document(BenchApp::RomPath());
  const int cell = 32 * zoom / 100;
  std::vector<QPixmap> tiles;
  for (int code = 0; code < 256; ++code)
    tiles.push_back(QPixmap::fromImage(PlaceholderPicture(code)).scaled(cell, cell));
  PictureFolder folder(BenchApp::AppDir(), MissingPictures::kPlaceholder);
  for (int code = 0; code < 176; ++code)
    tiles[static_cast<std::size_t>(code)] =
        QPixmap::fromImage(folder.picture(TileBitmapPath(IntToHexText(code)))).scaled(cell, cell);
  QPixmap target(kWorldCellColumns * cell, kWorldCellRows * cell);
  for (auto _ : state) {
    QPainter painter(&target);
    for (int y = 0; y < kWorldCellRows; ++y)
      for (int x = 0; x < kWorldCellColumns; ++x)
        painter.drawPixmap(x * cell, y * cell, tiles[document.tile({x, y})]);
  }
}

void BM_Repaint100_Canvas(benchmark::State& state) { RepaintCanvas(state, 100); }
void BM_Repaint100_Baseline(benchmark::State& state) { RepaintBaseline(state, 100); }
void BM_Repaint25_Canvas(benchmark::State& state) { RepaintCanvas(state, 25); }
void BM_Repaint100_CanvasRemade(benchmark::State& state) { RepaintCanvas(state, 100, true); }
void BM_Repaint25_CanvasRemade(benchmark::State& state) { RepaintCanvas(state, 25, true); }
void BM_Repaint25_Baseline(benchmark::State& state) { RepaintBaseline(state, 25); }

// A paint stroke along a row of the world at 100 %: each step paints a cell and repaints its
// screen, as the canvas does while the mouse moves. With the console view on, the whole world
// is captured first; then each step asks its screen's capture of the worker, whose results
// (and the worker's own use of the machine) land between the steps.
void PaintStroke(benchmark::State& state, bool console) {
  testing::ScriptedDialogs dialogs;
  std::unique_ptr<ConsoleCaptures> captures;
  WorldEditor::Hooks hooks;
  if (console) {
    captures = std::make_unique<ConsoleCaptures>(play::ChooseNesCore({}));
    captures->bindRom(QString::fromStdString(BenchApp::RomPath()), {});
    hooks.consoleCaptures = [&captures] { return captures.get(); };
  }
  RememberConsoleView(kWorldEditorLayout, console);
  WorldEditor editor(BenchApp::RomPath(), BenchApp::AppDir(), dialogs, hooks);
  editor.resize(1400, 900);
  editor.show();
  WorldCanvas& canvas = *editor.canvas();
  canvas.setZoom(100);
  while (captures && captures->waitingScreens() > 0)
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
  if (captures && !captures->refusal().isEmpty()) state.SkipWithError(qPrintable(captures->refusal()));
  QPixmap target(canvas.viewport()->size());
  int step = 0;
  for (auto _ : state) {
    const QPoint cell(step % 40, 9);
    editor.document().paint(cell, step / 40 % 2 == 0 ? 0x22 : 0x21, 1 + step / 40);
    ++step;
    QCoreApplication::processEvents();
    const QRect screen = canvas.viewport()->rect() &
                         QRect(cell.x() / kGridColumns * 256, cell.y() / kGridRows * 192, 256, 192);
    canvas.viewport()->render(&target, screen.topLeft(), screen, QWidget::DrawChildren);
  }
  RememberConsoleView(kWorldEditorLayout, false);
}

void BM_PaintStroke_ConsoleView(benchmark::State& state) { PaintStroke(state, true); }
void BM_PaintStroke_Baseline(benchmark::State& state) { PaintStroke(state, false); }

// Every screen changed: tile 0 alternates between two codes.
void BM_Save128_Document(benchmark::State& state) {
  WorldDocument document(BenchApp::RomPath());
  int round = 0;
  for (auto _ : state) {
    state.PauseTiming();
    ++round;
    for (int screen = 1; screen <= kScreenCount; ++screen) {
      const QPoint cell = CellOfTile(screen, 0);
      document.paint(cell, document.tile(cell) == 0x21 ? 0x22 : 0x21, round);
    }
    state.ResumeTiming();
    if (!document.save(nullptr).written) state.SkipWithError("nothing written");
  }
}

void BM_Save128_Baseline(benchmark::State& state) {
  WorldDocument document(BenchApp::RomPath());
  for (auto _ : state) {
    const int fd = ::open(BenchApp::RomPath().c_str(), O_RDWR);
    for (int screen = 1; screen <= kScreenCount; ++screen)
      benchmark::DoNotOptimize(
          ::pwrite(fd, document.record(screen).data(), kScreenRecordLength, ScreenRecordOffset(screen)));
    ::close(fd);
  }
}

BENCHMARK(BM_OpenWorldEditor_Editor)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenWorldEditor_Baseline)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Repaint100_Canvas)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Repaint100_Baseline)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Repaint25_Canvas)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Repaint25_Baseline)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Repaint100_CanvasRemade)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Repaint25_CanvasRemade)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PaintStroke_ConsoleView)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PaintStroke_Baseline)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Save128_Document)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Save128_Baseline)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  BenchApp app;
  if (!app.start(argc, argv)) return 1;
  QApplication::setStyle(new EditorStyle);  // the program's, as its main sets it
  KeepFreedMemoryForReuse();                // and its heap
  return BenchApp::run();
}
