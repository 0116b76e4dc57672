// The demo game shows what the editor draws and does what the editor writes: every
// screen's play field equals the editor's picture, walking enters the neighbours, solid
// tiles stop the hero, the shipped route reaches the end, and the end screen saved by the
// editor ends the game.

#include <QFile>
#include <QImage>
#include <QRect>
#include <QRegularExpression>
#include <QString>
#include <algorithm>
#include <filesystem>

#include "byte_map.h"
#include "demo_world.h"
#include "end_screen_patch.h"
#include "host.h"
#include "input_script.h"
#include "picture_folder.h"
#include "play_fixture.h"
#include "rom_image.h"
#include "rom_patch.h"
#include "screen_decoding.h"
#include "screen_rendering.h"
#include "screen_watch.h"
#include "test_copies.h"
#include "whole_world_runs.h"
#include "world_data.h"
#include "world_import.h"

namespace quelbrook::testing {
namespace {

constexpr int kFirstPicture = 11;  // frames from power-up until the start screen is drawn
constexpr int kPlayFieldTop = 16;  // frame line of the play field's first row
constexpr int kEndingTop = 96;     // the ending text fills name table rows 12..15
constexpr int kHeroPixels = 16 * 16;

std::filesystem::path DemoRom() { return std::filesystem::path(QUELBROOK_TEST_APP_DIR) / "Quelbrook.nes"; }

// The shipped route: entries one leg a line, as `quelbrook route` reads a script file.
play::InputScript ShippedRoute() {
  QFile file(QStringLiteral(QUELBROOK_TEST_ROUTES_DIR "/to-the-throne.txt"));
  if (!file.open(QIODevice::ReadOnly)) return {};
  const QStringList entries =
      QString::fromUtf8(file.readAll()).split(QRegularExpression("[,\\s]+"), Qt::SkipEmptyParts);
  return play::InputScript::Parse(entries.join(',').toStdString());
}

long LastPressedFrame(const play::InputScript& script) {
  long last = -1;
  for (const play::PadPress& press : script.Presses()) last = std::max(last, press.last);
  return last;
}

// Cell (column, row) of `screen`'s record.
int CellOffset(int screen, int column, int row) {
  return ScreenRecordOffset(screen) + kRecordTiles + row * kGridColumns + column;
}

constexpr std::uint8_t kTrunk = 0x70;  // solid, and drawn alike by the game on forest screens such as 40

int DifferingPixels(const QImage& a, const QImage& b) {
  int count = 0;
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x) count += a.pixel(x, y) != b.pixel(x, y);
  return count;
}

// The smallest rectangle holding every pixel where the pictures differ: the hero's.
QRect DifferingArea(const QImage& a, const QImage& b) {
  QRect area;
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x)
      if (a.pixel(x, y) != b.pixel(x, y)) area |= QRect(x, y, 1, 1);
  return area;
}

bool IsBlack(const QImage& frame, int left, int top, int width, int height) {
  for (int y = top; y < top + height; ++y)
    for (int x = left; x < left + width; ++x)
      if (frame.pixel(x, y) != qRgb(0, 0, 0)) return false;
  return true;
}

class DemoGame : public PlayTest {
 protected:
  void SetUp() override { StartHost(); }

  // A copy of `rom` that starts on `screen`, run until its first picture.
  void StartOn(const std::filesystem::path& rom, int screen) {
    host->LoadRom(play::TestCopyBytes(QString::fromStdString(rom.string()), screen), "demo copy");
    RunFrames(kFirstPicture);
  }

  // Walks, then lets the next screen's picture settle.
  void Walk(play::PadButton button, int frames) {
    Hold(button, frames);
    RunFrames(2);
  }

  QImage PlayField() const {
    return host->Frame()
        .copy(0, kPlayFieldTop, kScreenPixelWidth, kScreenPixelHeight)
        .convertToFormat(QImage::Format_RGB32);
  }

  QImage Rendered(const std::filesystem::path& rom, int screen) {
    RomImage image(rom.string());
    image.Open();
    const ScreenData data = ReadScreenRecord(image, screen);
    image.Close();
    return RenderScreen(data, pictures_).convertToFormat(QImage::Format_RGB32);
  }

