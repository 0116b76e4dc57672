#include "world_rendering.h"

#include <QPainter>

#include "screen_rendering.h"
#include "world_geometry.h"

namespace quelbrook {

QImage ArrangeWorld(const std::vector<QImage>& screens, double scale) {
  RequireWorldScale(scale);
  const QSize fullSize = WorldSize(1.0);
  QImage full(fullSize, QImage::Format_RGB32);
  {
    QPainter painter(&full);
    for (int screen = 1; screen <= kScreenCount; ++screen)
      painter.drawImage(ScreenRect(screen, fullSize).topLeft(),
                        screens[static_cast<std::size_t>(screen - 1)]);
  }
  if (scale == 1.0) return full;
  return full.scaled(WorldSize(scale), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

QImage RenderWorld(const WorldData& world, PictureSource& pictures, double scale) {
  RequireWorldScale(scale);
  std::vector<QImage> screens;
  for (const ScreenData& screen : world.screens) screens.push_back(RenderScreen(screen, pictures));
  return ArrangeWorld(screens, scale);
}

QImage RenderWorld(RomImage& rom, PictureSource& pictures, double scale) {
  RequireWorldScale(scale);
  return RenderWorld(ReadWorld(rom), pictures, scale);
}

}  // namespace quelbrook
