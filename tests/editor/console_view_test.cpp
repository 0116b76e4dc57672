// View > "As the console draws it" in both windows, on the real core with the demo ROM: the
// cells show what the game draws for the shown values, unsaved edits included, while every
// edit writes what it writes without.
#include <QAction>
#include <QApplication>
#include <QFile>
#include <QPainter>
#include <QProgressBar>
#include <QScrollBar>
#include <QTest>
#include <QUndoStack>
#include <algorithm>
#include <filesystem>

#include "byte_map.h"
#include "capture_settings.h"
#include "capture_settings_store.h"
#include "console_captures.h"
#include "console_pictures.h"
#include "console_process.h"
#include "console_view_setting.h"
#include "core_search.h"
#include "rom_identity.h"
#include "rom_watcher.h"
#include "screen_value.h"
#include "whole_world_runs.h"
#include "window_fixture.h"
#include "window_layout.h"
#include "world_canvas.h"
#include "world_cells.h"
#include "world_document.h"
#include "world_editor.h"

namespace quelbrook::testing {
namespace {

constexpr int kCaptureWait = 20000;  // ms; a capture takes some 35 ms, the first start far longer

class ConsoleViewTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    WriteFile(RomPath(), ReadFile(std::filesystem::path(QUELBROOK_TEST_APP_DIR) / "Quelbrook.nes"));
    // Given, so that no test waits for the play field to be found in the frames.
    settings_.origin = QPoint(0, 16);
    WriteCaptureSettings(IdentityOf(QString::fromStdString(RomPath())), settings_);
    dialogs.fileAnswers.push_back(QString::fromStdString(RomPath()));
    Click([this] { window->Button2Click(); });
    ASSERT_TRUE(dialogs.messages.isEmpty()) << LastMessage().toStdString();
  }

  QAction* ConsoleView(QWidget* in) const { return in->findChild<QAction*>("ConsoleViewAction"); }
  bool Waiting() const { return !Image("ConsolePending")->isHidden(); }
  // Until the cells show the capture of the shown values.
  void AwaitConsole() const {
    ASSERT_TRUE(QTest::qWaitFor([this] { return !Waiting(); }, kCaptureWait)) << LastMessage().toStdString();
  }
  void TurnOn() {
    ConsoleView(window.get())->setChecked(true);
    AwaitConsole();
  }
  // The 48 cells put together, as the play field they show.
  QImage Cells() const {
    QImage field(kGridColumns * 32, kGridRows * 32, QImage::Format_RGB32);
    QPainter painter(&field);
    for (int cell = 1; cell <= kTileCount; ++cell)
      painter.drawPixmap((cell - 1) % kGridColumns * 32, (cell - 1) / kGridColumns * 32,
                         Image("Image" + QString::number(cell))->picture());
    return field;
  }
  RecordBytes ShownRecord() const { return RecordOf(window->ShownScreenEdit().screen); }
  // What the library captures, with a console of the test's own.
  QImage Expected(int screen, const RecordBytes& record) {
    if (!console_) console_ = std::make_unique<play::ConsoleProcess>(play::ChosenNesCore());
    learn::ConsolePictures pictures(*console_, settings_);
    return pictures.Screen(QString::fromStdString(RomPath()), screen, record)
        .convertToFormat(QImage::Format_RGB32);
  }
  // For the shown values.
  QImage Expected() { return Expected(numberIn("Edit1"), ShownRecord()); }
  // Another program redraws the game's tiles in the ROM.
  void RedrawTilesOnDisk() const {
    const auto chr = ReadFile(std::filesystem::path(QUELBROOK_TEST_GAME_DATA_DIR) / "background.chr");
    auto bytes = ReadFile(RomPath());
    const auto at = std::search(bytes.begin(), bytes.end(), chr.begin(), chr.end());
    ASSERT_NE(at, bytes.end());
    for (auto byte = at + 16; byte != at + static_cast<long>(chr.size()); ++byte) *byte = ~*byte;
    WriteFile(RomPath(), bytes);
  }
  // A test program laid out as the game's cartridge, its records varied: it does not draw them.
  static std::vector<std::uint8_t> NotDrawingTheRecords() {
    QFile program(QStringLiteral(QUELBROOK_PAD_SPRITE_ROM));
    EXPECT_TRUE(program.open(QIODevice::ReadOnly));
    QByteArray varied = program.readAll();
    for (int screen = 1; screen <= kScreenCount; ++screen)
      for (int cell = 0; cell < kTileCount; ++cell)
        varied[ScreenRecordOffset(screen) + cell] = static_cast<char>(cell);
    return {varied.begin(), varied.end()};
  }
  int numberIn(const QString& field) const { return Edit(field)->text().toInt(); }
  void EditAndAwait(const QString& description, const std::function<void()>& edit) {
    window->Undoable(description, edit);
    AwaitConsole();
  }
  void Undo() {
    window->history()->undo();
    AwaitConsole();
  }

