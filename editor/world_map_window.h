#pragma once
// All 128 screens of the bound ROM as one small mosaic: a click shows that screen in
// the editor. The ROM is read when the window opens and on Refresh, never written.

#include <QImage>
#include <QString>
#include <QWidget>
#include <functional>
#include <string>

#include "dialogs.h"
#include "world_overlays.h"

class QLabel;

namespace quelbrook {

class MosaicView;

class WorldMapWindow : public QWidget {
  Q_OBJECT
 public:
  using ShowScreen = std::function<void(int screen)>;
  static constexpr double kShownScale = 0.25;  // 1024 x 384

  // Reads the ROM at once; throws EditorError when it or a picture cannot be read. A code
  // without a picture file is drawn as a placeholder (PlaceholderPicture) and named in the legend.
  // Pictures are found relative to startDirectory, as the editor's are.
  WorldMapWindow(std::string romPath, QString startDirectory, Dialogs& dialogs, ShowScreen showScreen,
                 QWidget* parent = nullptr);

  // Opens, reads and closes the ROM and redraws the mosaic; throws EditorError on failure,
  // leaving the mosaic as it was.
  void Refresh();
  // The full-size world (4096 x 1536) with the marks the window shows; throws EditorError.
  void SaveAsPng(const QString& path) const;
  // What a click on screen 1..128 of the mosaic does.
  void ClickScreen(int screen);

  const QImage& shownMosaic() const { return shown_; }

 private:
  void SaveClick();

  std::string romPath_;
  QString startDirectory_;
  Dialogs& dialogs_;
  ShowScreen showScreen_;
  MosaicView* view_ = nullptr;
  QLabel* legend_ = nullptr;
  QImage full_;   // without marks, to save at full size
  QImage shown_;  // scaled, with marks
  WorldMarks marks_;
};

}  // namespace quelbrook
