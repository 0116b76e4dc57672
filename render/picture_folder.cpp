#include "picture_folder.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QPainter>
#include <algorithm>
#include <cstdint>
#include <optional>

#include "digit_glyphs.h"
#include "editor_error.h"
#include "hex_text.h"
#include "regular_file.h"

namespace quelbrook {

namespace {
// Far above any picture the game's folders hold; a larger file is refused unread.
constexpr std::size_t kPictureFileLimit = 16 * 1024 * 1024;

std::int64_t Field(const QByteArray& bytes, int at, int size) {
  std::int64_t value = 0;
  for (int i = size - 1; i >= 0; --i) value = value * 256 + static_cast<std::uint8_t>(bytes[at + i]);
  return value;
}

// The reader accepts a bitmap whose pixel data is missing or cut short and makes up the
// pixels the file lacks; such a file is as broken as a bad header. The sizes come from
// the decoded picture, which the reader keeps within bounds, so a header's absurd
// numbers cannot overflow the sum.
bool HoldsPixelData(const QByteArray& file, QSize decoded) {
  if (file.size() < 26) return false;
  const std::int64_t dataOffset = Field(file, 10, 4);
  std::int64_t needed = dataOffset + 1;
  const bool core = Field(file, 14, 4) == 12;
  if (!core && file.size() < 34) return false;
  const std::int64_t width = decoded.width();
  const std::int64_t height = decoded.height();
  const std::int64_t bits = Field(file, core ? 24 : 28, 2);
  const std::int64_t compression = core ? 0 : Field(file, 30, 4);
  if (compression == 0 || compression == 3) {  // uncompressed rows, padded to four bytes
    needed = dataOffset + (width * bits + 31) / 32 * 4 * height;
  }
  return file.size() >= needed;
}

// The reader keeps the indices a file holds (bmpsuite's pal8badindex names colour 255 of
// 101), and drawing looks each up in the table unchecked.
bool IndicesWithinColourTable(const QImage& image) {
  const int colours = image.colorCount();
  switch (image.format()) {
    case QImage::Format_Indexed8:
      for (int y = 0; y < image.height(); ++y) {
        const uchar* row = image.constScanLine(y);
        if (std::any_of(row, row + image.width(), [colours](uchar index) { return index >= colours; }))
          return false;
      }
      return true;
    case QImage::Format_Mono:
    case QImage::Format_MonoLSB:
      if (colours >= 2) return true;
      for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
          if (image.pixelIndex(x, y) >= colours) return false;
      return true;
    default:
      return true;
  }
}

// The file's bitmap, or nothing when the file cannot be opened; throws for a file that
// is there but holds no valid bitmap.
std::optional<QImage> LoadExistingBitmap(const QString& directory, const std::string& relativePath) {
  const QString path = QDir(directory).filePath(QString::fromStdString(relativePath));
  const std::string pathText = QFile::encodeName(path).toStdString();
  std::optional<std::string> content;
  try {
    content = ReadRegularFile(pathText, kPictureFileLimit);
  } catch (const EditorError&) {
    return std::nullopt;
  }
  if (!content) throw PictureNotValid(pathText);
  QByteArray file = QByteArray::fromRawData(content->data(), static_cast<qsizetype>(content->size()));
  QBuffer device(&file);
  device.open(QIODevice::ReadOnly);
  QImage image = ReadBitmap(device);
  if (image.isNull() || !HoldsPixelData(file, image.size()) || !IndicesWithinColourTable(image))
    throw PictureNotValid(pathText);
  return image;
}

// "graph/B0.bmp" -> "graph", "B0".
std::pair<std::string, std::string> FolderAndCode(const std::string& relativePath) {
  const std::size_t slash = relativePath.rfind('/');
  const std::string folder = slash == std::string::npos ? std::string() : relativePath.substr(0, slash);
  std::string name = slash == std::string::npos ? relativePath : relativePath.substr(slash + 1);
  const std::size_t dot = name.rfind('.');
  if (dot != std::string::npos) name.resize(dot);
  return {folder, name};
}

}  // namespace

QImage ReadBitmap(QIODevice& device) {
  QImageReader reader(&device, "bmp");
  reader.setDecideFormatFromContent(false);
  reader.setAutoDetectImageFormat(false);
  return reader.read();
}

QImage LoadBitmapImage(const QString& directory, const std::string& relativePath) {
  std::optional<QImage> image = LoadExistingBitmap(directory, relativePath);
  if (!image) throw EditorError("Cannot open file " + relativePath);
  return *std::move(image);
}

QImage PlaceholderPicture(int code) {
  QImage image(kPlaceholderPixels, kPlaceholderPixels, QImage::Format_RGB32);
  image.fill(QColor::fromRgb(kPlaceholderInkColour));
  QPainter painter(&image);
  constexpr int kBorder = 2;
  painter.fillRect(kBorder, kBorder, kPlaceholderPixels - 2 * kBorder, kPlaceholderPixels - 2 * kBorder,
                   QColor::fromRgb(kPlaceholderColour));
  const std::string text = IntToHexText(code & 0xff);
  constexpr int kSquare = 3;
  const QSize size = HexTextSize(text, kSquare);
  DrawHexText(painter,
              QPoint((kPlaceholderPixels - size.width()) / 2, (kPlaceholderPixels - size.height()) / 2), text,
              kSquare, QColor::fromRgb(kPlaceholderInkColour));
  return image;
}

const QImage& PictureFolder::picture(const std::string& relativePath) {
  auto found = loaded_.find(relativePath);
  if (found != loaded_.end()) return found->second;
  std::optional<QImage> image = LoadExistingBitmap(directory_, relativePath);
  if (!image) {
    if (missing_ == MissingPictures::kRefuse) throw EditorError("Cannot open file " + relativePath);
    image = PlaceholderPicture(HexTextToInt(FolderAndCode(relativePath).second));
    placeholders_.insert(relativePath);
  }
  return loaded_.emplace(relativePath, *std::move(image)).first->second;
}

std::string MissingPicturesText(const std::set<std::string>& relativePaths) {
  struct Group {
    const char* folder;
    const char* name;
  };
  constexpr Group kGroups[] = {{"graph", "tiles"}, {"items", "items"}, {"enemyes", "enemies"}};
  std::string text;
  auto addGroup = [&](const std::string& name, const std::map<int, std::string>& codes) {
    if (codes.empty()) return;
    if (!text.empty()) text += "; ";
    text += name;
    const char* separator = " ";
    for (const auto& [value, code] : codes) {
      text += separator + code;
      separator = ", ";
    }
  };
  std::map<std::string, std::map<int, std::string>> byFolder;
  for (const std::string& path : relativePaths) {
    auto [folder, code] = FolderAndCode(path);
    byFolder[folder].emplace(HexTextToInt(code), code);
  }
  for (const Group& group : kGroups) {
    auto found = byFolder.find(group.folder);
    if (found == byFolder.end()) continue;
    addGroup(group.name, found->second);
    byFolder.erase(found);
  }
  for (const auto& [folder, codes] : byFolder) addGroup(folder, codes);
  return text;
}

}  // namespace quelbrook
