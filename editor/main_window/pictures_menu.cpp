// "Learn pictures from this ROM..." and the "Pictures" choice of the File menu: which folder
// the window draws codes from, remembered for each ROM.
#include <malloc.h>

#include <QActionGroup>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QProgressDialog>

#include "capture_settings_store.h"
#include "console_process.h"
#include "core_search.h"
#include "editor_error.h"
#include "form1.h"
#include "hex_text.h"
#include "item_catalogue.h"
#include "picture_choice.h"
#include "picture_learning.h"
#include "picture_loader.h"
#include "screen_value.h"
#include "window_description.h"
#include "world_editor.h"

namespace quelbrook {

namespace {
constexpr const char* kChoiceProperty = "pictureChoice";

// Learning's frames and votes are freed when it ends, but glibc keeps freed heap for later
// allocations, and the editor would stay that much larger until it exits.
struct HeapGivenBackAtTheEnd {
  ~HeapGivenBackAtTheEnd() { malloc_trim(0); }
};

QString RomOf(const EditorState& state) { return QFile::decodeName(state.romPath.c_str()); }
}  // namespace

void TForm1::BuildPicturesMenu(QMenu* file) {
  file->addAction("&Learn pictures from this ROM...", this,
                  [this] { Run([this] { LearnPicturesClick(); }); });
  QMenu* menu = file->addMenu("P&ictures");
  menu->setObjectName("PicturesMenu");
  auto* group = new QActionGroup(menu);
  const std::pair<const char*, PictureChoice> choices[] = {{"&Shipped pictures", PictureChoice::kShipped},
                                                           {"&Learned for this ROM", PictureChoice::kLearned},
                                                           {"&Another folder...", PictureChoice::kFolder}};
  for (const auto& [text, choice] : choices) {
    QAction* action = menu->addAction(text);
    action->setCheckable(true);
    action->setChecked(choice == PictureChoice::kShipped);
    action->setProperty(kChoiceProperty, static_cast<int>(choice));
    group->addAction(action);
    connect(action, &QAction::triggered, this,
            [this, choice = choice] { Run([this, choice] { ChoosePictures(choice); }); });
  }
}

void TForm1::ChoosePictures(PictureChoice choice) {
  RequireLocatedRecord();
  const RomIdentity rom = IdentityOf(RomOf(state_));
  PictureSetting setting{choice, {}};
  if (choice == PictureChoice::kFolder) {
    setting.folder = QFileDialog::getExistingDirectory(this, "Pictures");
    if (setting.folder.isEmpty()) return UsePicturesOfRom();
  }
  if (choice == PictureChoice::kLearned) {
    setting.folder = LearnedPicturesFolder(rom);
    if (!QFileInfo(setting.folder).isDir()) {
      UsePicturesOfRom();
      throw EditorError(
          "No pictures have been learned for this ROM yet: choose \"Learn pictures from this ROM...\" in the "
          "File menu first");
    }
  }
  WritePictureSetting(rom, setting);
  UsePicturesOfRom();
}

void TForm1::LearnPicturesClick() {
  RequireLocatedRecord();
  const QString rom = RomOf(state_);
  const RomIdentity identity = IdentityOf(rom);
  const QString folder = LearnedPicturesFolder(identity);
  QProgressDialog progress("Learning pictures from the game...", "Cancel", 0, kScreenCount, this);
  progress.setWindowTitle("Learn pictures");
  progress.setWindowModality(Qt::WindowModal);
  progress.setMinimumDuration(0);
  const learn::LearnOptions options =
      learn::LearnOptionsOf(ReadCaptureSettings(identity), state_.StartDirectory);
  const HeapGivenBackAtTheEnd heapGivenBack;
  // A console of its own, beside the Play panel's: its program, and all the core kept while
  // learning, is gone when learning ends.
  play::ConsoleProcess console(play::ChosenNesCore());
  const auto report = learn::LearnPictures(console, rom, folder, options, [&](int done, int total) {
    progress.setMaximum(total);
    progress.setValue(done);
    QCoreApplication::processEvents();
    return !progress.wasCanceled();
  });
  progress.reset();
  if (!report) return;
  WritePictureSetting(identity, {PictureChoice::kLearned, folder});
  UsePicturesOfRom();
  dialogs_->report("Learn pictures", QString::fromStdString(report->text));
}

void TForm1::UsePicturesOfRom() {
  PictureSetting setting =
      state_.romPath.empty() ? PictureSetting{} : ReadPictureSetting(IdentityOf(RomOf(state_)));
  if (setting.choice != PictureChoice::kShipped && !QFileInfo(setting.folder).isDir()) {
    dialogs_->message("Pictures", "The pictures chosen for this ROM, " +
                                      QDir::toNativeSeparators(setting.folder) +
                                      ", are gone: the shipped pictures are shown.");
    setting = {};
  }
  state_.PictureDirectory =
      setting.choice == PictureChoice::kShipped ? state_.StartDirectory : setting.folder;
  pictures_ = std::make_unique<PictureLoader>(state_.PictureDirectory);
  if (WorldEditor* editor = ShownWorldEditor()) editor->usePictures(state_.PictureDirectory);
  for (QAction* action : findChild<QMenu*>("PicturesMenu")->actions())
    action->setChecked(action->property(kChoiceProperty).toInt() == static_cast<int>(setting.choice));
  for (int n = 1; n <= kPaletteSize; ++n) setPicture(Pic(n), TileBitmapPath(IntToHexText(n - 1)));
  if (state_.recordLocated) ShowScreenValue(ShownScreenValue());
  consolePalettes_.reset();
  FollowInConsoleView();
}

}  // namespace quelbrook
