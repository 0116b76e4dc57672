// "Learn pictures from this ROM..." and the Pictures choice: the window draws the demo ROM with
// what the game shows, and remembers the choice for that ROM.
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <filesystem>

#include "asset_folder.h"
#include "capture_settings_store.h"
#include "item_catalogue.h"
#include "picture_choice.h"
#include "play_panel.h"
#include "process_memory.h"
#include "whole_world_runs.h"
#include "window_fixture.h"

namespace quelbrook::testing {
namespace {

class LearnedPicturesWindowTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    WriteFile(RomPath(), ReadFile(std::filesystem::path(QUELBROOK_TEST_APP_DIR) / "Quelbrook.nes"));
    learned_ = LearnedPicturesFolder(IdentityOf(QString::fromStdString(RomPath())));
    QDir(learned_).removeRecursively();
    dialogs.fileAnswers.push_back(QString::fromStdString(RomPath()));
    Click([this] { window->Button2Click(); });
  }
  void TearDown() override {
    QDir(learned_).removeRecursively();
    WindowTest::TearDown();
  }

  QImage CellPicture(int cell) const {
    return Image("Image" + QString::number(cell))->picture().toImage().convertToFormat(QImage::Format_RGB32);
  }
  QImage FilePicture(const QString& folder, int cell) const {
    const QString path =
        QDir(folder).filePath(QString::fromStdString(TileBitmapPath(TileCode(cell).toStdString())));
    return QImage(path).convertToFormat(QImage::Format_RGB32);
  }
  void Reopen() {
    window = std::make_unique<TForm1>(&dialogs);
    dialogs.fileAnswers.push_back(QString::fromStdString(RomPath()));
    Click([this] { window->Button2Click(); });
  }
  QAction* Choice(const QString& text) const {
    for (QAction* action : window->findChild<QMenu*>("PicturesMenu")->actions())
      if (action->text() == text) return action;
    return nullptr;
  }

  QString learned_;
};

TEST_F(LearnedPicturesWindowTest, LearningDrawsWithTheGamesPicturesAndTheChoiceOutlivesASave) {
  QUELBROOK_SKIP_REPEATED_WHOLE_WORLD_RUN();
  ASSERT_EQ(FilePicture(Folder(), 1), CellPicture(1)) << "shipped first";
  Click([this] { window->LearnPicturesClick(); });
  ASSERT_TRUE(QDir(learned_).exists()) << LastMessage().toStdString();
  EXPECT_TRUE(LastMessage().contains("Play field origin: 0,16 (found")) << LastMessage().toStdString();
  EXPECT_TRUE(Choice("&Learned for this ROM")->isChecked());
  for (int cell : {1, 20, 48}) EXPECT_EQ(CellPicture(cell), FilePicture(learned_, cell)) << cell;
  EXPECT_NE(FilePicture(learned_, 48), FilePicture(Folder(), 48))
      << "the test's own pictures are not the game's";

  // The info picture is the program's own, whichever pictures draw the codes.
  const int messages = static_cast<int>(dialogs.messages.size());
  Click([this] { window->Timer1Timer(); });
  EXPECT_EQ(dialogs.messages.size(), messages) << LastMessage().toStdString();
  // Either of the two: on a slow build the window's own 20 s timer may tick during learning.
  const QColor info = CentreColour(Image("Image49")->picture());
  EXPECT_TRUE(info == InfoColour(1) || info == InfoColour(2)) << info.name().toStdString();

  Choice("&Shipped pictures")->trigger();
  EXPECT_EQ(CellPicture(48), FilePicture(Folder(), 48));
  Choice("&Learned for this ROM")->trigger();

  // A save changes the ROM's bytes; another window opening it still draws with the choice.
  const auto before = RomBytes();
  Click([this] { window->ImageClick(1); });
  Click([this] { window->PicClick(6); });
  Click([this] { window->Button5Click(); });
  ASSERT_NE(RomBytes(), before) << LastMessage().toStdString();
  Reopen();
  EXPECT_TRUE(Choice("&Learned for this ROM")->isChecked());
  EXPECT_EQ(CellPicture(48), FilePicture(learned_, 48));
}

// Learning runs a console of its own beside the Play panel's: the game plays on while the
// pictures are learned, and what the core keeps for each game leaves with learning's program.
TEST_F(LearnedPicturesWindowTest, LearningRunsBesideAPlayingGameAndLeavesNoMemoryBehind) {
  Click([this] { window->PlayScreenClick(); });
  auto* panel = window->findChild<PlayPanel*>("PlayPanel", Qt::FindDirectChildrenOnly);
  ASSERT_NE(panel, nullptr) << LastMessage().toStdString();
  QTRY_VERIFY(panel->host().FramesRun() > 10);
  const std::int64_t residentBefore = *play::ResidentBytes();
  const std::int64_t framesBefore = panel->host().FramesRun();
  const qsizetype rewindBefore = panel->RewindBytes();

  Click([this] { window->LearnPicturesClick(); });
  ASSERT_TRUE(QDir(learned_).exists()) << LastMessage().toStdString();
  EXPECT_GT(panel->host().FramesRun(), framesBefore + 30) << "the game played on while learning";
  EXPECT_FALSE(panel->IsPaused());
#ifndef __SANITIZE_ADDRESS__  // the address sanitizer keeps freed memory in quarantine
  // The panel's rewind keeps the game's last ten seconds, which grew meanwhile.
  const qsizetype rewindGrowth = panel->RewindBytes() - rewindBefore;
  EXPECT_LT(*play::ResidentBytes() - residentBefore - rewindGrowth, 10 << 20) << "bytes kept after learning";
#else
  Q_UNUSED(residentBefore);
  Q_UNUSED(rewindBefore);
#endif
}

