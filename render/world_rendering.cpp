#include "world_rendering.h"

#include <QPainter>

#include "screen_rendering.h"
#include "world_geometry.h"

namespace quelbrook {

QImage RenderWorld(const WorldData& world, PictureSource& pictures, double scale) {
  RequireWorldScale(scale);
  const QSize fullSize = WorldSize(1.0);
  QImage full(fullSize, QImage::Format_RGB32);
  {
    QPainter painter(&full);
    for (int screen = 1; screen <= kScreenCount; ++screen)
      painter.drawImage(ScreenRect(screen, fullSize).topLeft(),
                        RenderScreen(world.screens[screen - 1], pictures));
  }
  if (scale == 1.0) return full;
  return full.scaled(WorldSize(scale), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

QImage RenderWorld(RomImage& rom, PictureSource& pictures, double scale) {
  RequireWorldScale(scale);
  return RenderWorld(ReadWorld(rom), pictures, scale);
}

}  // namespace quelbrook
