#include "restore_points_dialog.h"

#include <QDateTime>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "byte_map.h"
#include "editor_error.h"
#include "picture_folder.h"
#include "recorded_write.h"
#include "regular_file.h"
#include "rom_history.h"
#include "screen_data.h"
#include "screen_rendering.h"

namespace quelbrook {

namespace {
constexpr int kPointRole = Qt::UserRole;
constexpr int kMib = 1024 * 1024;

// Half the game's picture is enough to tell a screen, and two fit beside the list.
QPixmap ScreenPicture(const history::Bytes& rom, int screen, PictureSource& pictures) {
  RecordBytes record{};
  const auto offset = static_cast<std::size_t>(ScreenRecordOffset(screen));
  if (offset + record.size() > rom.size()) return {};
  std::copy_n(rom.begin() + static_cast<long>(offset), record.size(), record.begin());
  const QImage picture = RenderScreen(DecodeScreenRecord(record), pictures);
  return QPixmap::fromImage(
      picture.scaled(picture.size() / 2, Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

QLabel* PictureLabel(const char* name, QWidget* parent) {
  auto* label = new QLabel(parent);
  label->setObjectName(name);
  label->setFixedSize(128, 96);
  label->setFrameShape(QFrame::StyledPanel);
  label->setAlignment(Qt::AlignCenter);
  return label;
}
}  // namespace

RestorePointsDialog::RestorePointsDialog(const std::string& romPath, const QString& pictureDirectory,
                                         std::function<void(const std::string& romPath, int point)> restore,
                                         std::function<void(const std::function<void()>&)> run,
                                         QWidget* parent)
    : QDialog(parent),
      history_(std::make_unique<history::KeptHistory>(romPath)),
      pictureDirectory_(pictureDirectory),
      restore_(std::move(restore)),
      run_(std::move(run)) {
  setObjectName("RestorePointsDialog");
  setWindowTitle("Restore points");

  list_ = new QTreeWidget(this);
  list_->setObjectName("PointList");
  list_->setHeaderLabels({"Point", "Time", "What", "Changed"});
  list_->setRootIsDecorated(false);
  list_->setUniformRowHeights(true);
  list_->header()->setStretchLastSection(true);

  before_ = PictureLabel("BeforePicture", this);
  after_ = PictureLabel("AfterPicture", this);
  pictureCaption_ = new QLabel(this);
  pictureCaption_->setObjectName("PictureCaption");
  comparison_ = new QPlainTextEdit(this);
  comparison_->setObjectName("Comparison");
  comparison_->setReadOnly(true);
  comparison_->setPlaceholderText(
      "Compare with now lists what differs between the ROM and the chosen point.");

  restoreButton_ = new QPushButton("Restore the ROM to this point", this);
  restoreButton_->setObjectName("RestoreButton");
  compareButton_ = new QPushButton("Compare with now", this);
  compareButton_->setObjectName("CompareButton");

  keepPoints_ = new QSpinBox(this);
  keepPoints_->setObjectName("KeepPoints");
  keepPoints_->setRange(2, 1000000);
  keepMib_ = new QSpinBox(this);
  keepMib_->setObjectName("KeepMib");
  keepMib_->setRange(1, 1 << 20);
  keepMib_->setSuffix(" MiB");
  const history::Limits limits = history_->Open().limits();
  keepPoints_->setValue(static_cast<int>(limits.points));
  keepMib_->setValue(static_cast<int>(std::max<std::int64_t>(1, limits.bytes / kMib)));
  if (history_->Open().readOnly())
    for (QSpinBox* limit : {keepPoints_, keepMib_}) {
      limit->setEnabled(false);
      limit->setToolTip("The history is read-only: its limits cannot change");
    }

  auto* pictures = new QGridLayout;
  pictures->addWidget(new QLabel("Before", this), 0, 0);
  pictures->addWidget(new QLabel("After", this), 0, 1);
  pictures->addWidget(before_, 1, 0);
  pictures->addWidget(after_, 1, 1);
  pictures->addWidget(pictureCaption_, 2, 0, 1, 2);
  auto* side = new QVBoxLayout;
  side->addLayout(pictures);
  side->addWidget(restoreButton_);
  side->addWidget(compareButton_);
  side->addWidget(comparison_, 1);
  auto* top = new QHBoxLayout;
  top->addWidget(list_, 1);
  top->addLayout(side);
  auto* limitsRow = new QHBoxLayout;
  limitsRow->addWidget(new QLabel("Keep at most", this));
  limitsRow->addWidget(keepPoints_);
  limitsRow->addWidget(new QLabel("points and", this));
  limitsRow->addWidget(keepMib_);
  limitsRow->addWidget(new QLabel("(the oldest are folded into the first)", this));
  limitsRow->addStretch();
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top, 1);
  layout->addLayout(limitsRow);
  layout->addWidget(buttons);
  resize(900, 480);

  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(list_, &QTreeWidget::itemSelectionChanged, this, [this] { run_([this] { showSelected(); }); });
  connect(restoreButton_, &QPushButton::clicked, this, [this] { run_([this] { restoreSelected(); }); });
  connect(compareButton_, &QPushButton::clicked, this, [this] { run_([this] { compareSelected(); }); });
  connect(keepPoints_, &QSpinBox::editingFinished, this, [this] { run_([this] { keepLimits(); }); });
  connect(keepMib_, &QSpinBox::editingFinished, this, [this] { run_([this] { keepLimits(); }); });
  refresh();
}

RestorePointsDialog::~RestorePointsDialog() = default;

const std::string& RestorePointsDialog::romPath() const { return history_->romPath(); }

void RestorePointsDialog::refresh() {
  const int selected = selectedPoint();
  const auto points = history_->Open().List();
  const QSignalBlocker quiet(list_);
  list_->clear();
  for (auto point = points.rbegin(); point != points.rend(); ++point) {
    auto* item =
        new QTreeWidgetItem({QString::number(point->number),
                             QDateTime::fromSecsSinceEpoch(point->time).toString("yyyy-MM-dd HH:mm:ss"),
                             QString::fromStdString(point->words), QString::fromStdString(point->regions)});
    item->setData(0, kPointRole, point->number);
    list_->addTopLevelItem(item);
  }
  for (int column = 0; column < 3; ++column) list_->resizeColumnToContents(column);
  if (list_->topLevelItemCount() > 0) list_->setCurrentItem(list_->topLevelItem(0));
  selectPoint(selected);
  showSelected();
}

int RestorePointsDialog::selectedPoint() const {
  const QTreeWidgetItem* item = list_->currentItem();
  return item ? item->data(0, kPointRole).toInt() : 0;
}

void RestorePointsDialog::selectPoint(int point) {
  for (int row = 0; row < list_->topLevelItemCount(); ++row)
    if (list_->topLevelItem(row)->data(0, kPointRole).toInt() == point)
      list_->setCurrentItem(list_->topLevelItem(row));
}

void RestorePointsDialog::showSelected() {
  const int point = selectedPoint();
  restoreButton_->setEnabled(point > 0);
  compareButton_->setEnabled(point > 0);
  comparison_->clear();
  before_->clear();
  after_->clear();
  pictureCaption_->clear();
  if (point <= 1) return;  // the first point has no state before it
  history::RomHistory& points = history_->Open();
  const auto screens = points.ScreensOf(point);
  if (screens.empty()) return;
  PictureFolder pictures(pictureDirectory_, MissingPictures::kPlaceholder);
  before_->setPixmap(ScreenPicture(points.StateAfter(point - 1), screens.front(), pictures));
  after_->setPixmap(ScreenPicture(points.StateAfter(point), screens.front(), pictures));
  pictureCaption_->setText(
      screens.size() == 1
          ? QString("Screen %1").arg(screens.front())
          : QString("Screen %1 of the %2 it changed").arg(screens.front()).arg(screens.size()));
}

void RestorePointsDialog::restoreSelected() {
  const int point = selectedPoint();
  if (point <= 0) return;
  restore_(history_->romPath(), point);
  refresh();
}

void RestorePointsDialog::compareSelected() {
  const int point = selectedPoint();
  if (point <= 0) return;
  const history::Bytes state = history_->Open().StateAfter(point);
  const auto now = ReadRegularFile(history_->romPath(), state.size() + kMib);
  if (!now) throw EditorError("The ROM is far larger than at point " + std::to_string(point));
  const auto places = history::DifferingPlaces(history::Bytes(now->begin(), now->end()), state);
  QStringList lines;
  for (const auto& place : places) lines << QString::fromStdString(place);
  comparison_->setPlainText(lines.isEmpty()
                                ? QString("The ROM holds point %1 as it is.").arg(point)
                                : QString("What point %1 would change:\n").arg(point) + lines.join("\n"));
}

void RestorePointsDialog::keepLimits() {
  history_->Open().SetLimits({keepPoints_->value(), std::int64_t{keepMib_->value()} * kMib});
  refresh();
}

}  // namespace quelbrook
