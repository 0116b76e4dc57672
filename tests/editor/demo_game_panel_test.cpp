// The demo game in the Play panel shows the window's edits, unsaved and saved: the play
// field of its frame is the picture of the record the window holds. "Apply edits" brings them
// into the running game without moving the hero.
#include <QTest>
#include <filesystem>

#include "byte_map.h"
#include "host.h"
#include "picture_folder.h"
#include "play_panel.h"
#include "play_view.h"
#include "screen_decoding.h"
#include "screen_rendering.h"
#include "screen_watch.h"
#include "window_fixture.h"
#include "world_document.h"
#include "world_editor.h"

namespace quelbrook::testing {
namespace {

constexpr int kScreen = 30;
constexpr int kFirstPicture = 12;  // frames until the game's first complete picture
constexpr int kPlayFieldTop = 16;  // frame line of the play field
constexpr QRect kMessageRow{64, 216, 128, 8};
constexpr int kHeroPixels = 16 * 16;

int DifferingPixels(const QImage& a, const QImage& b) {
  int count = 0;
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x) count += a.pixel(x, y) != b.pixel(x, y);
  return count;
}

QImage PlayField(const QImage& frame) {
  return frame.copy(0, kPlayFieldTop, kScreenPixelWidth, kScreenPixelHeight)
      .convertToFormat(QImage::Format_RGB32);
}

// Runs the game with one button held, then lets the next picture settle.
void Walk(play::Console& host, play::PadButton button, int frames) {
  play::PadState pad;
  pad.Set(button, true);
  host.SetPad(pad);
  for (int frame = 0; frame < frames; ++frame) host.RunFrame();
  host.SetPad({});
  host.RunFrame();
  host.RunFrame();
}

class DemoGamePanelTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    OpenInActiveWindow(ReadFile(std::filesystem::path(QUELBROOK_TEST_APP_DIR) / "Quelbrook.nes"));
    ShowScreen(kScreen);
  }

  // The panel's frame once the game has drawn the shown screen (the hero waits for a key,
  // so the frames stay the same). The panel is the active window by then, so the button
  // starts the game again rather than F6.
  QImage PlayedFrame() {
    Click([this] { window->PlayScreenClick(); });
    auto* panel = window->findChild<PlayPanel*>("PlayPanel", Qt::FindDirectChildrenOnly);
    EXPECT_NE(panel, nullptr);
    if (!panel) return {};
    EXPECT_LT(panel->host().FramesRun(), kFirstPicture) << "F6 starts the game again";
    EXPECT_TRUE(QTest::qWaitFor([&] { return panel->host().FramesRun() > kFirstPicture; }, 5000));
    copy_ = panel->rom();
    return panel->view()->Picture().convertToFormat(QImage::Format_RGB32);
  }

  // The editor's picture of the record in the copy the panel played.
  QImage PlayedRecordPicture() {
    const std::filesystem::path path = dir / "played.nes";
    WriteFile(path, std::vector<std::uint8_t>(copy_.begin(), copy_.end()));
    RomImage rom(path.string());
    rom.Open();
    const ScreenData data = ReadScreenRecord(rom, kScreen);
    rom.Close();
    PictureFolder pictures(QString(QUELBROOK_TEST_APP_DIR));
    return RenderScreen(data, pictures).convertToFormat(QImage::Format_RGB32);
  }

  void ExpectPlayFieldIsTheRecordsPicture(const QImage& frame) {
    EXPECT_EQ(frame.copy(0, kPlayFieldTop, kScreenPixelWidth, kScreenPixelHeight), PlayedRecordPicture());
  }
  PlayPanel* Panel() const { return window->findChild<PlayPanel*>("PlayPanel", Qt::FindDirectChildrenOnly); }

  QByteArray copy_;
};

TEST_F(DemoGamePanelTest, ATileAnEnemysPlaceAndTheMessageShowUnsavedAndSaved) {
  const QImage before = PlayedFrame();
  ExpectPlayFieldIsTheRecordsPicture(before);

  Click([this] { window->ImageClick(10); });
  // A castle tile on a castle screen: a tile shows in its own region's colours.
  Click([this] { window->PicClick(0x8C); });  // palette picture n is tile code n - 1
  Edit("Edit5")->setText("100");
  Edit("Edit2")->setText("EDITED!");
  const QImage unsaved = PlayedFrame();
  EXPECT_EQ(std::uint8_t(copy_[ScreenRecordOffset(kScreen) + 9]), 0x8B);
  EXPECT_EQ(std::uint8_t(copy_[ScreenRecordOffset(kScreen) + kRecordEnemyDestinations]), 100);
  ExpectPlayFieldIsTheRecordsPicture(unsaved);
  EXPECT_NE(unsaved.copy(0, kPlayFieldTop, kScreenPixelWidth, kScreenPixelHeight),
            before.copy(0, kPlayFieldTop, kScreenPixelWidth, kScreenPixelHeight));
  EXPECT_NE(unsaved.copy(kMessageRow), before.copy(kMessageRow)) << "the message changed";

  Click([this] { window->Button5Click(); });
  ShowScreen(kScreen);
  const QImage saved = PlayedFrame();
  EXPECT_EQ(saved, unsaved);
}

