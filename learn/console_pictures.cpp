#include "console_pictures.h"

#include <QCryptographicHash>
#include <algorithm>
#include <map>

#include "game_identity.h"
#include "learning_copies.h"
#include "picture_votes.h"
#include "play_field_origin.h"
#include "record_drawing_check.h"
#include "screen_rendering.h"
#include "test_copies.h"

namespace quelbrook::learn {

namespace {

// Room for the world's screens and several tile palettes.
constexpr int kCachedKilobytes = 64 * 1024;
// The screen whose record the tile copies replace: any would do, one keeps them alike.
constexpr int kTileCopyScreen = 1;
constexpr int kRecordsBegin = ScreenRecordOffset(1);
constexpr int kRecordsEnd = ScreenRecordOffset(kScreenCount) + kScreenRecordLength;

// The bytes of a copy that its picture depends on: the game draws the screen it starts on from
// that screen's record alone, so the other records are left out and an edit of one screen
// keeps the others' pictures.
// StartingCopy makes no copy shorter than the records.
QByteArray CopyKey(QByteArray copy, int screen, const char* kind) {
  const QByteArray own = copy.mid(ScreenRecordOffset(screen), kScreenRecordLength);
  copy.replace(kRecordsBegin, kRecordsEnd - kRecordsBegin, own);
  QCryptographicHash hash(QCryptographicHash::Sha1);
  hash.addData(kind);
  hash.addData(copy);
  return hash.result();
}

int CostOf(const QImage& picture) { return static_cast<int>(picture.sizeInBytes() / 1024) + 1; }

// What most cells show: the hero or a cursor the game draws covers a few of them.
QImage MostCellsShow(const QImage& frame, QPoint origin) {
  std::map<QByteArray, std::pair<int, QImage>> looks;
  for (int cell = 0; cell < kTileCount; ++cell) {
    QImage picture = frame.copy(CellInFrame(origin, cell));
    const QByteArray bits(reinterpret_cast<const char*>(picture.constBits()), picture.sizeInBytes());
    auto& [count, look] = looks[bits];
    if (count++ == 0) look = std::move(picture);
  }
  return std::max_element(looks.begin(), looks.end(),
                          [](const auto& a, const auto& b) { return a.second.first < b.second.first; })
      ->second.second;
}

RecordBytes TileRecord(PalettePair palettes, int code) {
  RecordBytes record = WithoutObjects({});
  std::fill_n(record.begin() + kRecordTiles, kTileCount, static_cast<std::uint8_t>(code));
  record[kRecordPalette1] = static_cast<std::uint8_t>(palettes.palette1);
  record[kRecordPalette2] = static_cast<std::uint8_t>(palettes.palette2);
  return record;
}

}  // namespace

std::optional<QPoint> FoundOrigins::Find(const QString& key) const {
  const auto found = origins_.constFind(key);
  return found == origins_.constEnd() ? std::nullopt : std::optional(*found);
}

void FoundOrigins::Keep(const QString& key, QPoint origin) { origins_.insert(key, origin); }

ConsolePictures::ConsolePictures(play::Console& console, const CaptureSettings& settings)
    : ConsolePictures(console, settings, ownOrigins_) {}

ConsolePictures::ConsolePictures(play::Console& console, const CaptureSettings& settings,
                                 FoundOrigins& origins)
    : console_(console),
      options_(CaptureOptionsOf(settings)),
      origin_(settings.origin),
      runKey_(QString::number(settings.frames) + '\n' + QString::fromStdString(settings.input)),
      pictures_(kCachedKilobytes),
      origins_(origins) {}

void ConsolePictures::RequireDrawnFromRecords(const QString& romPath) {
  RequireScreensDrawnFromRecords(console_, romPath, options_, "the console view cannot show its screens");
}

ConsolePictures::Rom ConsolePictures::Read(const QString& romPath) {
  return {play::ReadRomBytes(romPath), romPath};
}

QPoint ConsolePictures::Origin(const QString& romPath) {
  return origin_ ? *origin_ : OriginOf(Read(romPath));
}

QPoint ConsolePictures::OriginOf(const Rom& rom) {
  if (origin_) return *origin_;
  const QString key = play::GameIdentity(rom.bytes) + '\n' + runKey_;
  if (const std::optional<QPoint> found = origins_.Find(key)) return *found;
  const Records records = ReadRecords(rom.path);
  std::vector<PackedFrame> bare;
  for (const ScreenCopy& copy : BareCopies(records))
    bare.emplace_back(CaptureBytes(
        console_, play::StartingCopyBytes(rom.bytes, rom.path, copy.screen, {{copy.screen, *copy.record}}),
        rom.path, options_));
  const QPoint origin = PlayFieldOrigin(bare, DecodeRecords(records), std::nullopt).origin;
  origins_.Keep(key, origin);
  return origin;
}

QImage ConsolePictures::Captured(const Rom& rom, int screen, const ScreenRecords& records, const char* kind,
                                 const CropOf& crop) {
  const QByteArray copy = play::StartingCopyBytes(rom.bytes, rom.path, screen, records);
  const QByteArray key = CopyKey(copy, screen, kind);
  if (const QImage* cached = pictures_.object(key)) return *cached;
  const QPoint origin = OriginOf(rom);
  QImage picture = crop(CaptureBytes(console_, copy, rom.path, options_), origin);
  pictures_.insert(key, new QImage(picture), CostOf(picture));
  return picture;
}

QImage ConsolePictures::ScreenOf(const Rom& rom, int screen, const std::optional<RecordBytes>& record) {
  return Captured(rom, screen, record ? ScreenRecords{{screen, *record}} : ScreenRecords{}, "screen",
                  [](const QImage& frame, QPoint origin) { return PlayFieldOf(frame, origin); });
}

QImage ConsolePictures::Screen(const QString& romPath, int screen, const std::optional<RecordBytes>& record) {
  return ScreenOf(Read(romPath), screen, record);
}

std::vector<QImage> ConsolePictures::World(const QString& romPath, const ScreenRecords& records,
                                           const Progress& progress) {
  const Rom rom = Read(romPath);
  return EachInTurn(kScreenCount, progress, [&](int index) {
    const int screen = index + 1;
    const auto edited = records.find(screen);
    return ScreenOf(rom, screen, edited == records.end() ? std::nullopt : std::optional(edited->second));
  });
}

QImage ConsolePictures::TileOf(const Rom& rom, PalettePair palettes, int code) {
  return Captured(rom, kTileCopyScreen, {{kTileCopyScreen, TileRecord(palettes, code)}}, "tile",
                  [](const QImage& frame, QPoint origin) {
                    RequirePlayFieldFits(frame.size(), origin);
                    return MostCellsShow(frame.convertToFormat(QImage::Format_RGB32), origin);
                  });
}

QImage ConsolePictures::Tile(const QString& romPath, PalettePair palettes, int code) {
  return TileOf(Read(romPath), palettes, code);
}

std::vector<QImage> ConsolePictures::TilePalette(const QString& romPath, PalettePair palettes,
                                                 const Progress& progress) {
  const Rom rom = Read(romPath);
  return EachInTurn(kTilePictureCount, progress, [&](int code) { return TileOf(rom, palettes, code); });
}

}  // namespace quelbrook::learn
