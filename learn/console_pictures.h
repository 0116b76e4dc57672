#pragma once
// Screens and tiles as the ROM's game itself draws them, from copies of the ROM that start on
// a screen: the console view of the windows and `quelbrook render --console`. Holds no window
// and no global, so a worker thread may own one with a console of its own.

#include <QByteArray>
#include <QCache>
#include <QHash>
#include <QImage>
#include <QPoint>
#include <QString>
#include <functional>
#include <optional>
#include <vector>

#include "capture_settings.h"
#include "console.h"
#include "screen_capture.h"
#include "starting_copy.h"

namespace quelbrook::learn {

struct PalettePair {
  int palette1 = 0, palette2 = 0;  // 0..255, as a record holds them
};

// Play-field origins found in the frames, by the game (its GameIdentity: every byte but those
// the editor writes) and the way it is run. Records edited or saved leave the game drawing
// where it did, so they keep its origin; new code or tiles do not. Kept apart from one
// ConsolePictures, so that the next one for the same game need not search again.
class FoundOrigins {
 public:
  std::optional<QPoint> Find(const QString& key) const;
  void Keep(const QString& key, QPoint origin);

 private:
  QHash<QString, QPoint> origins_;
};

// Every picture is cached by the bytes of the copy that made it, so asking again for what did
// not change costs no run of the game; other settings take another ConsolePictures. The ROM is
// read at every call, so a ROM changed on disk is seen; it is never written.
class ConsolePictures {
 public:
  // Throws EditorError for settings whose script is off.
  ConsolePictures(play::Console& console, const CaptureSettings& settings);
  // The same, keeping the origins it finds in `origins` and taking those found there before.
  ConsolePictures(play::Console& console, const CaptureSettings& settings, FoundOrigins& origins);

  // Throws EditorError in the user's words when the ROM's game does not draw its screens from
  // the records (RequireScreensDrawnFromRecords), cannot be read or is refused by the core.
  void RequireDrawnFromRecords(const QString& romPath);

  // The play field's top-left corner in the game's frames: the settings' origin, else the one
  // at which the codes of the ROM's screens agree best (FindPlayFieldOrigin over every screen
  // without objects, found once per game and settings).
  QPoint Origin(const QString& romPath);

  // Screen N's play field, 256 x 192 RGB32, as the game draws it with `record` in place of the
  // screen's own when given. Throws EditorError (a ROM that cannot be read or that the core
  // refuses, a play field that does not fit in the frame).
  QImage Screen(const QString& romPath, int screen, const std::optional<RecordBytes>& record = std::nullopt);
  // Every screen's, in screen order, with `records` in place of the ROM's; empty when
  // `progress` stopped the run.
  std::vector<QImage> World(const QString& romPath, const ScreenRecords& records = {},
                            const Progress& progress = {});

  // The 32 x 32 picture of tile `code` as the game draws it with these palettes: from a copy
  // whose screen holds the code in every cell and no objects.
  QImage Tile(const QString& romPath, PalettePair palettes, int code);
  // Codes 0 .. kTilePictureCount - 1; empty when `progress` stopped the run.
  std::vector<QImage> TilePalette(const QString& romPath, PalettePair palettes,
                                  const Progress& progress = {});

 private:
  struct Rom {
    QByteArray bytes;
    QString path;
  };
  using CropOf = std::function<QImage(const QImage& frame, QPoint origin)>;
  static Rom Read(const QString& romPath);
  QPoint OriginOf(const Rom& rom);
  QImage ScreenOf(const Rom& rom, int screen, const std::optional<RecordBytes>& record);
  QImage TileOf(const Rom& rom, PalettePair palettes, int code);
  // The part `crop` takes of the frame of the copy starting on `screen` with `records`.
  QImage Captured(const Rom& rom, int screen, const ScreenRecords& records, const char* kind,
                  const CropOf& crop);

  play::Console& console_;
  CaptureOptions options_;
  std::optional<QPoint> origin_;
  QString runKey_;                       // the settings an origin is found with
  QCache<QByteArray, QImage> pictures_;  // by CopyKey; the settings are the object's own
  FoundOrigins ownOrigins_;
  FoundOrigins& origins_;
};

}  // namespace quelbrook::learn
