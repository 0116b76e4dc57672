// The host on Debian's NES core running the test program: exact pictures, the pad, reset,
// reload, repeatability, and one host at a time.
#include "host.h"

#include <QCryptographicHash>
#include <optional>

#include "core_search.h"
#include "editor_error.h"
#include "pad_sprite.h"
#include "play_fixture.h"

namespace quelbrook::testing {
namespace {

// The program draws its first full picture by frame 5; a press shows one frame later.
constexpr int kSettleFrames = 8;

class HostTest : public PlayTest {
 protected:
  void StartPadSprite() {
    StartHost().LoadRomFile(TestNesProgram("pad_sprite.nes"));
    RunFrames(kSettleFrames);
  }
  QByteArray FrameDigest() const {
    const QImage& frame = host->Frame();
    return QCryptographicHash::hash(QByteArrayView(frame.constBits(), frame.sizeInBytes()),
                                    QCryptographicHash::Sha1);
  }
};

TEST_F(HostTest, TheFirstPicturesAreTheProgramsPixelForPixel) {
  StartPadSprite();
  EXPECT_EQ(host->Frame(), PadSpritePicture(kSpriteStart));
  RunFrames(100);
  EXPECT_EQ(host->Frame(), PadSpritePicture(kSpriteStart)) << "nothing moves without the pad";
}

TEST_F(HostTest, EachButtonDoesWhatTheProgramSays) {
  StartPadSprite();
  struct Case {
    play::PadButton button;
    QPoint step;  // a pixel a frame
    int colour;   // while held
  };
  const Case cases[] = {
      {play::PadButton::kUp, {0, -1}, kSpriteColour},      {play::PadButton::kDown, {0, 1}, kSpriteColour},
      {play::PadButton::kLeft, {-1, 0}, kSpriteColour},    {play::PadButton::kRight, {1, 0}, kSpriteColour},
      {play::PadButton::kA, {}, kSpriteColourA},           {play::PadButton::kB, {}, kSpriteColourB},
      {play::PadButton::kSelect, {}, kSpriteColourSelect},
  };
  for (const Case& press : cases) {
    SCOPED_TRACE(play::PadButtonName(press.button));
    const QPoint before = SpriteIn(host->Frame());
    play::PadState pad;
    pad.Set(press.button, true);
    host->SetPad(pad);
    // The program reads the pad during a frame and places the sprite for the next one, so a
    // picture shows the presses of the frames before it.
    RunFrames(10);
    EXPECT_EQ(host->Frame(), PadSpritePicture(before + 9 * press.step, press.colour));
    host->SetPad({});
    RunFrames(2);
    EXPECT_EQ(host->Frame(), PadSpritePicture(before + 10 * press.step))
        << "released: ten steps, and no colour";
  }
  Hold(play::PadButton::kStart, 3);
  RunFrames(2);
  EXPECT_EQ(host->Frame(), PadSpritePicture(kSpriteStart)) << "Start puts the sprite back";
}

TEST_F(HostTest, ResetAndReloadStartTheProgramAgain) {
  StartPadSprite();
  Hold(play::PadButton::kRight, 20);
  RunFrames(2);
  ASSERT_NE(SpriteIn(host->Frame()), kSpriteStart);
  host->Reset();
  RunFrames(kSettleFrames);
  EXPECT_EQ(host->Frame(), PadSpritePicture(kSpriteStart));

  Hold(play::PadButton::kDown, 20);
  host->LoadRomFile(TestNesProgram("pad_sprite.nes"));
  EXPECT_EQ(host->FramesRun(), 0);
  RunFrames(kSettleFrames);
  EXPECT_EQ(host->Frame(), PadSpritePicture(kSpriteStart));
}

TEST_F(HostTest, TwoRunsWithTheSamePressesGiveTheSameFrames) {
  auto run = [this] {
    StartPadSprite();
    std::vector<QByteArray> digests;
    for (play::PadButton button : {play::PadButton::kRight, play::PadButton::kUp, play::PadButton::kA}) {
      Hold(button, 7);
      digests.push_back(FrameDigest());
    }
    host.reset();
    return digests;
  };
  const auto first = run();
  EXPECT_EQ(run(), first);
}

// A state put back, in the same game or after the ROM was loaded again, plays on exactly
// as the game did from where it was saved.
TEST_F(HostTest, ALoadedStateGivesTheSameFramesAndRamAsWhenItWasSaved) {
  StartPadSprite();
  Hold(play::PadButton::kRight, 15);
  const QByteArray state = host->SaveState();
  const QByteArray ram = host->SystemRam().toByteArray();
  ASSERT_EQ(ram.size(), 2048);
  auto playOn = [this] {
    std::vector<QByteArray> digests;
    for (play::PadButton button : {play::PadButton::kDown, play::PadButton::kA, play::PadButton::kLeft}) {
      Hold(button, 6);
      digests.push_back(FrameDigest());
    }
    return digests;
  };
  const auto first = playOn();
  ASSERT_NE(host->SystemRam().toByteArray(), ram) << "the sprite moved";

  host->LoadState(state);
  EXPECT_EQ(host->SystemRam().toByteArray(), ram);
  EXPECT_EQ(playOn(), first);

  host->LoadRomFile(TestNesProgram("pad_sprite.nes"));
  host->LoadState(state);
  EXPECT_EQ(playOn(), first) << "after a reload";
}

TEST_F(HostTest, TheCoreSoundsAtItsOwnRate) {
  StartPadSprite();
  host->Audio().Clear();
  RunFrames(60);
  const double expected = 60 * host->SampleRate() / host->FramesPerSecond();
  EXPECT_NEAR(double(host->Audio().FramesHeld()), expected, expected * 0.05);
}

TEST_F(HostTest, OneHostAtATimeAndAsManyInARowAsWanted) {
  const QString core = play::ChooseNesCore({});
  std::optional<play::Host> first(std::in_place, core, QString::fromStdString((dir / "play").string()));
  try {
    play::Host second(core, QString::fromStdString((dir / "other").string()));
    FAIL() << "a second host must be refused";
  } catch (const EditorError& error) {
    EXPECT_STREQ(error.what(), play::kGameAlreadyRunningMessage);
  }
  first.reset();
  EXPECT_NO_THROW(play::Host(core, QString::fromStdString((dir / "play").string())));
  for (int round = 0; round < 5; ++round) {
    host.reset();
    StartPadSprite();
    ASSERT_EQ(host->Frame(), PadSpritePicture(kSpriteStart)) << "round " << round;
  }
}

}  // namespace
}  // namespace quelbrook::testing