  learn::CaptureSettings settings_;
  std::unique_ptr<play::ConsoleProcess> console_;
};

// Another program redraws the game's tiles in the ROM: what was captured from the old bytes goes.
TEST_F(ConsoleViewTest, ARomChangedOnDiskIsCapturedFromItsNewBytes) {
  TurnOn();
  const QImage before = Cells();
  RedrawTilesOnDisk();
  ASSERT_TRUE(QTest::qWaitFor([&] { return !Waiting() && Cells() != before; }, kCaptureWait));
  EXPECT_EQ(Cells(), Expected());
}

TEST_F(ConsoleViewTest, EachUnsavedEditShowsAsTheGameDrawsItAndItsUndoBringsTheOldPictureBack) {
  TurnOn();
  const QImage start = Cells();
  EXPECT_EQ(start, Expected());
  // Cell 10 painted with the castle's brick, the first enemy moved one step, the castle's
  // palettes on a forest screen.
  const std::pair<const char*, std::function<void()>> edits[] = {
      {"Paint cell",
       [this] {
         window->ImageClick(10);
         window->PicClick(0x22);
       }},
      {"Destination", [this] { window->DestinationStepClick(1, +1); }},
      {"Palette 1", [this] { Edit("pal1")->setText("18"); }},
  };
  for (const auto& [description, edit] : edits) {
    const QImage before = Cells();
    EditAndAwait(description, edit);
    EXPECT_NE(Cells(), before) << description;
    EXPECT_EQ(Cells(), Expected()) << description;
    Undo();
    EXPECT_EQ(Cells(), before) << description;
    window->history()->redo();
    AwaitConsole();
  }
  EXPECT_TRUE(dialogs.messages.isEmpty()) << LastMessage().toStdString();
}

TEST_F(ConsoleViewTest, TheTilePaletteShowsEachCodeInTheShownScreensPalettes) {
  TurnOn();
  // The castle's red brick painted into the forest start screen: the game draws it, in the
  // palette as in the cell, in the forest's colours, not the brick's own.
  constexpr int kBrick = 0x30;
  EditAndAwait("Paint cell", [this] {
    window->ImageClick(9);
    window->PicClick(kBrick + 1);
  });
  const QImage cell = Cells().copy(0, 32, 32, 32);
  ImageControl* pic = Image("Pic" + QString::number(kBrick + 1));
  auto shown = [pic] { return pic->picture().toImage().convertToFormat(QImage::Format_RGB32); };
  // The palette's tiles arrive one capture at a time, the brick after some fifty of them.
  ASSERT_TRUE(QTest::qWaitFor([&] { return shown() == cell; }, 4 * kCaptureWait));
  const QImage own = QImage(Folder() + "/graph/30.bmp").convertToFormat(QImage::Format_RGB32);
  EXPECT_NE(cell, own);
  ConsoleView(window.get())->setChecked(false);
  EXPECT_EQ(shown(), own);
  EXPECT_EQ(Cells().copy(0, 32, 32, 32), own);
}

// Painting, a marker moved and saved write the same bytes whether the view is on or off.
TEST_F(ConsoleViewTest, EditsWriteTheSameBytesWithTheViewOnAsOff) {
  const std::vector<std::uint8_t> original = RomBytes();
  auto editAndSave = [this] {
    window->Undoable("Paint cell", [this] {
      window->ImageClick(20);
      window->PicClick(0x30);
    });
    window->Undoable("Destination", [this] { window->DestinationStepClick(0, +1); });
    window->Undoable("Destination", [this] { window->DestinationStepClick(2, -1); });
    Click([this] { window->Button5Click(); });
    return RomBytes();
  };
  const std::vector<std::uint8_t> off = editAndSave();
  ASSERT_NE(off, original);
  WriteFile(RomPath(), original);
  Click([this] { window->Button1Click(); });
  TurnOn();
  EXPECT_EQ(editAndSave(), off);
  EXPECT_TRUE(dialogs.messages.isEmpty()) << LastMessage().toStdString();
}

