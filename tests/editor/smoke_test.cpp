#include "hex_text.h"
#include "window_fixture.h"

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

}  // namespace
}  // namespace quelbrook::testing
