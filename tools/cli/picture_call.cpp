#include "picture_call.h"

#include <filesystem>

#include "data_folder.h"
#include "editor_error.h"
#include "usage_error.h"

namespace quelbrook::cli {

PictureCall ParseCall(const std::vector<std::string>& args, bool worldOptions) {
  PictureCall call;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& word = args[i];
    const bool takesValue = word == "--pictures" || (worldOptions && word == "--scale");
    if (takesValue) {
      if (i + 1 == args.size()) throw UsageError(word + " needs a value");
      (word == "--pictures" ? call.pictures : call.scale) = args[++i];
    } else if (worldOptions && word == "--overlays") {
      call.overlays = true;
    } else if (word == "--strict") {
      call.strict = true;
    } else if (word.size() > 2 && word.compare(0, 2, "--") == 0) {
      throw UsageError("unknown option " + word);
    } else {
      call.positional.push_back(word);
    }
  }
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