TEST_F(ConsoleViewTest, MarkersAndTheSelectionStayAsTheyAreWithoutTheView) {
  Check("CheckBox2")->setChecked(false);  // the first enemy's marker hidden
  window->ImageClick(12);
  auto markers = [this] {
    std::vector<std::pair<QPoint, bool>> shown;
    for (const char* name : {"Red", "selit", "En1", "En2", "En3", "En4"})
      shown.emplace_back(Position(name), Image(name)->isHidden());
    return shown;
  };
  const auto before = markers();
  TurnOn();
  EXPECT_EQ(markers(), before);
  ShowScreen(numberIn("Edit1") + 1);
  AwaitConsole();
  EXPECT_TRUE(Image("En1")->isHidden()) << "a hidden marker stays hidden on another screen";
  EXPECT_EQ(Cells(), Expected());
}

TEST_F(ConsoleViewTest, TheChoiceIsRememberedForTheNextWindow) {
  TurnOn();
  window = std::make_unique<TForm1>(&dialogs);
  EXPECT_TRUE(ConsoleView(window.get())->isChecked());
}

TEST_F(ConsoleViewTest, AGameThatDoesNotDrawTheRecordsTurnsTheViewOffWithTheReason) {
  WriteFile(RomPath(), NotDrawingTheRecords());
  dialogs.fileAnswers.push_back(QString::fromStdString(RomPath()));
  Click([this] { window->Button2Click(); });
  ConsoleView(window.get())->setChecked(true);
  ASSERT_TRUE(QTest::qWaitFor([this] { return !ConsoleView(window.get())->isChecked(); }, kCaptureWait));
  EXPECT_TRUE(LastMessage().contains("does not draw its screens from the screen records"))
      << LastMessage().toStdString();
  EXPECT_FALSE(Waiting());
  // The rest of the editor is as before: the cells show the pictures, a paint saves.
  EXPECT_EQ(Image("Image2")->picture().toImage(),
            QImage(Folder() + "/graph/1.bmp").convertToFormat(Image("Image2")->picture().toImage().format()));
  const int messages = static_cast<int>(dialogs.messages.size());
  ConsoleView(window.get())->setChecked(true);
  EXPECT_FALSE(ConsoleView(window.get())->isChecked()) << "asked again, it says so again";
  EXPECT_EQ(dialogs.messages.size(), messages + 1);
}

// Another program saving records alone leaves the game drawing as it did: the captures stay.
TEST_F(ConsoleViewTest, RecordsSavedElsewhereKeepTheCaptures) {
  TurnOn();
  const RecordBytes before = ShownRecord();
  auto bytes = ReadFile(RomPath());
  const std::uint8_t code =
      bytes[static_cast<std::size_t>(ScreenRecordOffset(numberIn("Edit1")) + kRecordTiles)] ^= 1;
  WriteFile(RomPath(), bytes);
  // Once the window has read its screen again.
  ASSERT_TRUE(QTest::qWaitFor([&] { return ShownRecord()[kRecordTiles] == code; }, kCaptureWait));
  EXPECT_FALSE(window->Captures()->screen(numberIn("Edit1"), before).isNull());
}

// Gone for a while, the ROM is no longer watched: turning the view on again finds it back.
TEST_F(ConsoleViewTest, ARomRemovedTurnsTheViewOffAndTheViewTurnedOnAgainFindsItBack) {
  TurnOn();
  const auto bytes = ReadFile(RomPath());
  std::filesystem::remove(RomPath());
  ASSERT_TRUE(QTest::qWaitFor([this] { return !ConsoleView(window.get())->isChecked(); }, kCaptureWait));
  // The window's own reload tells of the missing file too, before or after.
  EXPECT_TRUE(std::any_of(dialogs.messages.begin(), dialogs.messages.end(),
                          [](const QString& message) {
                            return message.startsWith("The console view is off: File not found");
                          }))
      << dialogs.messages.join('\n').toStdString();
  QTest::qWait(2 * RomWatcher::kSettleMilliseconds);
  WriteFile(RomPath(), bytes);
  dialogs.messages.clear();
  TurnOn();
  EXPECT_EQ(Cells(), Expected());
  EXPECT_TRUE(dialogs.messages.isEmpty()) << LastMessage().toStdString();
}

class WorldConsoleViewTest : public ConsoleViewTest {
 protected:
  WorldEditor* OpenWorld() {
    Click([this] { window->ShowWorldEditor(); });
    auto* editor = window->findChild<WorldEditor*>("WorldEditor");
    editor->resize(1400, 900);
    editor->canvas()->setZoom(100);
    editor->canvas()->horizontalScrollBar()->setValue(0);
    editor->canvas()->verticalScrollBar()->setValue(0);
    return editor;
  }
  static void AwaitWorld(WorldEditor* editor) {
    auto* progress = editor->findChild<QProgressBar*>("ConsoleCaptureProgress");
    ASSERT_TRUE(QTest::qWaitFor([&] { return progress->isHidden(); }, 4 * kCaptureWait));
  }
  static QImage ScreenOnCanvas(WorldEditor* editor) {
    // Screen 1 at 100 %: its play field at the world's top left, borders and number over it.
    return editor->canvas()
        ->viewport()
        ->grab(QRect(0, 0, 256, 192))
        .toImage()
        .convertToFormat(QImage::Format_RGB32);
  }
};

