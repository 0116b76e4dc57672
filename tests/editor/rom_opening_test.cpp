// Opening a ROM as desktop programs do: named on the command line, from File > Open
// Recent, dropped from a file manager; and the window's place kept between runs.
#include <QApplication>
#include <QMenu>
#include <QMimeData>
#include <QUrl>
#include <filesystem>

#include "command_line.h"
#include "recent_roms.h"
#include "screen_decoding.h"
#include "window_fixture.h"

namespace quelbrook::testing {
namespace {

class RomOpeningTest : public WindowTest {
 protected:
  // A ROM whose start screen is `start`, in a folder of its own below the test folder.
  QString WriteRom(const QString& name, int start = 55) {
    std::filesystem::create_directories(dir / "roms");
    const std::string path = (dir / "roms" / name.toStdString()).string();
    RomBuilder().DistinctScreens().StartScreenByte(EncodeStartScreenByte(start)).Write(path);
    return QString::fromStdString(path);
  }
  QString ShownRom() const { return QString::fromStdString(window->state().romPath); }
  QStringList RecentEntries() const {
    auto* menu = window->findChild<QMenu*>("RecentMenu");
    emit menu->aboutToShow();
    QStringList texts;
    for (QAction* action : menu->actions()) texts << (action->isSeparator() ? "--" : action->text());
    return texts;
  }
  void ChooseRecent(const QString& text) {
    auto* menu = window->findChild<QMenu*>("RecentMenu");
    emit menu->aboutToShow();
    for (QAction* action : menu->actions())
      if (action->text() == text) return action->trigger();
    ADD_FAILURE() << "no entry " << text.toStdString();
  }
  // A drag from a file manager, entered and dropped; true when the window took it.
  bool Drop(QWidget* target, const QList<QUrl>& urls) {
    QMimeData data;
    data.setUrls(urls);
    const QPoint at = target->rect().center();
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(target, &enter);
    if (!enter.isAccepted()) return false;
    QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(target, &drop);
    return drop.isAccepted();
  }
  // An edit that is not saved yet.
  void EditShownScreen() {
    Click([this] { window->ImageClick(1); });
    window->Undoable("Paint", [this] { window->PicClick(0x20); });
    ASSERT_TRUE(window->hasUnsavedEdits());
  }
};

TEST_F(RomOpeningTest, CommandLineRomOpensRelativeAndAbsoluteFromAnotherFolder) {
  const QString rom = WriteRom("game.nes", 12);
  EXPECT_TRUE(RomArgument({"quelbrook-editor"}).isEmpty());
  EXPECT_EQ(RomArgument({"quelbrook-editor", rom}), rom);
  // Started in the ROM's folder, the installed editor then moves to its pictures.
  QDir::setCurrent(QFileInfo(rom).path());
  const QString relative = RomArgument({"quelbrook-editor", "../roms/./game.nes"});
  QDir::setCurrent(QDir::rootPath());
  EXPECT_TRUE(window->OpenRomFile(relative));
  EXPECT_TRUE(dialogs.messages.isEmpty()) << dialogs.messages.join("\n").toStdString();
  EXPECT_EQ(QFileInfo(ShownRom()).canonicalFilePath(), QFileInfo(rom).canonicalFilePath());
  EXPECT_EQ(Edit("Edit1")->text(), "12");
  EXPECT_TRUE(dialogs.fileDialogs.empty());
}

TEST_F(RomOpeningTest, FileThatCannotBeOpenedGivesTheOpenRomMessageAndAnEmptyWindow) {
  const QString tooShort = Folder() + "/short.nes";
  QFile file(tooShort);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write("NES\x1a", 4);
  file.close();
  for (const QString& path : {Folder() + "/none.nes", Folder(), tooShort}) {
    dialogs.messages.clear();
    EXPECT_FALSE(window->OpenRomFile(path)) << path.toStdString();
    ASSERT_EQ(dialogs.messages.size(), 1) << path.toStdString();
    EXPECT_EQ(dialogs.captions.back(), QApplication::applicationName());
  }
  EXPECT_EQ(dialogs.messages.back(), "Read beyond end of file.");
  EXPECT_FALSE(window->state().recordLocated);
  EXPECT_EQ(Edit("Edit1")->text(), "55");
  EXPECT_FALSE(RecentEntries().contains("&1 " + tooShort));
}

TEST_F(RomOpeningTest, OpenRecentListsOpensAndDropsAMissingFile) {
  EXPECT_EQ(RecentEntries(), (QStringList{"--", "&Clear Menu"}));
  EXPECT_FALSE(window->findChild<QMenu*>("RecentMenu")->actions().last()->isEnabled());
  const QString first = WriteRom("first.nes", 3), second = WriteRom("second.nes", 4);
  for (const QString& rom : {first, second}) {
    dialogs.fileAnswers << rom;
    Click([this] { window->Button2Click(); });
  }
  EXPECT_EQ(RecentEntries(), (QStringList{"&1 " + second, "&2 " + first, "--", "&Clear Menu"}));

  ChooseRecent("&2 " + first);
  EXPECT_EQ(ShownRom(), first);
  EXPECT_EQ(Edit("Edit1")->text(), "3");
  EXPECT_EQ(RecentEntries().first(), "&1 " + first);

  QFile::remove(second);
  ChooseRecent("&2 " + second);
  ASSERT_EQ(dialogs.messages.size(), 1);
  EXPECT_EQ(dialogs.messages[0],
            "File not found: " + second + ".\r\nIt is no longer listed under Open Recent.");
  EXPECT_EQ(ShownRom(), first);
  EXPECT_EQ(RecentEntries(), (QStringList{"&1 " + first, "--", "&Clear Menu"}));

  ChooseRecent("&Clear Menu");
  EXPECT_EQ(RecentEntries(), (QStringList{"--", "&Clear Menu"}));
}

TEST_F(RomOpeningTest, OpenRecentKeepsTheLastEightOnceEachWithAmpersandsShown) {
  QStringList roms;
  for (int n = 1; n <= 9; ++n) roms << WriteRom(QString("rom %1 & co.nes").arg(n));
  for (const QString& rom : roms) window->OpenRomFile(rom);
  window->OpenRomFile(roms[4]);
  const QStringList entries = RecentEntries();
  ASSERT_EQ(entries.size(), kRecentRomCount + 2);
  EXPECT_EQ(entries[0], "&1 " + QString(roms[4]).replace("&", "&&"));
  EXPECT_EQ(entries[1], "&2 " + QString(roms[8]).replace("&", "&&"));
  EXPECT_EQ(RecentRoms().size(), kRecentRomCount);
  EXPECT_FALSE(RecentRoms().contains(roms[0]));
  EXPECT_EQ(RecentRoms().count(roms[4]), 1);
}

TEST_F(RomOpeningTest, DroppedRomOpensAfterAskingAboutUnsavedEdits) {
  const QString first = WriteRom("first.nes", 3), second = WriteRom("second.nes", 4);
  EXPECT_FALSE(Drop(window.get(), {QUrl::fromLocalFile(Folder() + "/graph/0.bmp")}));
  EXPECT_FALSE(Drop(window.get(), {QUrl("https://example.org/game.nes")}));
  EXPECT_TRUE(Drop(window.get(), {QUrl::fromLocalFile(Folder() + "/notes.txt"), QUrl::fromLocalFile(first)}));
  EXPECT_EQ(ShownRom(), first);
  EXPECT_TRUE(dialogs.questions.isEmpty());

  EditShownScreen();
  dialogs.questionAnswers = {false};
  EXPECT_TRUE(Drop(window.get(), {QUrl::fromLocalFile(second)}));
  ASSERT_EQ(dialogs.questions.size(), 1);
  EXPECT_EQ(dialogs.questions[0],
            "Attention!|The shown screen has unsaved edits, and opening second.nes shows another screen.\r\n"
            "Open it anyway and lose those edits?");
  EXPECT_EQ(ShownRom(), first);
  EXPECT_TRUE(window->hasUnsavedEdits());

  dialogs.questionAnswers = {true};
  EXPECT_TRUE(Drop(window.get(), {QUrl::fromLocalFile(second)}));
  EXPECT_EQ(ShownRom(), second);
  EXPECT_EQ(Edit("Edit1")->text(), "4");
  EXPECT_FALSE(window->hasUnsavedEdits());
  EXPECT_TRUE(dialogs.messages.isEmpty()) << dialogs.messages.join("\n").toStdString();
}

TEST_F(RomOpeningTest, PlaceComesBackInTheNextWindow) {
  window->show();
  window->move(40, 30);
  const QRect placed = window->geometry();
  window->close();
  TForm1 next(&dialogs);
  EXPECT_EQ(next.geometry(), placed);
}

}  // namespace
}  // namespace quelbrook::testing