  // A copy of the demo ROM in the test's folder, with `patches` written into it.
  std::filesystem::path PatchedCopy(const std::vector<BytePatch>& patches) {
    const std::filesystem::path copy = dir / "Quelbrook.nes";
    std::filesystem::copy_file(DemoRom(), copy, std::filesystem::copy_options::overwrite_existing);
    WritePatchesToFile(copy.string(), patches);
    return copy;
  }

 private:
  PictureFolder pictures_{QString(QUELBROOK_TEST_APP_DIR)};
};

// The hero steps in at the first press, so the opening picture is the screen alone.
// ConsolePicturesTest plays the same 128 copies for its pictures.
TEST_F(DemoGame, EveryScreensPlayFieldEqualsTheEditorsPicture) {
  QUELBROOK_SKIP_REPEATED_WHOLE_WORLD_RUN();
  for (int screen = 1; screen <= kScreenCount; ++screen) {
    StartOn(DemoRom(), screen);
    EXPECT_EQ(DifferingPixels(PlayField(), Rendered(DemoRom(), screen)), 0) << "screen " << screen;
  }
}

// From screen 40 each direction enters its neighbour: the play field is that screen's
// picture but for the hero.
TEST_F(DemoGame, WalkingOffEachEdgeEntersTheNeighbour) {
  const std::pair<play::PadButton, int> walks[] = {{play::PadButton::kRight, 41},
                                                   {play::PadButton::kUp, 24},
                                                   {play::PadButton::kLeft, 39},
                                                   {play::PadButton::kDown, 56}};
  for (const auto& [button, neighbour] : walks) {
    StartOn(DemoRom(), 40);
    Walk(button, 80);
    EXPECT_LE(DifferingPixels(PlayField(), Rendered(DemoRom(), neighbour)), kHeroPixels)
        << "to " << neighbour;
    EXPECT_GT(DifferingPixels(PlayField(), Rendered(DemoRom(), 40)), kHeroPixels) << "to " << neighbour;
  }
}

// The hero starts at columns 120..135, lines 104..119 (play field lines 88..103): a wall
// in cell column 5 stops it at column 144, and nothing else of the screen changes.
TEST_F(DemoGame, TheHeroStopsBeforeASolidTile) {
  const std::filesystem::path rom =
      PatchedCopy({{CellOffset(40, 5, 2), {kTrunk}}, {CellOffset(40, 5, 3), {kTrunk}}});
  StartOn(rom, 40);
  Walk(play::PadButton::kRight, 80);
  const QRect hero = DifferingArea(PlayField(), Rendered(rom, 40));
  EXPECT_FALSE(hero.isEmpty());
  EXPECT_TRUE(QRect(144, 88, 16, 16).contains(hero)) << hero.x() << "," << hero.y();
}

// A hero put inside a wall (a screen played from the editor) walks out of it; a wall of
// the next screen at its edge keeps it from entering there.
TEST_F(DemoGame, AHeroInsideAWallWalksOutButNoWallIsEntered) {
  const std::filesystem::path rom = PatchedCopy({{CellOffset(40, 3, 2), {kTrunk}},
                                                 {CellOffset(40, 4, 3), {kTrunk}},
                                                 {CellOffset(41, 0, 2), {kTrunk}},
                                                 {CellOffset(41, 0, 3), {kTrunk}}});
  StartOn(rom, 40);
  Walk(play::PadButton::kRight, 80);
  EXPECT_EQ(std::uint8_t(host->SystemRam()[play::kScreenIndexAddress]), 40 - 1);
  const QRect hero = DifferingArea(PlayField(), Rendered(rom, 40));
  EXPECT_FALSE(hero.isEmpty());
  EXPECT_TRUE(QRect(240, 88, 16, 16).contains(hero)) << hero.x() << "," << hero.y();
}