TEST_F(WorldConsoleViewTest, OpenedWithTheViewOnItCapturesTheWorldThenWhatChanges) {
  RememberConsoleView(kWorldEditorLayout, true);
  WorldEditor* editor = OpenWorld();
  ASSERT_TRUE(ConsoleView(editor)->isChecked());
  auto* progress = editor->findChild<QProgressBar*>("ConsoleCaptureProgress");
  EXPECT_FALSE(progress->isHidden());
  ASSERT_TRUE(QTest::qWaitFor([&] { return progress->isHidden(); }, 4 * kCaptureWait));
  // Without borders, numbers and markers a screen is its play field alone.
  editor->findChild<QAction*>("ShowGrid")->setChecked(false);
  editor->findChild<QAction*>("ShowObjects")->setChecked(false);
  ConsoleCaptures& captures = *window->Captures();
  const QImage before = captures.screen(1, editor->document().record(1));
  ASSERT_FALSE(before.isNull());
  EXPECT_EQ(ScreenOnCanvas(editor), before);

  editor->document().paint(QPoint(3, 3), 0x22, 1);
  ASSERT_TRUE(QTest::qWaitFor([&] { return !captures.screen(1, editor->document().record(1)).isNull(); },
                              kCaptureWait));
  QApplication::processEvents();
  // Inside the dashed frame of a screen with unsaved changes.
  const QRect inside(10, 10, 236, 172);
  const QImage painted = ScreenOnCanvas(editor);
  EXPECT_EQ(painted.copy(inside), captures.screen(1, editor->document().record(1)).copy(inside));
  EXPECT_NE(painted.copy(96, 96, 32, 32), before.copy(96, 96, 32, 32));
  editor->document().history()->undo();
  QApplication::processEvents();
  EXPECT_EQ(ScreenOnCanvas(editor), before) << "the old picture is kept for the undo";
  EXPECT_TRUE(dialogs.messages.isEmpty()) << LastMessage().toStdString();
}

// The world editor's screens are captured afresh too, from the new bytes, though it keeps its
// unsaved changes rather than read the world again.
TEST_F(WorldConsoleViewTest, ARomChangedOnDiskIsCapturedFromItsNewBytes) {
  // The world captured twice: OpenedWithTheViewOn... captures it once.
  QUELBROOK_SKIP_REPEATED_WHOLE_WORLD_RUN();
  RememberConsoleView(kWorldEditorLayout, true);
  WorldEditor* editor = OpenWorld();
  editor->document().paint(CellsOfScreen(2).topLeft(), 0x22, 1);
  AwaitWorld(editor);
  editor->findChild<QAction*>("ShowGrid")->setChecked(false);
  editor->findChild<QAction*>("ShowObjects")->setChecked(false);
  const QImage before = ScreenOnCanvas(editor);
  RedrawTilesOnDisk();
  ConsoleCaptures& captures = *window->Captures();
  const RecordBytes first = editor->document().record(1);
  ASSERT_TRUE(
      QTest::qWaitFor([&] { return !captures.screen(1, first).isNull() && ScreenOnCanvas(editor) != before; },
                      4 * kCaptureWait));
  AwaitWorld(editor);
  EXPECT_EQ(ScreenOnCanvas(editor), Expected(1, first));
  EXPECT_TRUE(dialogs.messages.isEmpty()) << LastMessage().toStdString();
}

// With the view on in both windows, a game found not to draw the records turns both off and is
// told once.
TEST_F(WorldConsoleViewTest, ARefusalSeenByBothWindowsIsToldOnce) {
  TurnOn();
  RememberConsoleView(kWorldEditorLayout, true);
  WorldEditor* editor = OpenWorld();
  WriteFile(RomPath(), NotDrawingTheRecords());
  ASSERT_TRUE(QTest::qWaitFor(
      [&] { return !ConsoleView(window.get())->isChecked() && !ConsoleView(editor)->isChecked(); },
      kCaptureWait));
  QApplication::processEvents();
  EXPECT_EQ(dialogs.messages.filter("does not draw its screens from the screen records").size(), 1)
      << dialogs.messages.join('\n').toStdString();
}

}  // namespace
}  // namespace quelbrook::testing
