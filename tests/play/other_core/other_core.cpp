// A libretro NES core of another make, as RetroArch downloads them: its options have names of
// its own, so the host cannot fix its colours. It accepts any game and draws one grey frame.
#include <libretro-common/libretro.h>

#include <cstdint>

#include "../test_core_entry_points.inc"

namespace {
retro_environment_t gEnvironment;
retro_video_refresh_t gVideo;
std::uint32_t gPixels[4 * 4];
}  // namespace

extern "C" {
RETRO_API void retro_set_environment(retro_environment_t environment) {
  gEnvironment = environment;
  static const retro_variable options[] = {{"other_palette", "Palette; vivid|muted"}, {nullptr, nullptr}};
  gEnvironment(RETRO_ENVIRONMENT_SET_VARIABLES, const_cast<retro_variable*>(options));
}
RETRO_API void retro_init() {
  retro_pixel_format format = RETRO_PIXEL_FORMAT_XRGB8888;
  gEnvironment(RETRO_ENVIRONMENT_SET_PIXEL_FORMAT, &format);
}
RETRO_API void retro_get_system_info(retro_system_info* info) { *info = {"other", "1", "nes", false, false}; }
RETRO_API void retro_set_video_refresh(retro_video_refresh_t video) { gVideo = video; }
RETRO_API bool retro_load_game(const retro_game_info*) { return true; }
RETRO_API void retro_run() {
  for (std::uint32_t& pixel : gPixels) pixel = 0x808080;
  gVideo(gPixels, 4, 4, 4 * sizeof(std::uint32_t));
}
}
