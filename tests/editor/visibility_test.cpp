// The six "Show" boxes hide and show the five destination markers, and nothing else.
#include <QCoreApplication>
#include <QMouseEvent>

#include "byte_map.h"
#include "window_fixture.h"

namespace quelbrook::testing {
namespace {

const char* const kBoxes[] = {"CheckBox1", "CheckBox2", "CheckBox3", "CheckBox4", "CheckBox5"};
const char* const kMarkers[] = {"selit", "En1", "En2", "En3", "En4"};

int CellPixel(int k) { return 8 + 33 * (k / 2) + 16 * (k % 2); }

class VisibilityTest : public WindowTest {
 protected:
  bool Shown(const char* marker) const { return !Image(marker)->isHidden(); }
  int ShownCount() const {
    int shown = 0;
    for (const char* marker : kMarkers) shown += Shown(marker);
    return shown;
  }
  int CheckedCount() const {
    int checked = 0;
    for (const char* box : kBoxes) checked += Check(box)->isChecked();
    return checked;
  }
  // As a real click: press and release go to the topmost visible widget at the point,
  // the panel itself where it draws images.
  void ClickPanelAt(QPoint point) {
    QWidget* panel = Get<QWidget>("Panel1");
    QWidget* target = panel->childAt(point);
    if (!target) target = panel;
    const QPointF local = target->mapFrom(panel, point);
    const QPointF global = target->mapToGlobal(local);
    QMouseEvent press(QEvent::MouseButtonPress, local, global, Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, local, global, Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QCoreApplication::sendEvent(target, &press);
    QCoreApplication::sendEvent(target, &release);
  }
};

TEST_F(VisibilityTest, ShowAllStaysCheckedAloneAndSwitchesEveryBoxAndMarker) {
  EXPECT_TRUE(Check("CheckBox6")->isChecked());
  EXPECT_EQ(CheckedCount(), 5);
  EXPECT_EQ(ShownCount(), 5);

  Check("CheckBox3")->setChecked(false);
  EXPECT_FALSE(Shown("En2"));
  EXPECT_EQ(ShownCount(), 4);
  EXPECT_TRUE(Check("CheckBox6")->isChecked()) << "a single box never changes Show All";

  Check("CheckBox6")->setChecked(false);
  EXPECT_EQ(CheckedCount(), 0);
  EXPECT_EQ(ShownCount(), 0);

  Check("CheckBox6")->setChecked(true);
  EXPECT_EQ(CheckedCount(), 5);
  EXPECT_EQ(ShownCount(), 5);
  EXPECT_TRUE(dialogs.messages.isEmpty()) << LastMessage().toStdString();
}

TEST_F(VisibilityTest, UncheckingShowItemHidesTheItemMarkerOnly) {
  OpenRom(RomBuilder().DistinctScreens().StartScreenByte(16));
  const QString caption = Label("Label3")->text();
  const QString destination = Edit("Edit3")->text();
  const QColor picture = CentreColour(Image("items")->picture());
  Check("CheckBox1")->setChecked(false);
  EXPECT_FALSE(Shown("selit"));
  EXPECT_EQ(ShownCount(), 4);
  EXPECT_FALSE(Image("items")->isHidden());
  EXPECT_EQ(CentreColour(Image("items")->picture()), picture);
  EXPECT_EQ(Label("Label3")->text(), caption);
  EXPECT_EQ(Edit("Edit3")->text(), destination);
}

TEST_F(VisibilityTest, AHiddenMarkerKeepsFollowingItsDestinationAndScreen) {
  OpenRom(RomBuilder().DistinctScreens().StartScreenByte(16));
  Check("CheckBox2")->setChecked(false);
  Edit("Edit5")->setText("0");
  for (int step = 0; step < 17; ++step) Click([this] { window->DestinationStepClick(1, +1); });
  EXPECT_EQ(Edit("Edit5")->text(), "17");
  EXPECT_FALSE(Shown("En1"));
  Check("CheckBox2")->setChecked(true);
  EXPECT_TRUE(Shown("En1"));
  EXPECT_EQ(Position("En1"), QPoint(24, 24));

  // A reload moves and re-pictures a hidden marker but leaves it hidden.
  Check("CheckBox4")->setChecked(false);
  ShowScreen(56);
  ASSERT_TRUE(dialogs.messages.isEmpty()) << LastMessage().toStdString();
  EXPECT_FALSE(Shown("En3"));
  EXPECT_FALSE(Check("CheckBox4")->isChecked());
  const RecordBytes record = DistinctRecord(56);
  const int destination = record[kRecordEnemyDestinations + 2];
  EXPECT_EQ(Position("En3"), QPoint(CellPixel(destination % 16), CellPixel(destination / 16)));
  EXPECT_EQ(CentreColour(Image("En3")->picture()), EnemyColour(record[kRecordEnemyKinds + 2]));
}

TEST_F(VisibilityTest, AVisibleMarkerSwallowsTheClickOnTheQuarterCellBeneath) {
  window->show();
  // All five markers start on destination 0, the top-left quarter of cell 1.
  for (const char* box : {"CheckBox2", "CheckBox3", "CheckBox4", "CheckBox5"}) Check(box)->setChecked(false);
  ClickPanelAt({12, 12});
  EXPECT_EQ(window->state().SelectedCell, 0) << "the item marker takes the click";

  // The marker covers one quarter only: the rest of the cell is still clickable.
  ClickPanelAt({30, 30});
  EXPECT_EQ(window->state().SelectedCell, 1);
  Click([this] { window->ImageClick(5); });

  Check("CheckBox1")->setChecked(false);
  ClickPanelAt({12, 12});
  EXPECT_EQ(window->state().SelectedCell, 1) << "a hidden marker lets the click through";
  EXPECT_EQ(Position("Red"), QPoint(7, 7));
}

}  // namespace
}  // namespace quelbrook::testing
