// The baselines of the start-up benchmark: a Qt window of the size of the editor's panel and
// nothing else, or (with --text) the same window showing one line of text, which makes Qt
// read the system's fonts first.
#include <QApplication>
#include <QLabel>
#include <cstring>

#include "window_description.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QLabel window;
  if (argc > 1 && std::strcmp(argv[1], "--text") == 0) window.setText("Quelbrook");
  window.resize(quelbrook::kPanelWidth, quelbrook::kPanelHeight);
  window.show();
  return QApplication::exec();
}
