#include "svg_file.h"

#include <cstdio>
#include <fstream>
#include <stdexcept>
#include <string>

namespace quelbrook::art {

namespace {
std::string HexColour(Rgb colour) {
  char text[8];
  std::snprintf(text, sizeof text, "#%02x%02x%02x", colour.r, colour.g, colour.b);
  return text;
}
}  // namespace

void WriteSvg(const std::filesystem::path& path, const Canvas& canvas, Rgb clear) {
  // One rectangle per run of equal pixels in a row, each with its own colour: exact at
  // any size, and plain enough for every renderer.
  std::string shapes;
  for (int y = 0; y < canvas.height(); ++y)
    for (int x = 0; x < canvas.width();) {
      const Rgb colour = canvas.At(x, y);
      int end = x + 1;
      while (end < canvas.width() && canvas.At(end, y) == colour) ++end;
      if (colour != clear)
        shapes += "<rect x=\"" + std::to_string(x) + "\" y=\"" + std::to_string(y) + "\" width=\"" +
                  std::to_string(end - x) + "\" height=\"1\" fill=\"" + HexColour(colour) + "\"/>\n";
      x = end;
    }

  std::ofstream out(path, std::ios::binary);
  const std::string width = std::to_string(canvas.width()), height = std::to_string(canvas.height());
  out << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
      << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"128\" height=\"128\" viewBox=\"0 0 " << width
      << ' ' << height << "\" shape-rendering=\"crispEdges\">\n";
  out << shapes << "</svg>\n";
  if (!out.flush()) throw std::runtime_error("cannot write " + path.string());
}

}  // namespace quelbrook::art
