// A libretro NES core that plays a few frames and then fails as foreign code can: built once
// to crash (QUELBROOK_FAULT_CRASH) and once to hang.
#include <libretro-common/libretro.h>

#include <csignal>
#include <cstdint>

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
RETRO_API unsigned retro_api_version() { return RETRO_API_VERSION; }
RETRO_API void retro_set_environment(retro_environment_t environment) { gEnvironment = environment; }
RETRO_API void retro_init() {
  retro_pixel_format format = RETRO_PIXEL_FORMAT_XRGB8888;
  gEnvironment(RETRO_ENVIRONMENT_SET_PIXEL_FORMAT, &format);
}
RETRO_API void retro_deinit() {}
RETRO_API void retro_get_system_info(retro_system_info* info) {
  *info = {"faulty", "1", "nes", false, false};
}
RETRO_API void retro_get_system_av_info(retro_system_av_info* info) {
  *info = {};
  info->timing.fps = 60;
  info->timing.sample_rate = 48000;
}
RETRO_API void retro_set_video_refresh(retro_video_refresh_t video) { gVideo = video; }
RETRO_API void retro_set_audio_sample(retro_audio_sample_t) {}
RETRO_API void retro_set_audio_sample_batch(retro_audio_sample_batch_t) {}
RETRO_API void retro_set_input_poll(retro_input_poll_t) {}
RETRO_API void retro_set_input_state(retro_input_state_t) {}
RETRO_API void retro_set_controller_port_device(unsigned, unsigned) {}
RETRO_API bool retro_load_game(const retro_game_info*) {
  gFramesRun = 0;
  return true;
}
RETRO_API void retro_unload_game() {}
RETRO_API void retro_run() {
  if (++gFramesRun > kFramesBeforeFault) Fail();
  for (std::uint32_t& pixel : gPixels) pixel = 0x404040;
  gVideo(gPixels, 4, 4, 4 * sizeof(std::uint32_t));
}
RETRO_API void retro_reset() {}
RETRO_API std::size_t retro_serialize_size() { return 0; }
RETRO_API bool retro_serialize(void*, std::size_t) { return false; }
RETRO_API bool retro_unserialize(const void*, std::size_t) { return false; }
RETRO_API void* retro_get_memory_data(unsigned) { return nullptr; }
RETRO_API std::size_t retro_get_memory_size(unsigned) { return 0; }
}
