// Any bytes as a replacement bitmap: the loader gives a picture or fails with
// EditorError, never anything else.

#include <QGuiApplication>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "editor_error.h"
#include "fuzz_support.h"
#include "picture_loader.h"

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  // QPixmap needs a GUI application; no display is needed to decode. It is never
  // destroyed: libFuzzer ends with exit(), after Qt's own globals are gone.
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
  static auto* application = new QGuiApplication(*argc, *argv);
  (void)application;
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static quelbrook::fuzzing::MemoryFile file("bitmap");
  file.Fill(data, size);
  const quelbrook::PictureLoader loader(QString::fromStdString(file.directory()));
  try {
    const QPixmap picture = loader.load(file.name());
    quelbrook::fuzzing::Check(!picture.isNull() && picture.width() > 0 && picture.height() > 0,
                              "a loaded picture is empty");
  } catch (const quelbrook::EditorError&) {
  }
  return 0;
}
