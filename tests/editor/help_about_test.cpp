#include <QAction>
#include <QFile>
#include <QGroupBox>

#include "form2.h"
#include "window_fixture.h"

namespace quelbrook::testing {
namespace {

class HelpAboutTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    help = std::make_unique<TForm2>();
    window->setHelpWindow(help.get());
  }
  void TearDown() override {
    window->setHelpWindow(nullptr);
    help.reset();
    WindowTest::TearDown();
  }
  QColor Info() const { return CentreColour(Image("Image49")->picture()); }

  std::unique_ptr<TForm2> help;
};

TEST_F(HelpAboutTest, ClicksAndTimerTicksAlternateTheTwoInfoPictures) {
  EXPECT_NE(Info(), InfoColour(1));  // the title picture first
  for (int expected : {1, 2, 1, 2}) {
    Click([this] { window->Image49Click(); });
    EXPECT_EQ(Info(), InfoColour(expected));
  }
  // The timer continues the same sequence.
  Click([this] { window->Timer1Timer(); });
  EXPECT_EQ(Info(), InfoColour(1));
  Click([this] { window->Timer1Timer(); });
  EXPECT_EQ(Info(), InfoColour(2));
  EXPECT_TRUE(dialogs.messages.isEmpty()) << dialogs.messages.join("\n").toStdString();
}

TEST_F(HelpAboutTest, AMissingInfoPictureIsReportedAndTheNextClickTriesTheOther) {
  ASSERT_TRUE(QFile::remove(Folder() + "/info/info1.bmp"));
  Click([this] { window->Timer1Timer(); });
  EXPECT_EQ(LastMessage(), "Cannot open file info/info1.bmp.");
  EXPECT_EQ(dialogs.captions.back(), "QuelbrookEditor");
  Click([this] { window->Image49Click(); });
  EXPECT_EQ(Info(), InfoColour(2));
  EXPECT_EQ(dialogs.messages.size(), 1);
}

TEST_F(HelpAboutTest, AboutShowsTheTitleLineAndLeadsToHelpOnlyWhenAsked) {
  Click([this] { window->BitBtn1Click(); });
  ASSERT_EQ(dialogs.messages.size(), 1);
  EXPECT_EQ(dialogs.captions.back(), "QuelbrookEditor");
  EXPECT_TRUE(LastMessage().startsWith("QuelbrookFullEditor  ver.1.0\n\n")) << LastMessage().toStdString();
  EXPECT_TRUE(LastMessage().contains("\nLicense GPL-3.0-or-later")) << LastMessage().toStdString();
  EXPECT_FALSE(help->isVisible());

  dialogs.aboutAsksForHelp = true;
  Click([this] { window->BitBtn1Click(); });
  EXPECT_TRUE(help->isVisible());
  EXPECT_EQ(Button("BitBtn1")->text(), "&About...");
  EXPECT_TRUE(Button("BitBtn1")->isEnabled());
}

TEST_F(HelpAboutTest, AboutSaysWhereTheDemoRomLiesAndToCopyItFirst) {
  Click([this] { window->BitBtn1Click(); });
  EXPECT_FALSE(LastMessage().contains("demo ROM")) << "no demo ROM in the start folder";

  RomBuilder().Write(RomPath());
  Click([this] { window->BitBtn1Click(); });
  EXPECT_TRUE(LastMessage().contains("The demo ROM is " + QString::fromStdString(RomPath()) +
                                     ": copy it to a folder of your own before editing it."))
      << LastMessage().toStdString();
}

TEST_F(HelpAboutTest, F1OpensTheHelpWindow) {
  QAction* f1 = nullptr;
  for (auto* action : window->findChildren<QAction*>())
    if (action->shortcut() == QKeySequence(Qt::Key_F1)) f1 = action;
  ASSERT_NE(f1, nullptr);
  EXPECT_FALSE(help->isVisible());
  f1->trigger();
  EXPECT_TRUE(help->isVisible());
}

TEST_F(HelpAboutTest, WithoutAHelpWindowTheFirstAskMakesOne) {
  window->setHelpWindow(nullptr);
  EXPECT_EQ(window->findChild<TForm2*>(), nullptr);  // the start does not pay for it
  window->ShowHelp();
  window->ShowHelp();
  const auto made = window->findChildren<TForm2*>();
  ASSERT_EQ(made.size(), 1);
  EXPECT_TRUE(made[0]->isVisible());
}

TEST_F(HelpAboutTest, HelpWindowDrawsTheNeighboursOfAScreen) {
  EXPECT_EQ(help->objectName(), "Form2");
  EXPECT_EQ(help->windowTitle(), "QuelbrookEditor help");
  auto* group = help->findChild<QGroupBox*>("GroupBox1");
  ASSERT_NE(group, nullptr);
  EXPECT_EQ(group->size(), QSize(399, 177));
  const QColor red(255, 0, 0), navy(0, 0, 128), green(0, 128, 0), fuchsia(255, 0, 255);
  struct Expected {
    const char* name;
    QPoint position;
    const char* text;
    QColor colour;
    bool bold;
  };
  const Expected labels[] = {
      {"Label1",
       {8, 16},
       "Remember! Screen Numbers: 1-128. If Number < 1 or Number > 128 -> ERROR!!!",
       red,
       false},
      {"Label2", {160, 40}, "Number - 16", navy, true},
      {"Label9", {184, 56}, "Up", green, true},
      {"Label6", {144, 88}, "START SCREEN", fuchsia, true},
      {"Label5", {32, 96}, "Number - 1", navy, true},
      {"Label7", {104, 96}, "Left", green, true},
      {"Label8", {256, 96}, "Right", green, true},
      {"Label4", {296, 96}, "Number + 1", navy, true},
      {"Label11", {160, 104}, "Number 55", fuchsia, true},
      {"Label10", {176, 136}, "Down", green, true},
      {"Label3", {160, 152}, "Number + 16", navy, true},
  };
  EXPECT_EQ(group->findChildren<QLabel*>().size(), 11);
  for (const auto& expected : labels) {
    SCOPED_TRACE(expected.name);
    auto* label = group->findChild<QLabel*>(expected.name);
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->text(), expected.text);
    EXPECT_EQ(label->pos(), expected.position);
    EXPECT_EQ(label->palette().color(QPalette::WindowText), expected.colour);
    EXPECT_EQ(label->font().bold(), expected.bold);
    // A wider substitute face must not cut the text off at the box's edge.
    EXPECT_LE(label->x() + label->width(), group->width());
  }
}

}  // namespace
}  // namespace quelbrook::testing
