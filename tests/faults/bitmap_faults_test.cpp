// Missing and damaged pictures for tiles, items, enemies and the info panel: each
// is reported by name or as not valid, and none may crash, hang or touch the ROM.
#include <filesystem>

#include "fault_case.h"
#include "indexed_bitmap.h"

namespace quelbrook::testing {
namespace {

namespace fs = std::filesystem;

const char* const kNotValid = "Bitmap image is not valid.";

// Header fields of a Windows bitmap file.
constexpr std::size_t kDataOffsetField = 10;
constexpr std::size_t kWidthField = 18;
constexpr std::size_t kHeightField = 22;
constexpr std::size_t kBitCountField = 28;

void Put32(std::vector<std::uint8_t>& bytes, std::size_t at, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

struct Damage {
  const char* name;
  bool cannotOpen;  // reported as "Cannot open file <path>", else as not valid
  std::function<void(const fs::path&, std::vector<std::uint8_t>)> apply;  // gets the good file's bytes
};

std::function<void(const fs::path&, std::vector<std::uint8_t>)> Patched(std::size_t field,
                                                                        std::uint32_t value) {
  return [field, value](const fs::path& path, std::vector<std::uint8_t> bytes) {
    Put32(bytes, field, value);
    WriteFile(path, bytes);
  };
}

const Damage kDamages[] = {
    {"missing", true, [](const fs::path& path, std::vector<std::uint8_t>) { fs::remove(path); }},
    {"a folder of that name", true,
     [](const fs::path& path, std::vector<std::uint8_t>) {
       fs::remove(path);
       fs::create_directory(path);
     }},
    {"zero length", false, [](const fs::path& path, std::vector<std::uint8_t>) { WriteFile(path, {}); }},
    {"header cut in the file header", false,
     [](const fs::path& path, std::vector<std::uint8_t> bytes) {
       bytes.resize(10);
       WriteFile(path, bytes);
     }},
    {"header cut in the info header", false,
     [](const fs::path& path, std::vector<std::uint8_t> bytes) {
       bytes.resize(30);
       WriteFile(path, bytes);
     }},
    {"wrong magic", false,
     [](const fs::path& path, std::vector<std::uint8_t> bytes) {
       bytes[0] = 'X';
       bytes[1] = 'M';
       WriteFile(path, bytes);
     }},
    {"width 0x7FFFFFFF", false, Patched(kWidthField, 0x7FFFFFFF)},
    {"height 0x7FFFFFFF", false, Patched(kHeightField, 0x7FFFFFFF)},
    {"width negative", false, Patched(kWidthField, static_cast<std::uint32_t>(-32))},
    {"height most negative", false, Patched(kHeightField, 0x80000000)},
    {"width 0", false, Patched(kWidthField, 0)},
    {"height 0", false, Patched(kHeightField, 0)},
    {"bit count 7", false,
     [](const fs::path& path, std::vector<std::uint8_t> bytes) {
       bytes[kBitCountField] = 7;
       WriteFile(path, bytes);
     }},
    {"pixel data offset past the end", false, Patched(kDataOffsetField, 0x7FFFFFF0)},
    {"pixel data cut short", false,
     [](const fs::path& path, std::vector<std::uint8_t> bytes) {
       bytes.resize(bytes.size() - 100);
       WriteFile(path, bytes);
     }},
    {"pixels naming colours beyond the table", false,
     [](const fs::path& path, std::vector<std::uint8_t>) {
       WriteFile(path, IndexedBitmap(8, 32, 32, 101, [](int x, int y) { return (x * 8 + y) & 0xFF; }));
     }},
};

enum class Trigger { kReload, kClear, kItemStep, kEnemyStep, kInfo };

struct Picture {
  const char* relativePath;
  Trigger trigger;
  const char* by;
};

// Screen 1 is shown first; screen 5 shows tile 23 in its first cell, item 5 and enemy kind 5.
const Picture kPictures[] = {
    {"graph/23.bmp", Trigger::kReload, "reload of screen 5"},
    {"graph/0.bmp", Trigger::kClear, "clear screen"},
    {"items/5.bmp", Trigger::kReload, "reload of screen 5"},
    {"items/1.bmp", Trigger::kItemStep, "item kind step"},
    {"enemyes/5.bmp", Trigger::kReload, "reload of screen 5"},
    {"enemyes/2.bmp", Trigger::kEnemyStep, "enemy kind step"},
    {"info/info1.bmp", Trigger::kInfo, "info picture click"},
};

using BitmapFaultTest = FaultTest;

TEST_F(BitmapFaultTest, EveryDamagedPictureIsReportedAndTheRomKept) {
  for (const auto& picture : kPictures) {
    const fs::path path = dir.path() / picture.relativePath;
    const auto good = ReadFile(path);
    ASSERT_GT(good.size(), 54u) << picture.relativePath;
    for (const auto& damage : kDamages) {
      SCOPED_TRACE(std::string(picture.relativePath) + " by " + picture.by + ": " + damage.name);
      dialogs.messages.clear();
      Edit("Edit1")->setText("1");
      OpenRom(RomBuilder().DistinctScreens().StartScreenByte(218));
      ASSERT_TRUE(dialogs.messages.isEmpty()) << Messages();
      const auto before = RomBytes();
      damage.apply(path, good);

      WithinTimeLimit([&] {
        switch (picture.trigger) {
          case Trigger::kReload:
            return ShowScreen(5);
          case Trigger::kClear:
            return Click([this] { window->Button10Click(); });
          case Trigger::kItemStep:
            Edit("Edit4")->setText("0");  // the next kind is item 1
            return Click([this] { window->ItemKindStepClick(1); });
          case Trigger::kEnemyStep:
            return Click([this] { window->EnemyKindStepClick(1, 1); });
          case Trigger::kInfo:
            window->state().InfoPictureNumber = 0;  // the next picture is info1
            return Click([this] { window->Image49Click(); });
        }
      });
      EXPECT_EQ(Last(), damage.cannotOpen ? "Cannot open file " + std::string(picture.relativePath) + "."
                                          : std::string(kNotValid));
      EXPECT_EQ(dialogs.messages.size(), 1) << Messages();
      // A reload that stopped at a picture leaves a view that is not one record.
      if (picture.trigger == Trigger::kReload) {
        Click([this] { window->Button5Click(); });
        EXPECT_EQ(Last(), kNothingLoaded);
      }
      EXPECT_EQ(RomBytes(), before);

      fs::remove_all(path);
      WriteFile(path, good);
    }
  }
}

}  // namespace
}  // namespace quelbrook::testing
