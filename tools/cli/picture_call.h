#pragma once
// The words of the commands that draw pictures: positional words and their options.

#include <QString>
#include <optional>
#include <string>
#include <vector>

#include "capture_arguments.h"

namespace quelbrook::cli {

struct PictureCall {
  std::vector<std::string> positional;
  std::optional<std::string> pictures;
  std::optional<std::string> scale;
  bool overlays = false;
  bool strict = false;   // refuse a code without a picture instead of drawing a placeholder
  bool console = false;  // what the game draws instead of the pictures
  CaptureCall capture;   // how the game runs, with --console
};

// Options may stand anywhere among the positional words; each takes the word after it.
// `worldOptions` allows --scale and --overlays besides --pictures. The capture options go with
// --console alone, and --pictures and --strict without it.
PictureCall ParseCall(const std::vector<std::string>& args, bool worldOptions);

// The folder of graph/, items/ and enemyes/ unless told: the installed data folder, or
// else the one the program lies in (the build's app/ folder).
QString PictureDirectory(const PictureCall& call);

}  // namespace quelbrook::cli
