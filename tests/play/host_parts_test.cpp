// The host's parts that need no core: the iNES check, the core's options and the sound ring.
#include <gtest/gtest.h>

#include "audio_ring.h"
#include "core_options.h"
#include "ines_check.h"

namespace quelbrook::testing {
namespace {

std::vector<std::uint8_t> Ines(std::uint8_t prgBanks, std::uint8_t chrBanks, std::size_t size,
                               std::uint8_t flags6 = 0, std::uint8_t flags7 = 0, std::uint8_t byte9 = 0) {
  std::vector<std::uint8_t> bytes(size, 0);
  const std::uint8_t header[] = {'N', 'E', 'S', 0x1A, prgBanks, chrBanks, flags6, flags7, 0, byte9};
  std::copy(std::begin(header), std::end(header), bytes.begin());
  return bytes;
}

std::string Problem(const std::vector<std::uint8_t>& bytes) {
  return play::InesProblem(bytes.data(), bytes.size()).value_or("none");
}

TEST(InesCheck, TheHeaderAndTheSizeItAnnounces) {
  EXPECT_EQ(Problem(Ines(1, 1, 24592)), "none");
  EXPECT_EQ(Problem(Ines(2, 0, 32784)), "none") << "tile pictures in RAM";
  EXPECT_EQ(Problem(Ines(1, 1, 30000)), "none") << "more than announced is the core's business";
  EXPECT_EQ(Problem(Ines(1, 1, 24591)),
            "a cut-off NES ROM: its header announces 24592 bytes, the file has 24591");
  EXPECT_EQ(Problem(Ines(1, 1, 24592, 0x04)),
            "a cut-off NES ROM: its header announces 25104 bytes, the file has 24592")
      << "a trainer adds 512 bytes";
  EXPECT_EQ(Problem(Ines(1, 0, 16400, 0, 0x08, 0x01)),
            "a cut-off NES ROM: its header announces 4210704 bytes, the file has 16400")
      << "NES 2.0 counts have a high nibble";
  EXPECT_EQ(Problem(Ines(0, 1, 8208)), "not an NES ROM: its header announces no program");
  EXPECT_EQ(Problem({'N', 'E', 'S'}), "not an NES ROM: it does not begin with an iNES header");
  EXPECT_EQ(Problem(std::vector<std::uint8_t>(40000, 0)),
            "not an NES ROM: it does not begin with an iNES header");
  EXPECT_EQ(Problem({}), "not an NES ROM: it does not begin with an iNES header");
}

TEST(CoreOptions, DefaultsExceptTheFixedValuesTheCoreOffers) {
  play::CoreOptions options;
  options.Declare("nestopia_palette", "Palette; consumer|cxa2025as|raw");
  options.Declare("nestopia_ram_power_state", "RAM; 0xFF|0x00|random");
  options.Declare("nestopia_overscan_v", "Overscan; enabled|nope");  // "disabled" not offered
  options.Declare("nestopia_turbo_pulse", "Turbo; 2|3|4");
  options.Declare("broken", "no values at all");
  EXPECT_STREQ(options.Value("nestopia_palette"), "cxa2025as");
  EXPECT_STREQ(options.Value("nestopia_ram_power_state"), "0x00");
  EXPECT_STREQ(options.Value("nestopia_overscan_v"), "enabled");
  EXPECT_STREQ(options.Value("nestopia_turbo_pulse"), "2");
  EXPECT_STREQ(options.Value("broken"), "");
  EXPECT_EQ(options.Value("never_declared"), nullptr);
}

TEST(CoreOptions, OnlyACoreThatTookEveryFixedValueGivesRepeatableFrames) {
  play::CoreOptions nestopia;
  for (const auto& [key, value] : play::FixedCoreOptions()) nestopia.Declare(key, "Any; other|" + value);
  EXPECT_TRUE(nestopia.PinsEveryFixedOption());
  nestopia.Declare("nestopia_palette", "Palette; consumer|canonical");  // an older core without it
  EXPECT_FALSE(nestopia.PinsEveryFixedOption());

  play::CoreOptions other;  // another make names its options its own way
  other.Declare("fceumm_palette", "Palette; default|asqrealc");
  other.Declare("fceumm_overscan", "Crop overscan; enabled|disabled");
  EXPECT_FALSE(other.PinsEveryFixedOption());
}

TEST(AudioRing, KeepsOrderAndDropsTheOldestWhenFull) {
  play::AudioRing ring(4);
  const std::int16_t samples[] = {1, -1, 2, -2, 3, -3, 4, -4, 5, -5, 6, -6};
  ring.Push(samples, 3);
  std::int16_t out[12] = {};
  EXPECT_EQ(ring.Take(out, 2), 2u);
  EXPECT_EQ(std::vector<std::int16_t>(out, out + 4), (std::vector<std::int16_t>{1, -1, 2, -2}));
  ring.Push(samples + 6, 3);  // 3, 4, 5, 6 held: full
  ring.Push(samples, 1);      // 1 pushes 3 out
  EXPECT_EQ(ring.FramesHeld(), 4u);
  EXPECT_EQ(ring.Take(out, 10), 4u);
  EXPECT_EQ(std::vector<std::int16_t>(out, out + 8), (std::vector<std::int16_t>{4, -4, 5, -5, 6, -6, 1, -1}));
  EXPECT_EQ(ring.Take(out, 10), 0u);
}

TEST(AudioRing, KeepNewestDropsTheOldestAcrossTheEnd) {
  play::AudioRing ring(4);
  const std::int16_t samples[] = {1, -1, 2, -2, 3, -3, 4, -4, 5, -5};
  std::int16_t out[8] = {};
  ring.Push(samples, 3);
  ring.Take(out, 2);
  ring.Push(samples + 6, 2);  // 3, 4, 5 held, wrapped past the end
  ring.KeepNewest(2);
  EXPECT_EQ(ring.Take(out, 4), 2u);
  EXPECT_EQ(std::vector<std::int16_t>(out, out + 4), (std::vector<std::int16_t>{4, -4, 5, -5}));
  ring.KeepNewest(3);  // fewer held than kept: nothing changes
  EXPECT_EQ(ring.FramesHeld(), 0u);
}

}  // namespace
}  // namespace quelbrook::testing
