#include "screen_decoding.h"

#include <gtest/gtest.h>

#include "byte_map.h"
#include "editor_error.h"
#include "rom_builder.h"

namespace quelbrook {
namespace {

using testing::RomBuilder;
using testing::TempDir;

class ScreenDecoding : public ::testing::Test {
 protected:
  RomImage& Open(const RomBuilder& builder) {
    builder.Write(dir_ / "rom.nes");
    rom_ = std::make_unique<RomImage>((dir_ / "rom.nes").string());
    rom_->Open();
    return *rom_;
  }
  TempDir dir_;
  std::unique_ptr<RomImage> rom_;
};

TEST(StartScreenByte, MapsBytesToScreensAndBack) {
  EXPECT_EQ(DecodeStartScreenByte(0), 39);
  EXPECT_EQ(DecodeStartScreenByte(16), 55);
  EXPECT_EQ(DecodeStartScreenByte(89), 128);
  EXPECT_EQ(DecodeStartScreenByte(218), 1);
  EXPECT_EQ(DecodeStartScreenByte(255), 38);
  for (int b = 90; b <= 217; ++b)
    EXPECT_EQ(DecodeStartScreenByte(static_cast<std::uint8_t>(b)), std::nullopt);
  for (int s = 1; s <= 128; ++s) EXPECT_EQ(DecodeStartScreenByte(EncodeStartScreenByte(s)), s);
  EXPECT_EQ(EncodeStartScreenByte(1), 218);
  EXPECT_EQ(EncodeStartScreenByte(38), 255);
  EXPECT_EQ(EncodeStartScreenByte(39), 0);
  EXPECT_EQ(EncodeStartScreenByte(128), 89);
}

TEST(EndScreenOperand, NamesTheBlockOfEachScreen) {
  EXPECT_EQ(EndScreenOfOperand(0xA007), 1);
  EXPECT_EQ(EndScreenOfOperand(0xA80B), 28);
  EXPECT_EQ(EndScreenOfOperand(0xC5BB), 128);
  EXPECT_TRUE(IsEndScreenOperand(0xA007));
  EXPECT_FALSE(IsEndScreenOperand(0xA008));
  EXPECT_FALSE(IsEndScreenOperand(0x9FBB));
  EXPECT_FALSE(IsEndScreenOperand(0xC607));
  EXPECT_EQ(EndScreenOfOperand(0x0000), -538);  // shown as computed
}

TEST_F(ScreenDecoding, ReadsTheStartScreenOrNone) {
  EXPECT_EQ(ReadStartScreen(Open(RomBuilder().StartScreenByte(16))), 55);
  EXPECT_EQ(ReadStartScreen(Open(RomBuilder().StartScreenByte(90))), std::nullopt);
}

TEST_F(ScreenDecoding, ReadsTheHookOnlyWhenItsOpcodeIsThere) {
  auto one = ReadEndScreen(Open(RomBuilder().Hook(0x20, 0xA007)));
  EXPECT_TRUE(one.hookPresent);
  EXPECT_EQ(one.operand, 0xA007);
  EXPECT_EQ(one.endScreen, 1);
  EXPECT_EQ(ReadEndScreen(Open(RomBuilder().Hook(0x20, 0xA80B))).endScreen, 28);
  EXPECT_EQ(ReadEndScreen(Open(RomBuilder().Hook(0x20, 0xC5BB))).endScreen, 128);
  auto none = ReadEndScreen(Open(RomBuilder().Hook(0x60, 0xA007)));
  EXPECT_FALSE(none.hookPresent);
  EXPECT_EQ(none.endScreen, 0);
  // A file that ends right after byte 617 decodes: 618 and 619 are not read.
  EXPECT_EQ(ReadEndScreen(Open(RomBuilder(kEndScreenHookOffset + 1).Set(617, 0x21))).endScreen, 0);
  EXPECT_THROW(ReadEndScreen(Open(RomBuilder(kEndScreenHookOffset + 1).Set(617, 0x20))), EditorError);
}

TEST_F(ScreenDecoding, ReadsRecordsAtTheEdgesOfTheMap) {
  RomBuilder builder;
  for (int i = 0; i < kScreenRecordLength; ++i) {
    builder.Set(16400 + i, static_cast<std::uint8_t>(i + 1));
    builder.Set(26052 + i, static_cast<std::uint8_t>(200 - i));
  }
  builder.Set(16399, 0xEE).Set(16476, 0xEE).Set(26051, 0xEE).Set(26128, 0xEE);
  auto& rom = Open(builder);
  auto first = ReadRecordBytes(rom, 1);
  auto last = ReadRecordBytes(rom, 128);
  for (int i = 0; i < kScreenRecordLength; ++i) {
    EXPECT_EQ(first[i], i + 1);
    EXPECT_EQ(last[i], 200 - i);
  }
}

TEST_F(ScreenDecoding, DecodesEveryFieldOfARecord) {
  RecordBytes bytes = testing::DistinctRecord(9);
  bytes[kRecordMessage] = 0x48;
  bytes[kRecordMessage + 1] = 0x49;
  for (int i = 2; i < kMessageLength; ++i) bytes[kRecordMessage + i] = 0x00;
  auto screen = ReadScreenRecord(Open(RomBuilder().Record(9, bytes)), 9);
  for (int i = 0; i < kTileCount; ++i) EXPECT_EQ(screen.tiles[i], bytes[i]);
  EXPECT_EQ(screen.itemCode, bytes[48]);
  EXPECT_EQ(screen.itemDestination, bytes[49]);
  EXPECT_EQ(screen.message, u"HI              ");
  for (int i = 0; i < kEnemyCount; ++i) {
    EXPECT_EQ(screen.enemyKinds[i], bytes[66 + i]);
    EXPECT_EQ(screen.enemyDestinations[i], bytes[70 + i]);
  }
  EXPECT_EQ(screen.palette1, bytes[74]);
  EXPECT_EQ(screen.palette2, bytes[75]);
  RecordBytes again{};
  ASSERT_NO_THROW(again = EncodeScreenRecord(screen));
  EXPECT_EQ(again, bytes);
}

TEST_F(ScreenDecoding, EndingTextIsAlways116Characters) {
  std::vector<std::uint8_t> text(kEndingTextLength, 0x01);
  text[0] = 0x48;
  auto decoded = ReadEndingText(Open(RomBuilder().EndingText(text)));
  EXPECT_EQ(decoded.size(), 116u);
  EXPECT_EQ(decoded[0], u'H');
}

TEST_F(ScreenDecoding, AFileOneByteShortFailsForEachRegion) {
  auto shortBy = [&](std::size_t size) { return RomBuilder(size); };
  auto failure = [](const std::function<void()>& read) -> std::string {
    try {
      read();
    } catch (const EditorError& e) {
      return e.what();
    }
    return "no failure";
  };
  EXPECT_EQ(failure([&] { ReadStartScreen(Open(shortBy(kStartScreenOffset))); }), "Read beyond end of file");
  EXPECT_EQ(failure([&] { ReadStartScreen(Open(shortBy(kStartScreenOffset + 1))); }), "no failure");
  EXPECT_EQ(failure([&] { ReadEndingText(Open(shortBy(kEndingTextOffset + kEndingTextLength - 1))); }),
            "Read beyond end of file");
  EXPECT_EQ(failure([&] { ReadEndingText(Open(shortBy(kEndingTextOffset + kEndingTextLength))); }),
            "no failure");
  EXPECT_EQ(failure([&] { ReadScreenRecord(Open(shortBy(26127)), 128); }), "Read beyond end of file");
  EXPECT_EQ(failure([&] { ReadScreenRecord(Open(shortBy(26128)), 128); }), "no failure");
  EXPECT_EQ(failure([&] { ReadEndScreen(Open(shortBy(619).Set(617, 0x20))); }), "Read beyond end of file");
  EXPECT_EQ(failure([&] { ReadEndScreen(Open(shortBy(0))); }), "Read beyond end of file");
}

TEST_F(ScreenDecoding, DecodesFilesOfAnyContent) {
  for (std::uint8_t fill : {0x00, 0x20, 0x7F, 0xFF}) {
    auto& rom = Open(RomBuilder(testing::kFullRomSize, fill));
    ReadStartScreen(rom);
    EXPECT_EQ(ReadEndingText(rom).size(), 116u);
    ReadEndScreen(rom);
    for (int n = 1; n <= kScreenCount; ++n) EXPECT_EQ(ReadScreenRecord(rom, n).message.size(), 16u);
  }
}

}  // namespace
}  // namespace quelbrook
