#include "capture_thread.h"

#include <sys/resource.h>

#include <exception>
#include <memory>

#include "capture_queue.h"
#include "console_captures.h"
#include "console_pictures.h"
#include "console_process.h"

namespace quelbrook {

namespace {
constexpr int kBackgroundNiceness = 10;
}  // namespace

CaptureThread::CaptureThread(CaptureQueue& queue, ConsoleCaptures& owner, QString corePath)
    : queue_(queue), owner_(owner), corePath_(std::move(corePath)) {}

void CaptureThread::run() {
  // Captures are background work: this thread, and the console programs it starts (which take
  // its niceness), give way to the windows. On Linux the niceness is the calling thread's.
  setpriority(PRIO_PROCESS, 0, kBackgroundNiceness);
  // Made here, so that the program's pipes belong to this thread.
  std::unique_ptr<play::ConsoleProcess> console;
  std::unique_ptr<learn::ConsolePictures> pictures;
  // Beyond one binding: a ROM bound again (changed on disk) need not have its play field found
  // again when its game is the same.
  learn::FoundOrigins origins;
  std::uint64_t picturesGeneration = 0;
  std::uint64_t refused = 0;  // a refused binding captures nothing more
  ConsoleCaptures* owner = &owner_;
  // Runs on the owner's thread; the owner drops what an earlier binding asked for.
  auto post = [owner](auto deliver) {
    QMetaObject::invokeMethod(owner, std::move(deliver), Qt::QueuedConnection);
  };
  while (std::optional<CaptureRequest> request = queue_.take()) {
    const std::uint64_t generation = request->generation;
    if (generation == refused) continue;
    try {
      if (!console) console = std::make_unique<play::ConsoleProcess>(corePath_);
      if (!pictures || picturesGeneration != generation) {
        pictures = std::make_unique<learn::ConsolePictures>(*console, request->settings, origins);
        picturesGeneration = generation;
      }
      switch (request->kind) {
        case CaptureRequest::Kind::kCheck:
          pictures->RequireDrawnFromRecords(request->rom);
          break;
        case CaptureRequest::Kind::kScreen:
          post([owner, generation, screen = request->screen, record = request->record,
                picture = pictures->Screen(request->rom, request->screen, request->record)] {
            owner->screenArrived(generation, screen, record, picture);
          });
          break;
        case CaptureRequest::Kind::kTile:
          post([owner, generation, palettes = request->palettes, code = request->code,
                picture = pictures->Tile(request->rom, request->palettes, request->code)] {
            owner->tileArrived(generation, palettes, code, picture);
          });
          break;
      }
    } catch (const std::exception& error) {
      refused = generation;
      post([owner, generation, text = QString::fromUtf8(error.what())] {
        owner->refusalArrived(generation, text);
      });
    }
  }
}

}  // namespace quelbrook
