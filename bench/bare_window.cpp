// The baseline of the start-up benchmark: a Qt window of the size of the editor's panel and nothing else.
#include <QApplication>
#include <QWidget>

#include "window_description.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QWidget window;
  window.resize(quelbrook::kPanelWidth, quelbrook::kPanelHeight);
  window.show();
  return QApplication::exec();
}
