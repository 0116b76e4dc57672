#pragma once
// A PNG file the tool writes: opened before the work that makes its picture, so that a path
// that cannot be written is known at once; an existing file is replaced only when the picture
// is complete, and nothing is left behind when it is not.

#include <QImage>
#include <QSaveFile>
#include <string>

namespace quelbrook::cli {

class PngFile {
 public:
  // Throws EditorError ("Cannot write file PATH: why").
  explicit PngFile(const std::string& path);
  // Throws EditorError for a null picture ("The core drew no picture") or a failed write.
  void Write(const QImage& picture);

 private:
  [[noreturn]] void Fail() const;

  QSaveFile file_;
};

// Throws EditorError when `png` names the file `rom`: the picture would replace the ROM.
void RequireOtherThanRom(const std::string& png, const std::string& rom);

// Throws EditorError when the picture is null: the core drew none.
void RequireFrame(const QImage& picture);

}  // namespace quelbrook::cli