// Choices that cannot be had are said so, and the shipped pictures are drawn.
TEST_F(LearnedPicturesWindowTest, AGoneOrNeverLearnedFolderIsSaidSo) {
  Choice("&Learned for this ROM")->trigger();
  EXPECT_EQ(
      LastMessage(),
      "No pictures have been learned for this ROM yet: choose \"Learn pictures from this ROM...\" in the "
      "File menu first.");
  EXPECT_TRUE(Choice("&Shipped pictures")->isChecked());

  // Another folder, without info pictures: the codes come from it, the info picture does not.
  const QString mine = Folder() + "/mine";
  MakeAssetFolder(mine);
  ASSERT_TRUE(QDir(mine + "/info").removeRecursively());
  QImage distinct(32, 32, QImage::Format_RGB32);
  distinct.fill(Qt::magenta);
  ASSERT_TRUE(distinct.save(
      QDir(mine).filePath(QString::fromStdString(TileBitmapPath(TileCode(1).toStdString()))), "BMP"));
  WritePictureSetting(IdentityOf(QString::fromStdString(RomPath())), {PictureChoice::kFolder, mine});
  Reopen();
  EXPECT_EQ(CellPicture(1), distinct);
  const int messages = static_cast<int>(dialogs.messages.size());
  Click([this] { window->Timer1Timer(); });
  EXPECT_EQ(dialogs.messages.size(), messages) << LastMessage().toStdString();
  // Either of the two: on a slow build the window's own 20 s timer may tick during learning.
  const QColor info = CentreColour(Image("Image49")->picture());
  EXPECT_TRUE(info == InfoColour(1) || info == InfoColour(2)) << info.name().toStdString();

  ASSERT_TRUE(QDir(mine).removeRecursively());
  Reopen();
  EXPECT_EQ(LastMessage(), "The pictures chosen for this ROM, " + QDir::toNativeSeparators(mine) +
                               ", are gone: the shipped pictures are shown.");
  EXPECT_TRUE(Choice("&Shipped pictures")->isChecked());
  EXPECT_EQ(CellPicture(1), FilePicture(Folder(), 1));
}

// How the game runs for its pictures is kept per ROM and is what learning runs: a script that
// is off stops it at once.
TEST_F(LearnedPicturesWindowTest, LearningRunsWithTheSettingsKeptForTheRom) {
  const RomIdentity rom = IdentityOf(QString::fromStdString(RomPath()));
  WriteCaptureSettings(rom, {"jump:3", 20, std::nullopt});
  Click([this] { window->LearnPicturesClick(); });
  EXPECT_TRUE(LastMessage().contains("\"jump\" is not a button")) << LastMessage().toStdString();
  EXPECT_FALSE(QDir(learned_).exists());

  // Kept by the game too: a moved ROM keeps them.
  const learn::CaptureSettings read = ReadCaptureSettings({rom.game, rom.path + ".moved"});
  EXPECT_EQ(read.input, "jump:3");
  EXPECT_EQ(read.frames, 20);
  EXPECT_FALSE(read.origin);
}

// The console view takes the origin learning found unless one is kept; learning finds its own.
TEST_F(LearnedPicturesWindowTest, TheConsoleViewTakesTheLearnedOriginUnlessOneIsKept) {
  const RomIdentity rom = IdentityOf(QString::fromStdString(RomPath()));
  EXPECT_FALSE(ReadConsoleViewSettings(rom).origin);
  ASSERT_TRUE(QDir().mkpath(learned_));
  QFile report(QDir(learned_).filePath("learned.txt"));
  ASSERT_TRUE(report.open(QIODevice::WriteOnly));
  report.write("Learned 80 tiles.\nPlay field origin: 8,24 (found; 99.5% of cells agree)\n");
  report.close();
  EXPECT_EQ(ReadConsoleViewSettings(rom).origin, QPoint(8, 24));
  EXPECT_FALSE(ReadCaptureSettings(rom).origin);
  WriteCaptureSettings(rom, {{}, 12, QPoint(0, 16)});
  EXPECT_EQ(ReadConsoleViewSettings(rom).origin, QPoint(0, 16));
}

// A long report scrolls inside a box that fits a laptop's screen.
TEST(LearnReportBox, ALongReportScrollsInABoxOfModestSize) {
  QStringList lines;
  for (int line = 1; line <= 200; ++line) lines << "line " + QString::number(line);
  QSize shown;
  int scrollRange = 0;
  QString text;
  QTimer::singleShot(0, [&] {
    QWidget* box = QApplication::activeModalWidget();
    ASSERT_NE(box, nullptr);
    shown = box->size();
    auto* view = box->findChild<QPlainTextEdit*>("ReportText");
    ASSERT_NE(view, nullptr);
    scrollRange = view->verticalScrollBar()->maximum();
    text = view->toPlainText();
    box->close();
  });
  QtDialogs(nullptr).report("Learn pictures", lines.join('\n'));
  EXPECT_LE(shown.height(), 600);
  EXPECT_LE(shown.width(), 1000);
  EXPECT_GT(scrollRange, 0);
  EXPECT_EQ(text, lines.join('\n'));
}

}  // namespace
}  // namespace quelbrook::testing
