// Any bytes as a Tiled map, in XML (first byte even) or JSON (odd): the readers and the
// whole-map check either refuse with a message naming the file or give a map and a world.

#include <cstddef>
#include <cstdint>

#include "editor_error.h"
#include "fuzz_support.h"
#include "tiled_map.h"
#include "world_from_map.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const bool json = data[0] % 2 == 1;
  const QByteArray content(reinterpret_cast<const char*>(data + 1), static_cast<qsizetype>(size - 1));
  const QString name = json ? "fuzz.tmj" : "fuzz.tmx";
  try {
    const quelbrook::TiledMap map =
        json ? quelbrook::ReadTmj(content, name) : quelbrook::ReadTmx(content, name);
    quelbrook::WorldFromMap(map, name);
  } catch (const quelbrook::EditorError& error) {
    quelbrook::fuzzing::Check(std::string(error.what()).rfind(name.toStdString(), 0) == 0,
                              std::string("a refusal that does not name the file: ") + error.what());
  }
  return 0;
}
