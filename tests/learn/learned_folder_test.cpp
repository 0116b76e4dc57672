// Writing learned pictures into the folder a user names: whatever the name looks like, the
// user's other files stay where they are, and a failure leaves the folder as it was.

#include "learned_folder.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>

#include "editor_error.h"
#include "folder_contents.h"
#include "rom_builder.h"

namespace quelbrook::testing {
namespace {

class LearnedFolderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    previous_ = QDir::currentPath();
    QDir::setCurrent(Root());
  }
  void TearDown() override { QDir::setCurrent(previous_); }

  QString Root() const { return QString::fromStdString(dir.path().string()); }
  static void Put(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
  }
  static QImage Picture(QRgb colour) {
    QImage picture(32, 32, QImage::Format_RGB32);
    picture.fill(colour);
    return picture;
  }
  static void Write(const QString& folder, const learn::Rename& rename = {}) {
    learn::WriteFolderAtOnce(folder, {{"graph/5.bmp", Picture(qRgb(1, 2, 3))}}, {{"learned.txt", "report"}},
                             {}, rename);
  }
  // The user's folder before learning: a note, a folder of their own and an older picture.
  static void MakeUsersFolder(const QString& folder) {
    Put(folder + "/mynote.txt", "mine");
    Put(folder + "/notes/more.txt", "more");
    Put(folder + "/graph/7.bmp", "older picture");
    Put(folder + "/learned.txt", "older report");
  }

  TempDir dir;

 private:
  QString previous_;
};

TEST_F(LearnedFolderTest, AFolderNamedWithATrailingSlashOrRelativelyIsWrittenInPlace) {
  for (const QString& name : {QString("relative/"), Root() + "/absolute/", QString("./dotted")}) {
    Write(name);
    const QString folder = QDir::cleanPath(QDir(Root()).filePath(name));
    EXPECT_TRUE(QImage(folder + "/graph/5.bmp").pixel(0, 0) == qRgb(1, 2, 3)) << name.toStdString();
    EXPECT_EQ(QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList({"graph", "learned.txt"}))
        << name.toStdString();
  }
  EXPECT_EQ(QDir(Root()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
            QStringList({"absolute", "dotted", "relative"}));
}

TEST_F(LearnedFolderTest, TheUsersOtherFilesStayWhereTheyAreRunAfterRun) {
  MakeUsersFolder("dtest");
  for (int run = 0; run < 2; ++run) Write("dtest");
  const auto files = Contents(Root() + "/dtest");
  EXPECT_EQ(files.at("mynote.txt"), "mine");
  EXPECT_EQ(files.at("notes/more.txt"), "more");
  EXPECT_EQ(files.at("graph/7.bmp"), "older picture") << "a code not learned keeps its picture";
  EXPECT_EQ(files.at("learned.txt"), "report");
  EXPECT_EQ(files.size(), 7u);  // the two folders and the new picture besides those above
}

TEST_F(LearnedFolderTest, AFileOfThatNameIsRefusedAndLeftAlone) {
  Put(Root() + "/pictures", "a file");
  try {
    Write("pictures");
    FAIL() << "wrote over a file";
  } catch (const EditorError& error) {
    EXPECT_EQ(
        std::string(error.what()),
        (Root() + "/pictures is a file, not a folder: name a folder for the learned pictures").toStdString());
  }
  EXPECT_EQ(Contents(Root()), (std::map<QString, QByteArray>{{"pictures", "a file"}}));
}

TEST_F(LearnedFolderTest, AFailedMoveLeavesTheFolderAsItWas) {
  const QString folder = Root() + "/mine";
  MakeUsersFolder(folder);
  const auto before = Contents(folder);
  // Each move in turn fails: the old entries step aside and new ones come in one by one.
  for (int failing = 0; failing < 4; ++failing) {
    int moves = 0;
    EXPECT_THROW(
        Write(folder, [&](const QString& from,
                          const QString& to) { return moves++ != failing && QDir().rename(from, to); }),
        EditorError)
        << failing;
    EXPECT_TRUE(Contents(folder) == before) << failing;
  }
  // A folder that was not there is not there after.
  EXPECT_THROW(Write(Root() + "/new/deeper", [](const QString&, const QString&) { return false; }),
               EditorError);
  EXPECT_FALSE(QFileInfo::exists(Root() + "/new"));
}

TEST_F(LearnedFolderTest, OldPicturesThatCannotBePutBackAreKeptAndNamed) {
  const QString folder = Root() + "/mine";
  MakeUsersFolder(folder);
  int moves = 0;
  try {
    // The old graph/ steps aside, the new one cannot come in, nor the old one go back.
    Write(folder,
          [&](const QString& from, const QString& to) { return moves++ == 0 && QDir().rename(from, to); });
    FAIL() << "no failure";
  } catch (const EditorError& error) {
    const std::string text = error.what();
    const std::string named = "its old pictures could not be put back: they are in ";
    ASSERT_NE(text.find(named), std::string::npos) << text;
    const QString kept = QString::fromStdString(text.substr(text.find(named) + named.size()));
    QFile picture(kept + "/graph/7.bmp");
    ASSERT_TRUE(picture.open(QIODevice::ReadOnly)) << kept.toStdString();
    EXPECT_EQ(picture.readAll(), "older picture");
  }
  EXPECT_EQ(Contents(folder).at("mynote.txt"), "mine");
}

}  // namespace
}  // namespace quelbrook::testing
