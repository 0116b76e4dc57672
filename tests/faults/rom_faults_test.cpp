// The ROM file under faults: too short for a region, gone, a folder, read-only,
// changed behind the editor's back, and at a path of spaces and accented letters.
#include <sys/stat.h>

#include <algorithm>
#include <filesystem>

#include "byte_map.h"
#include "editor_error.h"
#include "fault_case.h"
#include "rom_image.h"
#include "rom_patch.h"
#include "screen_decoding.h"
#include "unprivileged.h"

namespace quelbrook::testing {
namespace {

namespace fs = std::filesystem;

const char* const kReadBeyond = "Read beyond end of file.";
const char* const kWriteBeyond = "Write beyond end of file.";
const char* const kNotFound = "File not found.";
const char* const kAccessDenied = "File access denied.";

std::string FailureOf(const std::function<void()>& operation) {
  try {
    operation();
  } catch (const std::exception& error) {
    return error.what();
  }
  return "";
}

// A half-open range of file offsets.
struct Region {
  long begin;
  long end;
};
bool Inside(std::size_t offset, const std::vector<Region>& regions) {
  for (const auto& region : regions)
    if (static_cast<long>(offset) >= region.begin && static_cast<long>(offset) < region.end) return true;
  return false;
}
Region RecordRegion(int screen) { return {ScreenRecordOffset(screen), ScreenRecordOffset(screen) + 76}; }

// ---- Regions read: one byte short of each ----

struct ShortRead {
  const char* name;
  long size;
  std::function<void(RomImage&)> read;
};

const ShortRead kShortReads[] = {
    {"start screen byte", kStartScreenOffset, [](RomImage& rom) { ReadStartScreen(rom); }},
    {"ending text", kEndingTextOffset + kEndingTextLength - 1, [](RomImage& rom) { ReadEndingText(rom); }},
    {"hook opcode", kEndScreenHookOffset, [](RomImage& rom) { ReadEndScreen(rom); }},
    {"hook operand low", kEndScreenHookOffset + 1, [](RomImage& rom) { ReadEndScreen(rom); }},
    {"hook operand high", kEndScreenHookOffset + 2, [](RomImage& rom) { ReadEndScreen(rom); }},
    {"record of screen 5", ScreenRecordOffset(5) + kScreenRecordLength - 1,
     [](RomImage& rom) { ReadScreenRecord(rom, 5); }},
    {"record of screen 128", ScreenRecordOffset(128) + kScreenRecordLength - 1,
     [](RomImage& rom) { ReadScreenRecord(rom, 128); }},
};

using RomFaultTest = FaultTest;

TEST_F(RomFaultTest, EachRegionReadFromAFileOneByteShortIsRefusedAndTheFileKept) {
  for (const auto& row : kShortReads) {
    SCOPED_TRACE(row.name);
    // The hook is present, so that its operand is read too.
    RomBuilder(static_cast<std::size_t>(row.size))
        .DistinctScreens()
        .Hook(kJsrOpcode, 0x9FFF)
        .Write(RomPath());
    const auto before = RomBytes();
    WithinTimeLimit([&] {
      RomImage rom(RomPath());
      rom.Open();
      EXPECT_EQ(FailureOf([&] { row.read(rom); }), messages::kReadBeyondEnd);
    });
    EXPECT_EQ(RomBytes(), before);
  }
}

TEST_F(RomFaultTest, OpeningOrReloadingAShortRomShowsTheFailureAndLeavesNothingToSave) {
  // The start-screen byte lies last and is read first, so every one of these stops there.
  for (const auto& row : kShortReads) {
    SCOPED_TRACE(row.name);
    dialogs.messages.clear();
    const RomBuilder rom = RomBuilder(static_cast<std::size_t>(row.size)).DistinctScreens();
    WithinTimeLimit([&] { OpenRom(rom); });
    const auto before = RomBytes();
    EXPECT_EQ(Last(), kReadBeyond);
    Click([this] { window->Button1Click(); });
    EXPECT_EQ(Last(), kReadBeyond);
    Click([this] { window->Button5Click(); });
    EXPECT_EQ(Last(), kNothingLoaded);
    EXPECT_EQ(dialogs.messages.size(), 3) << Messages();
    EXPECT_EQ(RomBytes(), before);
  }
}

// ---- Regions written: the file shrinks after the screen was loaded ----

constexpr int kPreviousEndScreen = 3;

enum class Write { kScreen, kStartScreen, kEndingText, kEndScreen };

struct ShortWrite {
  const char* name;
  Write write;
  int endScreen;  // for kEndScreen
  long size;
  const char* message;  // empty: the write fits and succeeds
};

const ShortWrite kShortWrites[] = {
    {"save screen, last byte short", Write::kScreen, 0, ScreenRecordOffset(5) + 75, kWriteBeyond},
    {"save screen, no byte fits", Write::kScreen, 0, ScreenRecordOffset(5), kWriteBeyond},
    {"save screen, exact fit", Write::kScreen, 0, ScreenRecordOffset(5) + 76, ""},
    {"start screen, short", Write::kStartScreen, 0, kStartScreenOffset, kWriteBeyond},
    {"start screen, exact fit", Write::kStartScreen, 0, kStartScreenOffset + 1, ""},
    {"ending text, short", Write::kEndingText, 0, kEndingTextOffset + kEndingTextLength - 1, kWriteBeyond},
    {"ending text, exact fit", Write::kEndingText, 0, kEndingTextOffset + kEndingTextLength, ""},
    {"end screen 100, block short", Write::kEndScreen, 100, EndCodeBlockOffset(100) + kEndCodeBlockLength - 1,
     kWriteBeyond},
    {"end screen 100, exact fit", Write::kEndScreen, 100, EndCodeBlockOffset(100) + kEndCodeBlockLength, ""},
    {"end screen 2, old block short", Write::kEndScreen, 2,
     EndCodeBlockOffset(kPreviousEndScreen) + kEndCodeBlockLength - 1, kWriteBeyond},
    {"end screen 2, hook short", Write::kEndScreen, 2, kEndScreenHookOffset + 2, kWriteBeyond},
    {"end screen 2, third call site short", Write::kEndScreen, 2, kEndCallSiteC + 2, kWriteBeyond},
    {"end screen 2, first call site short", Write::kEndScreen, 2, kEndCallSiteB1 + 1, kWriteBeyond},
};

std::vector<Region> RegionsOf(const ShortWrite& row) {
  switch (row.write) {
    case Write::kScreen:
      return {RecordRegion(kShownScreen)};
    case Write::kStartScreen:
      return {{kStartScreenOffset, kStartScreenOffset + 1}};
    case Write::kEndingText:
      return {{kEndingTextOffset, kEndingTextOffset + kEndingTextLength}};
    case Write::kEndScreen:
      break;
  }
  std::vector<Region> regions{
      {EndCodeBlockOffset(row.endScreen), EndCodeBlockOffset(row.endScreen) + 74},
      {EndCodeBlockOffset(kPreviousEndScreen), EndCodeBlockOffset(kPreviousEndScreen) + 74}};
  for (int site : {kEndCallSiteB1, kEndCallSiteB2, kEndCallSiteC, kEndScreenHookOffset})
    regions.push_back({site, site + kCallLength});
  return regions;
}

TEST_F(RomFaultTest, WritesNeverExtendTheFileAndWriteNothingWhenARunDoesNotFit) {
  for (const auto& row : kShortWrites) {
    SCOPED_TRACE(row.name);
    dialogs.messages.clear();
    Edit("Edit1")->setText("5");
    OpenRom(RomBuilder()
                .DistinctScreens()
                .StartScreenByte(kStartByteOfScreen5)
                .Hook(kJsrOpcode, static_cast<std::uint16_t>(EndCodeBlockAddress(kPreviousEndScreen))));
    ASSERT_TRUE(dialogs.messages.isEmpty()) << Messages();
    fs::resize_file(RomPath(), static_cast<std::uintmax_t>(row.size));
    const auto before = RomBytes();

    Edit("pal1")->setText("42");
    Edit("Startscreen")->setText("7");
    Get<QPlainTextEdit>("Memo1")->setPlainText("THE END");
    Edit("Endscreen")->setText(QString::number(row.endScreen));
    dialogs.questionAnswers = {true};
    WithinTimeLimit([&] {
      switch (row.write) {
        case Write::kScreen:
          return Click([this] { window->Button5Click(); });
        case Write::kStartScreen:
          return Click([this] { window->Button37Click(); });
        case Write::kEndingText:
          return Click([this] { window->Button41Click(); });
        case Write::kEndScreen:
          return Click([this] { window->Button40Click(); });
      }
    });

    EXPECT_EQ(Last(), row.message);
    EXPECT_EQ(dialogs.messages.size(), *row.message ? 1 : 0) << Messages();
    const auto after = RomBytes();
    ASSERT_EQ(after.size(), before.size());
    if (*row.message) {
      EXPECT_EQ(after, before);
    } else {
      const auto changed = ChangedOffsets(before, after);
      EXPECT_FALSE(changed.empty());
      for (auto offset : changed) EXPECT_TRUE(Inside(offset, RegionsOf(row))) << "offset " << offset;
    }
  }
}

// ---- The file gone or replaced between two operations ----

enum class RomDamage { kDeleted, kDirectory };

struct Operation {
  const char* name;
  std::function<void(TForm1&, ScriptedDialogs&)> run;
};

class RomStateTest : public FaultTest {
 protected:
  static std::vector<Operation> Operations(const QString& mapPath, const QString& tpiePath,
                                           const QString& romPath) {
    return {
        {"open",
         [romPath](TForm1& w, ScriptedDialogs& d) {
           d.fileAnswers = {romPath};
           w.Run([&w] { w.Button2Click(); });
         }},
        {"reload", [](TForm1& w, ScriptedDialogs&) { w.Run([&w] { w.Button1Click(); }); }},
        {"save screen", [](TForm1& w, ScriptedDialogs&) { w.Run([&w] { w.Button5Click(); }); }},
        {"save start screen", [](TForm1& w, ScriptedDialogs&) { w.Run([&w] { w.Button37Click(); }); }},
        {"save end screen",
         [](TForm1& w, ScriptedDialogs& d) {
           d.questionAnswers = {true};
           w.Run([&w] { w.Button40Click(); });
         }},
        {"save ending text", [](TForm1& w, ScriptedDialogs&) { w.Run([&w] { w.Button41Click(); }); }},
        {"import map",
         [mapPath](TForm1& w, ScriptedDialogs& d) {
           d.fileAnswers = {mapPath};
           w.Run([&w] { w.Button28Click(); });
         }},
        {"import tpie",
         [tpiePath](TForm1& w, ScriptedDialogs& d) {
           d.fileAnswers = {tpiePath};
           w.Run([&w] { w.Button34Click(); });
         }},
    };
  }
};

TEST_F(RomStateTest, RomDeletedOrReplacedByAFolderIsReportedAndNeverRecreated) {
  const QString mapPath = Folder() + "/five.map", tpiePath = Folder() + "/five.tpie";
  for (RomDamage damage : {RomDamage::kDeleted, RomDamage::kDirectory}) {
    for (const auto& operation : Operations(mapPath, tpiePath, QString::fromStdString(RomPath()))) {
      SCOPED_TRACE(std::string(damage == RomDamage::kDeleted ? "deleted, " : "folder, ") + operation.name);
      fs::remove_all(RomPath());
      dialogs.messages.clear();
      OpenScreen5();
      dialogs.fileAnswers = {mapPath, tpiePath};
      Click([this] { window->Button27Click(); });
      Click([this] { window->Button33Click(); });
      ASSERT_TRUE(dialogs.messages.isEmpty()) << Messages();
      Edit("Endscreen")->setText("2");
      const auto view = View();

      fs::remove(RomPath());
      if (damage == RomDamage::kDirectory) fs::create_directory(RomPath());
      WithinTimeLimit([&] { operation.run(*window, dialogs); });

      EXPECT_EQ(Last(), damage == RomDamage::kDeleted ? kNotFound : kAccessDenied);
      EXPECT_EQ(dialogs.messages.size(), 1) << Messages();
      if (damage == RomDamage::kDeleted) {
        EXPECT_FALSE(fs::exists(RomPath()));
      } else {
        EXPECT_TRUE(fs::is_directory(RomPath()));
        EXPECT_TRUE(fs::is_empty(RomPath()));
      }
      // Imports of the screen's own files show what the view already held, but for the
      // item pictures of a .tpie import: until its reload they show the kind of the item step
      // buttons, not the imported code.
      auto changes = ViewChanges(view, View());
      if (std::string(operation.name) == "import tpie")
        changes.erase(std::remove_if(changes.begin(), changes.end(),
                                     [](const std::string& line) {
                                       return line.rfind("items@", 0) == 0 || line.rfind("selit@", 0) == 0;
                                     }),
                      changes.end());
      EXPECT_EQ(changes, std::vector<std::string>{});
    }
  }
}

TEST_F(RomFaultTest, ReadOnlyRomIsRefusedForWritingAndKept) {
  RomBuilder().DistinctScreens().Write(RomPath());
  ::chmod(dir.path().c_str(), 0755);
  ::chmod(RomPath().c_str(), 0444);
  const auto before = RomBytes();
  // Root ignores file modes, so the attempt is made as an ordinary user in a child process.
  const auto failures = RunUnprivileged([&] {
    return FailureOf([&] { RomImage(RomPath()).Open(); }) + "|" + FailureOf([&] {
             WritePatchesToFile(RomPath(), {{kStartScreenOffset, {1}}});
           });
  });
  if (!failures) GTEST_SKIP() << "no unprivileged child process could be made here";
  EXPECT_EQ(*failures, std::string(messages::kFileAccessDenied) + "|" + messages::kFileAccessDenied);
  EXPECT_EQ(RomBytes(), before);
}

TEST_F(RomFaultTest, AChangeByAnotherProgramShowsOnTheNextReloadAndSaveKeepsIt) {
  OpenScreen5();
  auto changed = RomBytes();
  changed[ScreenRecordOffset(5) + kRecordTiles] = 0x10;
  changed[ScreenRecordOffset(5) + kRecordPalette1] = 99;
  changed[ScreenRecordOffset(6) + kRecordPalette1] = 98;
  changed[kStartScreenOffset] = 218;  // screen 1
  changed[kEndingTextOffset] = 0x41;
  WriteFile(RomPath(), changed);

  WithinTimeLimit([this] { Click([this] { window->Button1Click(); }); });
  EXPECT_TRUE(dialogs.messages.isEmpty()) << Messages();
  EXPECT_EQ(Edit("Edit1")->text(), "5");
  EXPECT_EQ(TileCode(1), "10");
  EXPECT_EQ(Edit("pal1")->text(), "99");
  EXPECT_EQ(Edit("Startscreen")->text(), "1");
  EXPECT_TRUE(Get<QPlainTextEdit>("Memo1")->toPlainText().startsWith("A"));

  Edit("pal2")->setText("7");
  Click([this] { window->Button5Click(); });
  EXPECT_TRUE(dialogs.messages.isEmpty()) << Messages();
  EXPECT_EQ(ChangedOffsets(changed, RomBytes()),
            std::vector<std::size_t>{std::size_t(ScreenRecordOffset(5) + kRecordPalette2)});
}

TEST_F(RomFaultTest, PathsWithSpacesAndAccentedLettersWorkForEveryFileOperation) {
  const fs::path folder = dir.path() / "My Games";
  fs::create_directory(folder);
  const fs::path rom = folder /
                       "Qu\xC3\xA9"
                       "brook \xC3\xB1.nes";
  const QString map = QString::fromStdString((folder / "K\xC3\xA4rte \xC3\xB1.map").string());
  const QString tpie = QString::fromStdString((folder / "W\xC3\xA9rte \xC3\xB1.tpie").string());
  RomBuilder().DistinctScreens().StartScreenByte(kStartByteOfScreen5).Write(rom);
  auto expected = ReadFile(rom);

  WithinTimeLimit([&] {
    dialogs.fileAnswers = {QString::fromStdString(rom.string())};
    Click([this] { window->Button2Click(); });
    ShowScreen(9);
    Edit("pal1")->setText("42");
    Click([this] { window->Button5Click(); });
    dialogs.fileAnswers = {map, tpie};
    Click([this] { window->Button27Click(); });
    Click([this] { window->Button33Click(); });
    ShowScreen(10);
    dialogs.fileAnswers = {map, tpie};
    Click([this] { window->Button28Click(); });
    Click([this] { window->Button34Click(); });
  });
  EXPECT_TRUE(dialogs.messages.isEmpty()) << Messages();
  EXPECT_EQ(Edit("Edit1")->text(), "10");
  EXPECT_EQ(Edit("pal1")->text(), "42");

  // Screen 9 got its palette; screen 10 got all of screen 9's record; nothing else moved.
  expected[ScreenRecordOffset(9) + kRecordPalette1] = 42;
  for (int i = 0; i < kScreenRecordLength; ++i)
    expected[ScreenRecordOffset(10) + i] = expected[ScreenRecordOffset(9) + i];
  EXPECT_EQ(ChangedOffsets(expected, ReadFile(rom)), std::vector<std::size_t>{});
}

}  // namespace
}  // namespace quelbrook::testing