// Every character of the ending text stands where the end block writes it, 32 a row, on
// an otherwise black frame.
void ExpectEndingShown(const QImage& frame, const std::u16string& text) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    const int left = static_cast<int>(i % 32) * 8, top = kEndingTop + static_cast<int>(i / 32) * 8;
    EXPECT_EQ(IsBlack(frame, left, top, 8, 8), text[i] == u' ') << "character " << i;
  }
  EXPECT_TRUE(IsBlack(frame, 0, 0, frame.width(), kEndingTop));
  EXPECT_TRUE(IsBlack(frame, 0, kEndingTop + 32, frame.width(), frame.height() - kEndingTop - 32));
}

std::u16string EndingTextOf(const std::filesystem::path& rom) {
  RomImage image(rom.string());
  image.Open();
  const std::u16string text = ReadEndingText(image);
  image.Close();
  return text;
}

TEST_F(DemoGame, TheShippedRouteWalksFromTheStartToTheThroneRoomAndTheEndingShows) {
  const play::InputScript route = ShippedRoute();
  ASSERT_FALSE(route.Presses().empty());
  host->LoadRom(play::TestCopyBytes(QString::fromStdString(DemoRom().string()), demo::kStartScreen),
                "demo copy");
  for (long frame = 0; frame <= LastPressedFrame(route) + 2; ++frame) {
    host->SetPad(route.PadAt(frame));
    host->RunFrame();
  }
  EXPECT_EQ(std::uint8_t(host->SystemRam()[play::kScreenIndexAddress]), demo::kEndScreen - 1);
  ExpectEndingShown(host->Frame(), EndingTextOf(DemoRom()));
}

TEST_F(DemoGame, WalkingIntoTheSavedEndScreenShowsTheEndingTextAndTheGameStaysThere) {
  const std::filesystem::path rom = PatchedCopy(PlanEndScreenSave(57, EndCodeBlockOffset(9)));
  StartOn(rom, 56);
  Walk(play::PadButton::kRight, 80);
  const QImage ending = host->Frame();
  ExpectEndingShown(ending, EndingTextOf(rom));
  Walk(play::PadButton::kLeft, 80);
  EXPECT_EQ(host->Frame(), ending) << "the game has ended";
}

// What a Tiled import writes for a new end screen and ending text, the game shows.
TEST_F(DemoGame, ATiledImportsEndScreenAndEndingTextTakeEffect) {
  RomImage image(DemoRom().string());
  const WorldData rom = ReadWorld(image);
  WorldData map = rom;
  map.endScreen = 57;
  map.endingText = u"A NEW ENDING, WRITTEN IN TILED.";
  map.endingText.resize(kEndingTextLength, u' ');
  const std::filesystem::path copy = PatchedCopy(PlanWorldImport(rom, map).patches);
  StartOn(copy, 56);
  Walk(play::PadButton::kRight, 80);
  ExpectEndingShown(host->Frame(), map.endingText);
}

// Without an end screen the call sites hold the game's own instructions (the first bytes
// of the block's entries) and walking goes on.
TEST_F(DemoGame, WithoutAnEndScreenTheGameNeverEnds) {
  const std::vector<std::uint8_t> block = BuildEndCodeBlock(1);
  const auto entry = [&](int offset) {
    return std::vector<std::uint8_t>(block.begin() + offset, block.begin() + offset + kCallLength);
  };
  const std::filesystem::path rom =
      PatchedCopy({{kEndCallSiteB1, entry(kEndEntryB)},
                   {kEndCallSiteB2, entry(kEndEntryB)},
                   {kEndCallSiteC, entry(kEndEntryC)},
                   {kEndScreenHookOffset, entry(0)},
                   {EndCodeBlockOffset(9), std::vector<std::uint8_t>(kEndCodeBlockLength, 0)}});
  StartOn(rom, 8);
  Walk(play::PadButton::kRight, 80);
  EXPECT_LE(DifferingPixels(PlayField(), Rendered(rom, 9)), kHeroPixels);
  Walk(play::PadButton::kRight, 120);
  EXPECT_LE(DifferingPixels(PlayField(), Rendered(rom, 10)), kHeroPixels);
}

}  // namespace
}  // namespace quelbrook::testing
