#include "capture_arguments.h"

#include "usage_error.h"

namespace quelbrook::cli {

namespace {
constexpr int kMostCaptureFrames = 10'000;
constexpr int kMostOffset = 4096;

QPoint OriginArgument(const std::string& text) {
  const auto comma = text.find(',');
  if (comma == std::string::npos) throw UsageError("the origin is X,Y, e.g. 0,16");
  return QPoint(DecimalArgument(text.substr(0, comma), 0, kMostOffset, "origin X"),
                DecimalArgument(text.substr(comma + 1), 0, kMostOffset, "origin Y"));
}
}  // namespace

bool TakeCaptureOption(const std::string& name, const OptionValue& value, CaptureCall& call) {
  if (name == "--input") {
    call.settings.input = value();
    InputArgument(call.settings.input);  // refused here, as a slip of the call
  } else if (name == "--frames") {
    call.settings.frames = DecimalArgument(value(), 1, kMostCaptureFrames, "frame count");
  } else if (name == "--origin") {
    call.settings.origin = OriginArgument(value());
  } else if (name == "--core") {
    call.core = QString::fromStdString(value());
  } else {
    return false;
  }
  return true;
}

}  // namespace quelbrook::cli
