#include "picture_learning.h"

#include <QImage>
#include <map>
#include <sstream>

#include "editor_error.h"
#include "hex_text.h"
#include "item_catalogue.h"
#include "learned_folder.h"
#include "picture_votes.h"
#include "rom_image.h"
#include "screen_rendering.h"
#include "world_data.h"

namespace quelbrook::learn {

namespace {

constexpr int kTileCodeCount = 256;

Screens ReadScreens(const QString& romPath) {
  RomImage rom(romPath.toStdString());
  return ReadWorld(rom).screens;
}

void ListCodes(std::ostream& out, const std::string& what, const std::map<int, LearnedPicture>& learned,
               int codeCount) {
  out << what << " learned: " << learned.size() << "\n";
  std::string notSeen;
  for (int code = 0; code < codeCount; ++code)
    if (!learned.count(code)) notSeen += (notSeen.empty() ? "" : " ") + IntToHexText(code);
  out << what << " not seen:" << (notSeen.empty() ? " none" : " " + notSeen) << "\n";
  for (const auto& [code, picture] : learned) {
    if (picture.neverBare)
      out << what << " " << IntToHexText(code) << " was partly covered by objects on every screen\n";
    if (picture.otherLooks.empty()) continue;
    out << what << " " << IntToHexText(code) << " looked different on screens";
    for (int screen : picture.otherLooks) out << " " << screen;
    out << "\n";
  }
}

template <typename PathOf>
void AddPictures(std::map<std::string, QImage>& files, const std::map<int, LearnedPicture>& learned,
                 const PathOf& pathOf) {
  for (const auto& [code, picture] : learned) files[pathOf(IntToHexText(code))] = picture.picture;
}

}  // namespace

std::optional<LearnReport> LearnPictures(play::Host& host, const QString& romPath, const QString& dir,
                                         const LearnOptions& options, const Progress& progress) {
  host.RequireReproducibleFrames();
  const Screens screens = ReadScreens(romPath);
  const std::vector<QImage> frames = CaptureScreens(host, romPath, options.capture, progress);
  if (frames.empty()) return std::nullopt;
  LearnReport report;
  if (options.origin) {
    report.origin = *options.origin;
  } else {
    const OriginFit found = FindPlayFieldOrigin(frames, screens);
    report.origin = found.origin;
    report.fit = found.fit;
  }
  const QImage& first = frames.front();
  if (!QRect(QPoint(), first.size())
           .contains(QRect(report.origin, QSize(kScreenPixelWidth, kScreenPixelHeight))))
    throw EditorError("The play field at the origin given does not fit in the game's " +
                      std::to_string(first.width()) + " x " + std::to_string(first.height()) + " frames");
  const LearnedPictures learned =
      VotePictures(frames, screens, report.origin, BackdropColour(frames, report.origin));
  report.tilesLearned = static_cast<int>(learned.tiles.size());
  report.itemsLearned = static_cast<int>(learned.items.size());
  report.enemiesLearned = static_cast<int>(learned.enemies.size());

  std::ostringstream text;
  text << "Pictures learned from " << romPath.toStdString() << "\n";
  text << "Play field origin: " << report.origin.x() << "," << report.origin.y();
  if (report.fit)
    text << " (found; " << static_cast<int>(*report.fit * 1000 + 0.5) / 10.0 << "% of cells agree)";
  else
    text << " (given)";
  text << "\n";
  ListCodes(text, "tiles", learned.tiles, kTileCodeCount);
  ListCodes(text, "items", learned.items, kItemKindCount);
  ListCodes(text, "enemies", learned.enemies, kEnemyKindCount);
  report.text = text.str();

  std::map<std::string, QImage> files;
  AddPictures(files, learned.tiles, TileBitmapPath);
  AddPictures(files, learned.items, ItemBitmapPath);
  AddPictures(files, learned.enemies, EnemyBitmapPath);
  WriteFolderAtOnce(dir, files, {{"learned.txt", report.text}}, options.basePictures);
  return report;
}

}  // namespace quelbrook::learn
