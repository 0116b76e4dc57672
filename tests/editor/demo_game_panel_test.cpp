// The demo game in the Play panel shows the window's edits, unsaved and saved: the play
// field of its frame is the picture of the record the window holds.
#include <QTest>
#include <filesystem>

#include "byte_map.h"
#include "picture_folder.h"
#include "play_panel.h"
#include "play_view.h"
#include "screen_decoding.h"
#include "screen_rendering.h"
#include "window_fixture.h"

namespace quelbrook::testing {
namespace {

constexpr int kScreen = 30;
constexpr int kFirstPicture = 12;  // frames until the game's first complete picture
constexpr int kPlayFieldTop = 16;  // frame line of the play field
constexpr QRect kMessageRow{64, 216, 128, 8};

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

}  // namespace
}  // namespace quelbrook::testing
