// The About box, the info picture that changes every 20 seconds, and the help window.
#include <QApplication>
#include <QDir>
#include <QFileInfo>

#include "form1.h"
#include "form2.h"
#include "image_control.h"
#include "licence_notice.h"

namespace quelbrook {

namespace {
const char* const kAboutText =
    "QuelbrookFullEditor  ver.1.0\n\n"
    "A level editor for the 128 screens of Quelbrook.nes.\n"
    "Select a cell, click a tile of the palette, then Save screen.\n"
    "Tick \"Game settings\" for the start screen, end screen and ending text.\n"
    "Press F1 for the help window.";
constexpr int kInfoPictures = 2;

// The demo ROM lies beside the pictures, in a folder the user may not write to.
QString DemoRomNote(const QString& startDirectory) {
  const QString demo = QDir(startDirectory).filePath("Quelbrook.nes");
  if (!QFileInfo(demo).isFile()) return {};
  return "\n\nThe demo ROM is " + QDir::toNativeSeparators(demo) +
         ": copy it to a folder of your own before editing it.";
}
}  // namespace

void TForm1::BitBtn1Click() {
  const QString text = kAboutText + DemoRomNote(state_.StartDirectory) + "\n\n" + kLicenceNotice;
  if (dialogs_->about(QApplication::applicationName(), text)) ShowHelp();
}

void TForm1::Timer1Timer() {
  if (++state_.InfoPictureNumber > kInfoPictures) state_.InfoPictureNumber = 1;
  // The info pictures are the program's, whichever folder the codes are drawn from.
  controls_.Image49->setPicture(PictureLoader(state_.StartDirectory)
                                    .load("info/info" + std::to_string(state_.InfoPictureNumber) + ".bmp"));
}

void TForm1::Image49Click() { Timer1Timer(); }

void TForm1::ShowHelp() {
  // Made when first asked for, so that it costs the start nothing.
  if (!help_) help_ = new TForm2(this);
  help_->show();
  help_->raise();
  help_->activateWindow();
}

}  // namespace quelbrook
