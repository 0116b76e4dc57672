#pragma once
// The help window: how screen numbers relate to their neighbours on the world grid.

#include <QDialog>

namespace quelbrook {

class TForm2 : public QDialog {
  Q_OBJECT
 public:
  explicit TForm2(QWidget* parent = nullptr);
};

}  // namespace quelbrook
