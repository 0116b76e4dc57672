#include "console_captures.h"

#include "capture_thread.h"
#include "editor_error.h"
#include "game_identity.h"
#include "test_copies.h"

namespace quelbrook {

namespace {
// About 300 screens: the world and a good stretch of undo history.
constexpr qsizetype kKeptScreensKiB = 60 * 1024;
// Some twenty palette pairs.
constexpr qsizetype kKeptTilesKiB = 16 * 1024;

QByteArray ScreenKey(int screen, const RecordBytes& record) {
  QByteArray key(1, static_cast<char>(screen));
  key.append(reinterpret_cast<const char*>(record.data()), static_cast<qsizetype>(record.size()));
  return key;
}

QByteArray TileKey(learn::PalettePair palettes, int code) {
  const char key[] = {static_cast<char>(palettes.palette1), static_cast<char>(palettes.palette2),
                      static_cast<char>(code)};
  return QByteArray(key, sizeof key);
}

qsizetype KiBOf(const QImage& image) { return image.sizeInBytes() / 1024 + 1; }

// Empty for a ROM that cannot be read: its check tells the user why.
QString GameOf(const QString& rom) {
  try {
    return play::GameIdentity(play::ReadRomBytes(rom));
  } catch (const EditorError&) {
    return {};
  }
}
}  // namespace

ConsoleCaptures::ConsoleCaptures(QString corePath, QObject* parent)
    : QObject(parent),
      thread_(std::make_unique<CaptureThread>(queue_, *this, std::move(corePath))),
      screens_(kKeptScreensKiB),
      tiles_(kKeptTilesKiB) {}

ConsoleCaptures::~ConsoleCaptures() {
  queue_.close();
  // A capture under way ends within the console's answer deadline.
  thread_->wait();
}

void ConsoleCaptures::bindRom(const QString& rom, const learn::CaptureSettings& settings) {
  rom_ = rom;
  game_ = GameOf(rom);
  refusal_.clear();
  refusalTold_ = false;
  screens_.clear();
  tiles_.clear();
  askedPalettes_.reset();
  generation_ = queue_.bind(rom, settings);
  if (!thread_->isRunning()) thread_->start();
}

void ConsoleCaptures::forget(const learn::CaptureSettings& settings) {
  const QString game = GameOf(rom_);
  if (!game.isEmpty() && game == game_) return;
  bindRom(rom_, settings);
  emit forgotten();
}

QImage ConsoleCaptures::screen(int screen, const RecordBytes& record) const {
  const QImage* kept = screens_.object(ScreenKey(screen, record));
  return kept ? *kept : QImage();
}

void ConsoleCaptures::ask(int screen, const RecordBytes& record, bool urgent) {
  if (refusal_.isEmpty() && !rom_.isEmpty() && !screens_.contains(ScreenKey(screen, record)))
    queue_.askScreen(screen, record, urgent);
}

QImage ConsoleCaptures::tile(learn::PalettePair palettes, int code) {
  if (!refusal_.isEmpty() || rom_.isEmpty()) return {};
  if (const QImage* kept = tiles_.object(TileKey(palettes, code))) return *kept;
  // Once a pair: its tiles arrive one by one, and those still waiting need no second request.
  if (!(askedPalettes_ && *askedPalettes_ == palettes)) queue_.askPalette(palettes);
  askedPalettes_ = palettes;
  return {};
}

void ConsoleCaptures::screenArrived(std::uint64_t generation, int screen, const RecordBytes& record,
                                    const QImage& picture) {
  if (generation != generation_) return;
  screens_.insert(ScreenKey(screen, record), new QImage(picture), KiBOf(picture));
  emit screenCaptured(screen);
}

void ConsoleCaptures::tileArrived(std::uint64_t generation, learn::PalettePair palettes, int code,
                                  const QImage& picture) {
  if (generation != generation_) return;
  tiles_.insert(TileKey(palettes, code), new QImage(picture), KiBOf(picture));
  emit tileCaptured(code);
}

void ConsoleCaptures::refusalArrived(std::uint64_t generation, const QString& message) {
  if (generation != generation_) return;
  refusal_ = "The console view is off: " + message;
  queue_.dropScreens();
  emit refused(refusal_);
}

}  // namespace quelbrook