// The game is driven frame by frame through the panel's host, paused, so every frame is known.
TEST_F(DemoGamePanelTest, ApplyEditsKeepsTheHeroWhereItIsAndTheScreenShowsTheEditWhenDrawnAgain) {
  const auto romBefore = RomBytes();
  PlayedFrame();
  PlayPanel* panel = Panel();
  ASSERT_NE(panel, nullptr);
  panel->SetPaused(true);
  play::Console& host = panel->host();
  const QByteArray atStart = host.SystemRam().toByteArray();
  Walk(host, play::PadButton::kRight, 30);
  const QByteArray standing = host.SystemRam().toByteArray();
  ASSERT_NE(standing, atStart) << "the hero stepped in and walked";
  const QImage unedited = PlayedRecordPicture();

  Click([this] { window->ImageClick(10); });
  Click([this] { window->PicClick(0x8C); });  // palette picture n is tile code n - 1
  QTest::keyClick(panel->view(), Qt::Key_F7);
  EXPECT_TRUE(dialogs.messages.isEmpty()) << dialogs.messages.join("\n").toStdString();
  EXPECT_EQ(panel->findChild<QLabel*>("PlayStatus")->text(),
            "Edits applied: each screen shows them the next time the game draws it");
  EXPECT_EQ(host.SystemRam().toByteArray(), standing) << "the hero, and all the game's memory, as they were";
  copy_ = panel->rom();
  EXPECT_EQ(std::uint8_t(copy_[ScreenRecordOffset(kScreen) + 9]), 0x8B) << "the unsaved edit";
  EXPECT_TRUE(panel->IsPaused()) << "a paused game stays paused";

  Walk(host, play::PadButton::kLeft, 120);
  EXPECT_EQ(host.SystemRam()[play::kScreenIndexAddress], kScreen - 2) << "in the screen to the left";
  Walk(host, play::PadButton::kRight, 80);
  ASSERT_EQ(host.SystemRam()[play::kScreenIndexAddress], kScreen - 1) << "back again";
  const QImage drawnAgain = PlayField(host.Frame());
  EXPECT_LE(DifferingPixels(drawnAgain, PlayedRecordPicture()), kHeroPixels) << "the edit shows";
  EXPECT_GT(DifferingPixels(drawnAgain, unedited), kHeroPixels);
  EXPECT_EQ(RomBytes(), romBefore) << "the ROM is only read";
}

// The world editor's unsaved screens go into the copy too. A ROM whose program changed on
// disk, or another ROM open in the editor, is a message, and the game plays on.
TEST_F(DemoGamePanelTest, ApplyEditsTakesTheWorldEditorsScreensAndRefusesAnotherRom) {
  PlayedFrame();
  PlayPanel* panel = Panel();
  ASSERT_NE(panel, nullptr);
  Click([this] { window->ShowWorldEditor(); });
  auto* world = window->findChild<WorldEditor*>("WorldEditor");
  ASSERT_NE(world, nullptr);
  RecordBytes record = world->document().record(kScreen + 1);
  record[0] = 0x8B;
  world->document().putRecord(kScreen + 1, record);
  QTest::keyClick(panel->view(), Qt::Key_F7);
  EXPECT_TRUE(dialogs.messages.isEmpty()) << dialogs.messages.join("\n").toStdString();
  EXPECT_EQ(std::uint8_t(panel->rom()[ScreenRecordOffset(kScreen + 1)]), 0x8B);
  world->closeWithoutAsking();

  auto rebuilt = RomBytes();
  rebuilt[16 + 20] ^= 1;  // a byte of the program
  WriteFile(RomPath(), rebuilt);
  QTest::keyClick(panel->view(), Qt::Key_F7);
  EXPECT_EQ(LastMessage(),
            "Quelbrook.nes now holds another game than the one playing (its program changed on disk), so the "
            "game cannot go on where it is: press F6 in the editor to play it from the screen.");
  EXPECT_EQ(std::uint8_t(panel->rom()[ScreenRecordOffset(kScreen + 1)]), 0x8B) << "the game it had";

  const QString other = QString::fromStdString((dir / "Other.nes").string());
  QFile::copy(QString::fromStdString(RomPath()), other);
  dialogs.fileAnswers.push_back(other);
  Click([this] { window->Button2Click(); });
  const QByteArray playing = panel->rom();
  QTest::keyClick(panel->view(), Qt::Key_F7);
  EXPECT_EQ(
      LastMessage(),
      "The game plays Quelbrook.nes, but the editor now has Other.nes open: press F6 to play its screen.");
  EXPECT_EQ(panel->rom(), playing);
  EXPECT_TRUE(panel->host().HasRom());
  EXPECT_FALSE(panel->IsPaused()) << "the game plays on";
}

}  // namespace
}  // namespace quelbrook::testing
