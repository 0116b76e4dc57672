#include "picture_learning.h"

#include <QImage>
#include <map>

#include "editor_error.h"
#include "hex_text.h"
#include "item_catalogue.h"
#include "learn_report.h"
#include "learned_folder.h"
#include "learning_copies.h"
#include "play_field_origin.h"
#include "record_drawing_check.h"
#include "screen_rendering.h"

namespace quelbrook::learn {

namespace {

template <typename PathOf>
void AddPictures(std::map<std::string, QImage>& files, const std::map<int, LearnedPicture>& learned,
                 const PathOf& pathOf) {
  for (const auto& [code, picture] : learned) files[pathOf(IntToHexText(code))] = picture.picture;
}

// The frames of the copies, as LearningCopies lays them out, by screen.
std::vector<ScreenFrames> FramesByScreen(const std::vector<PackedFrame>& captured,
                                         const std::vector<ScreenCopy>& copies) {
  std::vector<ScreenFrames> frames(kScreenCount);
  for (std::size_t i = 0; i < copies.size(); ++i) {
    ScreenFrames& screen = frames[static_cast<std::size_t>(copies[i].screen - 1)];
    (copies[i].record ? screen.bare : screen.shown) = captured[i];
  }
  return frames;
}

}  // namespace

std::optional<LearnReport> LearnPictures(play::Console& host, const QString& romPath, const QString& dir,
                                         const LearnOptions& options, const Progress& progress) {
  RequireWritableFolder(dir);
  host.RequireReproducibleFrames();
  RequireScreensDrawnFromRecords(host, romPath, options.capture, "its pictures cannot be learned");
  const Records records = ReadRecords(romPath);
  const Screens screens = DecodeRecords(records);
  const std::vector<ScreenCopy> copies = LearningCopies(records);
  const std::vector<PackedFrame> captured = CaptureScreens(host, romPath, copies, options.capture, progress);
  if (captured.empty()) return std::nullopt;
  const std::vector<ScreenFrames> frames = FramesByScreen(captured, copies);
  std::vector<PackedFrame> bare;
  for (const ScreenFrames& screen : frames) bare.push_back(screen.bare);

  LearnReport report;
  const PlayFieldPlace place = PlayFieldOrigin(bare, screens, options.origin);
  report.origin = place.origin;
  report.fit = place.fit;
  const LearnedPictures learned =
      VotePictures(frames, screens, report.origin, BackdropColour(bare, report.origin));
  report.tilesLearned = static_cast<int>(learned.tiles.size());
  report.itemsLearned = static_cast<int>(learned.items.size());
  report.enemiesLearned = static_cast<int>(learned.enemies.size());
  report.text = LearnReportText(romPath, report.origin, report.fit, learned);

  std::map<std::string, QImage> files;
  AddPictures(files, learned.tiles, TileBitmapPath);
  AddPictures(files, learned.items, ItemBitmapPath);
  AddPictures(files, learned.enemies, EnemyBitmapPath);
  WriteFolderAtOnce(dir, files, {{"learned.txt", report.text}}, options.basePictures);
  return report;
}

}  // namespace quelbrook::learn
