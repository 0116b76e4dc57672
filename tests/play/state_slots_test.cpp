// The ROM's state slots: a state saved and loaded plays on to the very same frames, each slot
// keeps its own, and a file that is no state of this core and game is refused by name.
#include "state_slots.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include "byte_map.h"
#include "editor_error.h"
#include "game_identity.h"
#include "input_script.h"
#include "play_fixture.h"

namespace quelbrook::testing {
namespace {

const char* const kSlotWalk = "right:20-140,down:150-260,left:270-330,a:300";

class StateSlotsTest : public PlayTest {
 protected:
  void SetUp() override {
    QStandardPaths::setTestModeEnabled(true);
    StartHost();
    rom = QString::fromStdString((dir / "Quelbrook.nes").string());
    QFile::copy(QDir(QUELBROOK_TEST_APP_DIR).filePath("Quelbrook.nes"), rom);
    host->LoadRomFile(rom);
  }
  void TearDown() override {
    for (int slot = 0; slot <= play::kNumberedSlots; ++slot) QFile::remove(Slots().PathOf(slot));
  }

  play::StateOrigin Origin() const { return {host->CoreName(), play::GameIdentity(ReadRom())}; }
  QByteArray ReadRom() const {
    QFile file(rom);
    file.open(QIODevice::ReadOnly);
    return file.readAll();
  }
  play::StateSlots Slots() const { return play::StateSlots(rom, Origin()); }

  // Runs the frames [first, first + count) of the walk, each frame's picture kept.
  std::vector<QImage> Play(std::int64_t first, int count) {
    std::vector<QImage> frames;
    for (std::int64_t frame = first; frame < first + count; ++frame) {
      host->SetPad(script.PadAt(frame));
      host->RunFrame();
      frames.push_back(host->Frame().copy());
    }
    return frames;
  }

  QString rom;
  play::InputScript script = play::InputScript::Parse(kSlotWalk);
};

TEST_F(StateSlotsTest, EachSlotGoesBackToItsStateAndPlaysOnToTheSameFrames) {
  const play::StateSlots kept = Slots();
  const int savedAt[] = {30, 90, 160, 240, 300};  // the quick slot's, then slots 1..4
  std::vector<std::vector<QImage>> after;
  std::int64_t frame = 0;
  for (int slot = 0; slot <= play::kNumberedSlots; ++slot) {
    Play(frame, savedAt[slot] - int(frame));
    frame = savedAt[slot];
    kept.Save(slot, host->SaveState());
    after.push_back(Play(frame, 40));
    frame += 40;
  }
  // Backwards, so that every load jumps across the others' saves.
  for (int slot = play::kNumberedSlots; slot >= 0; --slot) {
    const auto state = kept.Load(slot);
    ASSERT_TRUE(state) << play::SlotName(slot).toStdString();
    host->LoadState(*state);
    const auto again = Play(savedAt[slot], 40);
    for (std::size_t i = 0; i < again.size(); ++i)
      ASSERT_EQ(again[i], after[slot][i]) << play::SlotName(slot).toStdString() << ", frame " << i;
  }
  EXPECT_NE(after[1][0], after[2][0]) << "the slots hold different moments";
}

TEST_F(StateSlotsTest, SlotsAreFilesOfTheRomPathInTheDataFolderAndEmptyUntilSaved) {
  const play::StateSlots kept = Slots();
  const QString dataFolder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
  QStringList paths;
  for (int slot = 0; slot <= play::kNumberedSlots; ++slot) {
    EXPECT_FALSE(kept.Holds(slot));
    EXPECT_EQ(kept.Load(slot), std::nullopt);
    EXPECT_TRUE(kept.PathOf(slot).startsWith(dataFolder + "/states/"));
    paths << kept.PathOf(slot);
  }
  paths.removeDuplicates();
  EXPECT_EQ(paths.size(), play::kNumberedSlots + 1);
  const QString otherSpelling = QString::fromStdString((dir / "." / "Quelbrook.nes").string());
  EXPECT_EQ(play::StateSlots(otherSpelling, Origin()).PathOf(2), kept.PathOf(2));

  kept.Save(3, host->SaveState());
  EXPECT_TRUE(kept.Holds(3));
  EXPECT_FALSE(kept.Holds(2));
  EXPECT_EQ(ReadRom(), [] {
    QFile shipped(QDir(QUELBROOK_TEST_APP_DIR).filePath("Quelbrook.nes"));
    shipped.open(QIODevice::ReadOnly);
    return shipped.readAll();
  }()) << "never written into the ROM";
}

TEST_F(StateSlotsTest, AStateOfAnotherCoreOrGameOrNoStateAtAllIsRefusedByName) {
  const QByteArray state = host->SaveState();
  play::StateSlots(rom, {"fceumm_libretro.so", Origin().game}).Save(1, state);
  play::StateSlots(rom, {host->CoreName(), play::GameIdentity("another game")}).Save(2, state);
  QFile raw(Slots().PathOf(3));
  ASSERT_TRUE(raw.open(QIODevice::WriteOnly));
  raw.write(state);  // the core's bytes without the editor's lines, as older quick slots were
  raw.close();

  auto refusal = [this](int slot) {
    try {
      Slots().Load(slot);
    } catch (const EditorError& error) {
      return std::string(error.what());
    }
    return std::string("loaded");
  };
  EXPECT_EQ(refusal(1), "The state in slot 1 (" + Slots().PathOf(1).toStdString() +
                            ") was saved by the NES core fceumm_libretro.so, and only that core can load it; "
                            "this game runs on nestopia_libretro.so");
  EXPECT_EQ(refusal(2),
            "The state in slot 2 (" + Slots().PathOf(2).toStdString() +
                ") was saved in another game than this ROM holds now, and cannot go back into it");
  EXPECT_EQ(refusal(3), "The file of slot 3 (" + Slots().PathOf(3).toStdString() +
                            ") holds no state the editor saved: save the state again");
}

// A save changes only the bytes the editor writes: the game stays the same game.
TEST(GameIdentity, KeepsToTheBytesNoSaveWrites) {
  QFile shipped(QDir(QUELBROOK_TEST_APP_DIR).filePath("Quelbrook.nes"));
  ASSERT_TRUE(shipped.open(QIODevice::ReadOnly));
  const QByteArray rom = shipped.readAll();
  QByteArray saved = rom, changed = rom;
  saved[kStartScreenOffset] = char(saved[kStartScreenOffset] ^ 0x7f);
  changed[20] = char(changed[20] ^ 1);  // a byte of the program
  EXPECT_EQ(play::GameIdentity(saved), play::GameIdentity(rom));
  EXPECT_NE(play::GameIdentity(changed), play::GameIdentity(rom));
}

}  // namespace
}  // namespace quelbrook::testing
