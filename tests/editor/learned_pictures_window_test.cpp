// "Learn pictures from this ROM..." and the Pictures choice: the window draws the demo ROM with
// what the game shows, and remembers the choice for that ROM.
#include <QAction>
#include <QDir>
#include <QMenu>
#include <filesystem>

#include "item_catalogue.h"
#include "picture_choice.h"
#include "window_fixture.h"

namespace quelbrook::testing {
namespace {

class LearnedPicturesWindowTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    WriteFile(RomPath(), ReadFile(std::filesystem::path(QUELBROOK_TEST_APP_DIR) / "Quelbrook.nes"));
    learned_ = LearnedPicturesFolder(RomChecksum(QString::fromStdString(RomPath())));
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
  QAction* Choice(const QString& text) const {
    for (QAction* action : window->findChild<QMenu*>("PicturesMenu")->actions())
      if (action->text() == text) return action;
    return nullptr;
  }

  QString learned_;
};

TEST_F(LearnedPicturesWindowTest, LearningDrawsWithTheGamesPicturesAndTheChoiceIsKeptForTheRom) {
  ASSERT_EQ(FilePicture(Folder(), 1), CellPicture(1)) << "shipped first";
  Click([this] { window->LearnPicturesClick(); });
  ASSERT_TRUE(QDir(learned_).exists()) << LastMessage().toStdString();
  EXPECT_TRUE(LastMessage().contains("Play field origin: 0,16 (found")) << LastMessage().toStdString();
  EXPECT_TRUE(Choice("&Learned for this ROM")->isChecked());
  for (int cell : {1, 20, 48}) EXPECT_EQ(CellPicture(cell), FilePicture(learned_, cell)) << cell;
  EXPECT_NE(FilePicture(learned_, 48), FilePicture(Folder(), 48))
      << "the test's own pictures are not the game's";

  Choice("&Shipped pictures")->trigger();
  EXPECT_EQ(CellPicture(48), FilePicture(Folder(), 48));

  // Another window opening the same ROM draws with the choice made for it.
  Choice("&Learned for this ROM")->trigger();
  window = std::make_unique<TForm1>(&dialogs);
  dialogs.fileAnswers.push_back(QString::fromStdString(RomPath()));
  Click([this] { window->Button2Click(); });
  EXPECT_TRUE(Choice("&Learned for this ROM")->isChecked());
  EXPECT_EQ(CellPicture(48), FilePicture(learned_, 48));
}

}  // namespace
}  // namespace quelbrook::testing
