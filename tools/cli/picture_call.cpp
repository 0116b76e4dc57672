#include "picture_call.h"

#include <filesystem>

#include "data_folder.h"
#include "editor_error.h"
#include "usage_error.h"

namespace quelbrook::cli {

PictureCall ParseCall(const std::vector<std::string>& args, bool worldOptions) {
  PictureCall call;
  std::string captureOption;  // the first given, to name when --console is not
  call.positional = WordsBesideOptions(args, [&](const std::string& name, const OptionValue& value) {
    if (name == "--pictures")
      call.pictures = value();
    else if (worldOptions && name == "--scale")
      call.scale = value();
    else if (worldOptions && name == "--overlays")
      call.overlays = true;
    else if (name == "--strict")
      call.strict = true;
    else if (name == "--console")
      call.console = true;
    else if (TakeCaptureOption(name, value, call.capture))
      captureOption = captureOption.empty() ? name : captureOption;
    else
      return false;
    return true;
  });
  if (!call.console && !captureOption.empty()) throw UsageError(captureOption + " goes with --console");
  if (call.console && (call.pictures || call.strict))
    throw UsageError(std::string(call.pictures ? "--pictures" : "--strict") + " does not go with --console");
  return call;
}

QString PictureDirectory(const PictureCall& call) {
  if (call.pictures) return QString::fromStdString(*call.pictures);
  const std::filesystem::path program = ProgramFolder();
  if (program.empty())
    throw EditorError("The program's folder is unknown: give the pictures with --pictures DIR");
  return QString::fromStdString(InstalledDataFolder(program).value_or(program).string());
}

}  // namespace quelbrook::cli
