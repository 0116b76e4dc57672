// Palette presets and steps, item and enemy kinds, destinations and their markers.
#include <QImage>

#include "byte_map.h"
#include "window_fixture.h"

namespace quelbrook::testing {
namespace {

class PalettesItemsTest : public WindowTest {
 protected:
  // Screen n with the given bytes changed; the rest as DistinctRecord.
  static RecordBytes With(int screen, std::initializer_list<std::pair<int, int>> changes) {
    RecordBytes record = DistinctRecord(screen);
    for (auto [index, value] : changes) record[index] = static_cast<std::uint8_t>(value);
    return record;
  }
  // A picture the standard folder lacks, for codes outside the catalogue.
  void AddPicture(const QString& relative, QColor colour) {
    QImage image(32, 32, QImage::Format_RGB32);
    image.fill(colour);
    ASSERT_TRUE(image.save(QDir(Folder()).filePath(relative), "BMP"));
  }
  void Palettes(const char* expectedName, const char* pal1, const char* pal2) {
    EXPECT_EQ(Label("Label15")->text(), expectedName);
    EXPECT_EQ(Edit("pal1")->text(), pal1);
    EXPECT_EQ(Edit("pal2")->text(), pal2);
  }
  void Down() {
    Click([this] { window->SpinButton1DownClick(); });
  }
  void Up() {
    Click([this] { window->SpinButton1UpClick(); });
  }
  void ItemStep(int direction) {
    Click([this, direction] { window->ItemKindStepClick(direction); });
  }
  void EnemyStep(int enemy, int direction) {
    Click([this, enemy, direction] { window->EnemyKindStepClick(enemy, direction); });
  }
  void DestinationStep(int object, int direction) {
    Click([this, object, direction] { window->DestinationStepClick(object, direction); });
  }
};

TEST_F(PalettesItemsTest, PresetArrowsWalkWithoutWrapping) {
  Palettes("Manual", "0", "0");
  Down();
  Palettes("Cave", "252", "157");
  for (int i = 0; i < 4; ++i) Down();
  Palettes("Castle", "18", "158");
  EXPECT_EQ(window->state().PalettePreset, 4);
  Up();
  Palettes("Forest 2", "84", "158");
  for (int i = 0; i < 5; ++i) Up();
  Palettes("Cave", "252", "157");
  EXPECT_EQ(window->state().PalettePreset, 1);
}

TEST_F(PalettesItemsTest, UpArrowFromManualGivesCave) {
  Up();
  Palettes("Cave", "252", "157");
}

TEST_F(PalettesItemsTest, ReloadRecognisesPresetsAndKeepsTheLastOne) {
  RomBuilder rom;
  rom.DistinctScreens();
  const int pairs[][2] = {{252, 157}, {40, 158}, {84, 158}, {18, 158}};
  for (int k = 0; k < 4; ++k)
    rom.Record(k + 1, With(k + 1, {{kRecordPalette1, pairs[k][0]}, {kRecordPalette2, pairs[k][1]}}));
  rom.Record(5, With(5, {{kRecordPalette1, 40}, {kRecordPalette2, 157}}));
  OpenRom(rom);
  const char* names[] = {"Cave", "Forest 1", "Forest 2", "Castle"};
  for (int k = 0; k < 4; ++k) {
    ShowScreen(k + 1);
    EXPECT_EQ(Label("Label15")->text(), names[k]);
    EXPECT_EQ(window->state().PalettePreset, k + 1);
  }
  ShowScreen(2);
  ShowScreen(5);
  Palettes("Manual", "40", "157");
  EXPECT_EQ(window->state().PalettePreset, 2);
  Down();  // continues from the preset last recognised
  Palettes("Forest 2", "84", "158");
  EXPECT_TRUE(dialogs.messages.isEmpty()) << dialogs.messages.join("\n").toStdString();
}

TEST_F(PalettesItemsTest, PaletteStepsStayWithinZeroTo256) {
  Down();
  Edit("pal1")->setText("255");
  Click([this] { window->PaletteStepClick(1, +1); });
  EXPECT_EQ(Edit("pal1")->text(), "256");
  Click([this] { window->PaletteStepClick(1, +1); });
  EXPECT_EQ(Edit("pal1")->text(), "256");
  Edit("pal2")->setText("0");
  Click([this] { window->PaletteStepClick(2, -1); });
  EXPECT_EQ(Edit("pal2")->text(), "0");
  Edit("pal2")->setText("300");  // clamped, then stepped
  Click([this] { window->PaletteStepClick(2, -1); });
  EXPECT_EQ(Edit("pal2")->text(), "255");
  EXPECT_EQ(Edit("pal1")->text(), "256");
  EXPECT_EQ(Label("Label15")->text(), "Cave");  // steps never rename the preset
  EXPECT_EQ(window->state().PalettePreset, 1);

  Edit("pal1")->setText("");
  Click([this] { window->PaletteStepClick(1, -1); });
  EXPECT_EQ(LastMessage(), "'' is not a valid integer value.");
}

// Clicked as a user clicks them: each pair of step buttons moves its own field, and no other.
TEST_F(PalettesItemsTest, EveryStepButtonStepsItsOwnField) {
  OpenRom(RomBuilder().DistinctScreens());
  struct Steps {
    const char *down, *up, *field;
  };
  const Steps pairs[] = {{"Button6", "Button7", "Edit3"},         {"Button13", "Button14", "Edit5"},
                         {"Button17", "Button18", "Edit6"},       {"Button21", "Button22", "Edit7"},
                         {"Button25", "Button26", "Edit8"},       {"Button8", "Button9", "Edit4"},
                         {"Button11", "Button12", "ene1"},        {"Button15", "Button16", "ene2"},
                         {"Button19", "Button20", "ene3"},        {"Button23", "Button24", "ene4"},
                         {"Button31", "Button32", "pal1"},        {"Button29", "Button30", "pal2"},
                         {"Button35", "Button36", "Startscreen"}, {"Button38", "Button39", "Endscreen"}};
  const auto expectOnly = [&](const char* stepped, const char* value) {
    for (const Steps& other : pairs)
      EXPECT_EQ(Edit(other.field)->text(), other.field == stepped ? value : "5") << other.field;
  };
  for (const Steps& steps : pairs) {
    SCOPED_TRACE(steps.field);
    for (const Steps& other : pairs) Edit(other.field)->setText("5");
    Button(steps.up)->click();
    expectOnly(steps.field, "6");
    Button(steps.down)->click();
    Button(steps.down)->click();
    expectOnly(steps.field, "4");
  }
  EXPECT_TRUE(dialogs.messages.isEmpty()) << dialogs.messages.join("\n").toStdString();
}

TEST_F(PalettesItemsTest, ItemStepsFollowTheirOwnIndexNotTheLoadedItem) {
  OpenRom(RomBuilder().DistinctScreens().Record(3, With(3, {{kRecordItem, 4}})));
  ShowScreen(3);
  EXPECT_EQ(Label("Label3")->text(), "Item: Prism cube");
  ItemStep(+1);
  EXPECT_EQ(Edit("Edit4")->text(), "1");
  EXPECT_EQ(Edit("itemnumber")->text(), "1");
  EXPECT_EQ(Label("Label3")->text(), "Item: Life sphere");
  EXPECT_EQ(CentreColour(Image("items")->picture()), ItemColour(1));
  EXPECT_EQ(CentreColour(Image("selit")->picture()), ItemColour(1));

  ItemStep(-1);
  ItemStep(-1);
  EXPECT_EQ(Edit("Edit4")->text(), "0");
  EXPECT_EQ(Edit("itemnumber")->text(), "0");
  EXPECT_EQ(Label("Label3")->text(), "Item: None");

  for (int i = 0; i < 9; ++i) ItemStep(+1);
  ItemStep(+1);
  EXPECT_EQ(Edit("itemnumber")->text(), "A");
  EXPECT_EQ(Label("Label3")->text(), "Item: Teleportation");
  ItemStep(+1);
  ItemStep(+1);
  EXPECT_EQ(Edit("Edit4")->text(), "11");
  EXPECT_EQ(Edit("itemnumber")->text(), "B");
  EXPECT_EQ(Label("Label3")->text(), "Boss trap!");
  EXPECT_EQ(CentreColour(Image("items")->picture()), ItemColour(11));
  EXPECT_TRUE(dialogs.messages.isEmpty()) << dialogs.messages.join("\n").toStdString();
}

TEST_F(PalettesItemsTest, ItemCodesOutsideTheCatalogue) {
  AddPicture("items/C.bmp", Qt::cyan);
  AddPicture("items/14.bmp", Qt::yellow);
  AddPicture("items/15.bmp", Qt::magenta);
  OpenRom(RomBuilder()
              .DistinctScreens()
              .Record(1, With(1, {{kRecordItem, 11}}))
              .Record(2, With(2, {{kRecordItem, 0x0C}}))
              .Record(3, With(3, {{kRecordItem, 0x15}}))
              .Record(4, With(4, {{kRecordItem, 0x14}})));
  ShowScreen(1);
  ShowScreen(2);
  EXPECT_EQ(Edit("itemnumber")->text(), "C");
  EXPECT_EQ(Label("Label3")->text(), "Boss trap!");  // no caption: the previous one stays
  EXPECT_EQ(CentreColour(Image("items")->picture()), QColor(Qt::cyan));
  EXPECT_TRUE(Button("Button5")->isEnabled());

  ShowScreen(3);
  EXPECT_FALSE(Button("Button5")->isEnabled());
  ItemStep(-1);  // stepping never grants or withdraws saving
  EXPECT_EQ(Label("Label3")->text(), "Item: None");
  EXPECT_FALSE(Button("Button5")->isEnabled());
  ShowScreen(4);
  EXPECT_TRUE(Button("Button5")->isEnabled());
  ItemStep(+1);
  EXPECT_TRUE(Button("Button5")->isEnabled());
  EXPECT_TRUE(dialogs.messages.isEmpty()) << dialogs.messages.join("\n").toStdString();
}

TEST_F(PalettesItemsTest, EnemyKindStepsStayWithinTheCatalogue) {
  AddPicture("enemyes/1A.bmp", Qt::cyan);
  AddPicture("enemyes/19.bmp", Qt::yellow);
  OpenRom(RomBuilder().DistinctScreens().Record(
      6, With(6, {{kRecordEnemyKinds, 0x1A}, {kRecordEnemyKinds + 1, 0}, {kRecordEnemyKinds + 2, 15}})));
  ShowScreen(6);
  EXPECT_EQ(Edit("ene1")->text(), "1A");
  EXPECT_EQ(CentreColour(Image("Enemy1")->picture()), QColor(Qt::cyan));
  EnemyStep(1, +1);
  EXPECT_EQ(Edit("ene1")->text(), "1A");
  EnemyStep(1, -1);
  EXPECT_EQ(Edit("ene1")->text(), "19");
  EXPECT_EQ(CentreColour(Image("Enemy1")->picture()), QColor(Qt::yellow));
  EXPECT_EQ(CentreColour(Image("En1")->picture()), QColor(Qt::yellow));

  EnemyStep(2, -1);
  EXPECT_EQ(Edit("ene2")->text(), "0");
  EnemyStep(3, +1);
  EXPECT_EQ(Edit("ene3")->text(), "F");
  EXPECT_EQ(CentreColour(Image("En3")->picture()), EnemyColour(15));
  const QString fourth = Edit("ene4")->text();
  EnemyStep(4, +1);
  EXPECT_EQ(Edit("ene4")->text(), QString::number(fourth.toInt(nullptr, 16) + 1, 16).toUpper());
  EXPECT_EQ(CentreColour(Image("Enemy4")->picture()), EnemyColour(fourth.toInt(nullptr, 16) + 1));
  EXPECT_EQ(Edit("ene1")->text(), "19");
  EXPECT_EQ(Edit("ene2")->text(), "0");
  EXPECT_TRUE(dialogs.messages.isEmpty()) << dialogs.messages.join("\n").toStdString();
}

TEST_F(PalettesItemsTest, LoadedDestinationsPlaceTheMarkers) {
  const int item = kRecordItemDestination, enemy = kRecordEnemyDestinations;
  OpenRom(RomBuilder()
              .DistinctScreens()
              .Record(1, With(1, {{item, 17}, {enemy, 17}, {enemy + 1, 17}}))
              .Record(2, With(2, {{item, 255}, {enemy, 255}, {enemy + 1, 200}, {enemy + 2, 191}})));
  ShowScreen(1);
  EXPECT_EQ(Position("selit"), QPoint(24, 24));
  EXPECT_EQ(Position("En2"), QPoint(24, 24));
  ShowScreen(2);
  EXPECT_EQ(Edit("Edit3")->text(), "0");
  EXPECT_EQ(Position("selit"), QPoint(8, 8));
  EXPECT_EQ(Edit("Edit5")->text(), "0");
  EXPECT_EQ(Position("En1"), QPoint(8, 8));
  EXPECT_EQ(Edit("Edit6")->text(), "200");
  EXPECT_EQ(Position("En2"), QPoint(24, 24));  // off the grid: stays where screen 1 put it
  EXPECT_EQ(Edit("Edit7")->text(), "191");
  EXPECT_EQ(Position("En3"), QPoint(255, 189));
  EXPECT_TRUE(dialogs.messages.isEmpty()) << dialogs.messages.join("\n").toStdString();
}

TEST_F(PalettesItemsTest, DestinationStepsMoveOneCellAndStopAtTheBounds) {
  const char* fields[] = {"Edit3", "Edit5", "Edit6", "Edit7", "Edit8"};
  const char* markers[] = {"selit", "En1", "En2", "En3", "En4"};
  for (int object = 0; object < 5; ++object) {
    SCOPED_TRACE(fields[object]);
    QLineEdit* field = Edit(fields[object]);
    field->setText("0");
    DestinationStep(object, -1);
    EXPECT_EQ(field->text(), "0");
    EXPECT_EQ(Position(markers[object]), QPoint(8, 8));

    field->setText("15");
    DestinationStep(object, -1);
    DestinationStep(object, +1);
    EXPECT_EQ(Position(markers[object]), QPoint(255, 8));
    DestinationStep(object, +1);  // past the row's end: first column of the next row
    EXPECT_EQ(field->text(), "16");
    EXPECT_EQ(Position(markers[object]), QPoint(8, 24));

    field->setText("250");
    DestinationStep(object, +1);  // clamped only: the marker does not follow
    EXPECT_EQ(field->text(), "191");
    EXPECT_EQ(Position(markers[object]), QPoint(8, 24));
    DestinationStep(object, -1);
    EXPECT_EQ(field->text(), "190");
    EXPECT_EQ(Position(markers[object]), QPoint(239, 189));
    DestinationStep(object, +1);
    DestinationStep(object, +1);
    EXPECT_EQ(field->text(), "191");
    EXPECT_EQ(Position(markers[object]), QPoint(255, 189));
  }
  EXPECT_EQ(Edit("Edit3")->text(), "191");
  EXPECT_TRUE(dialogs.messages.isEmpty()) << dialogs.messages.join("\n").toStdString();

  Edit("Edit6")->setText("");
  DestinationStep(2, +1);
  EXPECT_EQ(LastMessage(), "'' is not a valid integer value.");
  EXPECT_EQ(Position("En2"), QPoint(255, 189));
}

}  // namespace
}  // namespace quelbrook::testing
