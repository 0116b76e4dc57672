#include <QGuiApplication>

#include "hex_text.h"
#include "window_fixture.h"
#include "window_font.h"

namespace quelbrook::testing {
namespace {

TEST_F(WindowTest, OpenRomShowsTheStartScreen) {
  OpenRom(RomBuilder().DistinctScreens().StartScreenByte(16));
  EXPECT_TRUE(dialogs.messages.isEmpty()) << dialogs.messages.join("\n").toStdString();
  EXPECT_EQ(Edit("Edit1")->text(), "55");
  auto record = DistinctRecord(55);
  EXPECT_EQ(TileCode(1), QString::fromStdString(IntToHexText(record[0])));
  EXPECT_EQ(CentreColour(Image("Image1")->picture()), TileColour(record[0]));
}

// The window borrows the application's font while it makes its fields; other windows must
// not keep it.
class ApplicationFontTest : public WindowTest {
 protected:
  void SetUp() override {
    before = QGuiApplication::font();
    WindowTest::SetUp();
  }
  QFont before;
};

TEST_F(ApplicationFontTest, FieldsTakeTheWindowFontAndTheApplicationKeepsItsOwn) {
  EXPECT_EQ(QGuiApplication::font(), before);
  EXPECT_EQ(Edit("Edit2")->font().family(), WindowFont().family());
  EXPECT_EQ(Edit("Edit2")->font().pointSize(), 8);
}

}  // namespace
}  // namespace quelbrook::testing
