// The sound device behind its module: the module loads and answers, a game without it plays
// on silently, and the sound never lags far behind a device whose clock runs slow.
#include "game_sound.h"

#include <gtest/gtest.h>

#include <QLibrary>
#include <cstdint>
#include <memory>
#include <vector>

#include "audio_output.h"
#include "audio_ring.h"
#include "simulated_sound.h"

namespace quelbrook::testing {
namespace {

constexpr double kRate = 44100;

TEST(GameSound, TheModuleOpensAnOutputOrDeclinesAndTheGameGoesOn) {
  QLibrary module(QUELBROOK_AUDIO_MODULE);
  const auto open = reinterpret_cast<OpenAudioOutputFunction>(module.resolve(kOpenAudioOutputSymbol));
  ASSERT_NE(open, nullptr) << module.errorString().toStdString();
  // A machine without a sound device gives none; with one, it takes samples.
  if (std::unique_ptr<AudioOutput> output{open(kRate)}) {
    const std::vector<char> silence(std::min<std::size_t>(output->BytesFree(), 4096));
    output->Write(silence.data(), silence.size());
    output->Pause(true);
  }

  GameSound sound(kRate, QUELBROOK_AUDIO_MODULE);
  play::AudioRing samples(4096);
  const std::vector<std::int16_t> frames(2 * 800, 100);
  samples.Push(frames.data(), frames.size() / 2);
  sound.Feed(samples);
  sound.Pause(true);
  sound.Pause(false);
}

TEST(GameSound, WithoutTheModuleTheGamePlaysSilentlyAndDropsItsSamples) {
  GameSound sound(kRate, "/nonexistent/quelbrook-audio.so");
  EXPECT_TRUE(sound.IsSilent());
  play::AudioRing samples(4096);
  const std::vector<std::int16_t> frames(2 * 800, 100);
  samples.Push(frames.data(), frames.size() / 2);
  sound.Feed(samples);
  EXPECT_EQ(samples.FramesHeld(), 0u) << "samples left to pile up";
  sound.Pause(true);
}

TEST(GameSound, TheSoundStaysWithinTwoDeviceBuffersOfThePictureWhateverTheClocks) {
  constexpr std::size_t kBuffer = 4800;
  // A device clock 0.1 % slow built a second of lag in 17 minutes.
  EXPECT_LE(PlayAgainstDeviceClock(48000 * 0.999, 20 * 60, kBuffer).mostBehind, 2 * kBuffer);
  // 1 % fast: the device waits for sound, and nothing piles up.
  EXPECT_LE(PlayAgainstDeviceClock(48000 * 1.01, 60, kBuffer).mostBehind, 2 * kBuffer);
  // The same clock: every frame is heard, none dropped.
  const SoundRun same = PlayAgainstDeviceClock(48000, 60, kBuffer);
  EXPECT_EQ(same.written, same.made);
}

}  // namespace
}  // namespace quelbrook::testing
