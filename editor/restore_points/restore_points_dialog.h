#pragma once
// The restore points of the bound ROM, newest first, with pictures of the first screen a
// point changed as it was before and after; restoring is left to the window that writes.

#include <QDialog>
#include <QString>
#include <functional>
#include <memory>
#include <string>

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;
class QTreeWidget;

namespace quelbrook {

namespace history {
class KeptHistory;
}

class RestorePointsDialog : public QDialog {
  Q_OBJECT
 public:
  // restore writes the ROM back to a point (asking first) and may throw; failures go
  // through run, the window's error guard. Throws HistoryError when the history cannot be
  // read.
  RestorePointsDialog(const std::string& romPath, const QString& pictureDirectory,
                      std::function<void(const std::string& romPath, int point)> restore,
                      std::function<void(const std::function<void()>&)> run, QWidget* parent = nullptr);
  ~RestorePointsDialog() override;

  const std::string& romPath() const;

  // Lists the points again, the selected one kept selected, else the newest.
  void refresh();
  // The number of the selected point, 0 when none is.
  int selectedPoint() const;
  void selectPoint(int point);

 private:
  void showSelected();
  void restoreSelected();
  void compareSelected();
  void keepLimits();

  std::unique_ptr<history::KeptHistory> history_;
  QString pictureDirectory_;
  std::function<void(const std::string&, int)> restore_;
  std::function<void(const std::function<void()>&)> run_;
  QTreeWidget* list_ = nullptr;
  QLabel* before_ = nullptr;
  QLabel* after_ = nullptr;
  QLabel* pictureCaption_ = nullptr;
  QPlainTextEdit* comparison_ = nullptr;
  QPushButton* restoreButton_ = nullptr;
  QPushButton* compareButton_ = nullptr;
  QSpinBox* keepPoints_ = nullptr;
  QSpinBox* keepMib_ = nullptr;
};

}  // namespace quelbrook
