#include "world_atlases.h"

#include <QPainter>

#include "hex_text.h"
#include "item_catalogue.h"
#include "world_map_layout.h"

namespace quelbrook {

namespace {
using PathOfCode = std::string (*)(const std::string&);

void DrawCodes(QPainter& painter, PictureSource& pictures, PathOfCode pathOf, int firstIndex, int size) {
  for (int code = 0; code < kCodeCount; ++code) {
    const int index = firstIndex + code;
    const QRect target(index % kAtlasColumns * size, index / kAtlasColumns * size, size, size);
    painter.drawImage(target, pictures.picture(pathOf(IntToHexText(code))));
  }
}

QImage Atlas(int count, int size) {
  QImage atlas(kAtlasColumns * size, count / kAtlasColumns * size, QImage::Format_RGB32);
  atlas.fill(Qt::black);
  return atlas;
}
}  // namespace

QImage TileAtlas(PictureSource& pictures) {
  QImage atlas = Atlas(kCodeCount, kMapTilePixels);
  QPainter painter(&atlas);
  DrawCodes(painter, pictures, TileBitmapPath, 0, kMapTilePixels);
  return atlas;
}

QImage ObjectAtlas(PictureSource& pictures) {
  QImage atlas = Atlas(kObjectAtlasCount, kObjectPixels);
  QPainter painter(&atlas);
  DrawCodes(painter, pictures, ItemBitmapPath, ObjectAtlasIndex(0, 0), kObjectPixels);
  DrawCodes(painter, pictures, EnemyBitmapPath, ObjectAtlasIndex(1, 0), kObjectPixels);
  return atlas;
}

}  // namespace quelbrook
