#include "capture_settings.h"

namespace quelbrook::learn {

CaptureOptions CaptureOptionsOf(const CaptureSettings& settings) {
  return {settings.input.empty() ? play::InputScript() : play::InputScript::Parse(settings.input),
          settings.frames};
}

LearnOptions LearnOptionsOf(const CaptureSettings& settings, const QString& basePictures) {
  return {CaptureOptionsOf(settings), settings.origin, basePictures};
}

}  // namespace quelbrook::learn
