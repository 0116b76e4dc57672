#include <QApplication>

#include "form1.h"
#include "form2.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QApplication::setApplicationName("QuelbrookEditor");
  quelbrook::TForm1 form1;
  quelbrook::TForm2 form2(&form1);
  form1.setHelpWindow(&form2);
  form1.show();
  return QApplication::exec();
}
