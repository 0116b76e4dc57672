// Any bytes as a replacement bitmap: the loader gives a picture or fails with
// EditorError, never anything else, and a picture it gives can be drawn as the renderer
// and the windows draw it.

#include <QGuiApplication>
#include <QPainter>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "editor_error.h"
#include "fuzz_support.h"
#include "picture_folder.h"
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
  const QString directory = QString::fromStdString(file.directory());
  try {
    const QImage image = quelbrook::LoadBitmapImage(directory, file.name());
    // As it is, then stretched onto a tile as a screen rendering draws it.
    QImage canvas(64, 64, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&canvas);
    painter.drawImage(QPoint(0, 0), image);
    painter.drawImage(QRect(0, 0, 32, 32), image);
    painter.end();
    const QPixmap picture = quelbrook::PictureLoader(directory).load(file.name());
    quelbrook::fuzzing::Check(!picture.isNull() && picture.width() > 0 && picture.height() > 0,
                              "a loaded picture is empty");
  } catch (const quelbrook::EditorError&) {
  }
  return 0;
}
