#pragma once
// Where a rendering takes its tile, item and enemy pictures from.

#include <QIODevice>
#include <QImage>
#include <QString>
#include <map>
#include <set>
#include <string>

#include "editor_error.h"

namespace quelbrook {

// A file that is there but holds no valid bitmap. It says "Bitmap image is not valid", as
// the window does, and keeps the file's path for a tool to name it.
class PictureNotValid : public EditorError {
 public:
  explicit PictureNotValid(std::string path)
      : EditorError("Bitmap image is not valid"), path_(std::move(path)) {}
  const std::string& path() const { return path_; }

 private:
  std::string path_;
};

class PictureSource {
 public:
  virtual ~PictureSource() = default;
  // The picture at a relative path such as "graph/AF.bmp"; throws EditorError when it cannot be had.
  virtual const QImage& picture(const std::string& relativePath) = 0;
};

// Decodes a BMP with Qt's built-in reader alone: even told the format, Qt otherwise loads
// every picture plugin to ask it first, a noticeable part of the editor's start-up.
QImage ReadBitmap(QIODevice& device);

// Reads one bitmap of the program's folders, with the editor's messages:
// "Cannot open file <relative path>" or PictureNotValid. An indexed picture whose pixels
// name colours beyond its table is not valid: drawing it would read past the table.
QImage LoadBitmapImage(const QString& directory, const std::string& relativePath);

// The placeholder square for a code that has no picture file: 32 x 32 pixels of
// kPlaceholderColour inside a kPlaceholderInkColour border, with the code's upper-case
// hexadecimal text (e.g. "B0") centred in the same ink. No game picture uses this
// magenta, so the square stands out in any rendering; drawn from the program's own
// glyphs, so it looks the same on every machine. `code` is 0..255.
inline constexpr QRgb kPlaceholderColour = 0xffff00ff;
inline constexpr QRgb kPlaceholderInkColour = 0xff000000;
constexpr int kPlaceholderPixels = 32;
QImage PlaceholderPicture(int code);

// What a PictureFolder does about a picture whose file does not exist (or cannot be opened).
enum class MissingPictures {
  kRefuse,       // throw EditorError "Cannot open file <relative path>", as the editor's Reload does
  kPlaceholder,  // hand out PlaceholderPicture of the file name's code and record the path
};

// The pictures of one folder, each read once: a world rendering asks for the same
// tiles thousands of times. Make a new one for each rendering to see changed files.
// A file that exists but is not a valid bitmap is refused in either mode.
class PictureFolder : public PictureSource {
 public:
  explicit PictureFolder(QString directory, MissingPictures missing = MissingPictures::kRefuse)
      : directory_(std::move(directory)), missing_(missing) {}
  const QImage& picture(const std::string& relativePath) override;

  // The relative paths ("graph/B0.bmp") that were drawn as placeholders so far, sorted.
  const std::set<std::string>& missingPictures() const { return placeholders_; }

 private:
  QString directory_;
  MissingPictures missing_;
  std::map<std::string, QImage> loaded_;
  std::set<std::string> placeholders_;
};

// The codes of placeholder paths for people, grouped by folder in code order:
// "tiles B0, C3; items C; enemies 10". Empty for no paths.
std::string MissingPicturesText(const std::set<std::string>& relativePaths);

}  // namespace quelbrook
