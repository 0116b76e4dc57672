// A libretro NES core that plays a few frames and then fails as foreign code can: built once
// to crash (QUELBROOK_FAULT_CRASH) and once to hang.
#include <libretro-common/libretro.h>

#include <csignal>
#include <cstdint>

#include "../test_core_entry_points.inc"

namespace {
// Enough for a window to show the first frames before the fault.
constexpr int kFramesBeforeFault = 10;

retro_environment_t gEnvironment;
retro_video_refresh_t gVideo;
std::uint32_t gPixels[4 * 4];
int gFramesRun = 0;

void Fail() {
#ifdef QUELBROOK_FAULT_CRASH
  std::raise(SIGSEGV);
#endif
  for (volatile bool forever = true; forever;) {
  }
}
}  // namespace

extern "C" {
RETRO_API void retro_set_environment(retro_environment_t environment) { gEnvironment = environment; }
RETRO_API void retro_init() {
  retro_pixel_format format = RETRO_PIXEL_FORMAT_XRGB8888;
  gEnvironment(RETRO_ENVIRONMENT_SET_PIXEL_FORMAT, &format);
}
RETRO_API void retro_get_system_info(retro_system_info* info) {
  *info = {"faulty", "1", "nes", false, false};
}
RETRO_API void retro_set_video_refresh(retro_video_refresh_t video) { gVideo = video; }
RETRO_API bool retro_load_game(const retro_game_info*) {
  gFramesRun = 0;
  return true;
}
RETRO_API void retro_run() {
  if (++gFramesRun > kFramesBeforeFault) Fail();
  for (std::uint32_t& pixel : gPixels) pixel = 0x404040;
  gVideo(gPixels, 4, 4, 4 * sizeof(std::uint32_t));
}
}
