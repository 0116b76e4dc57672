// A libretro NES core of another make, as RetroArch downloads them: its options have names of
// its own, so the host cannot fix its colours. It accepts any game and draws one grey frame.
#include <libretro-common/libretro.h>

#include <cstdint>

namespace {
retro_environment_t gEnvironment;
retro_video_refresh_t gVideo;
std::uint32_t gPixels[4 * 4];
}  // namespace

extern "C" {
RETRO_API unsigned retro_api_version() { return RETRO_API_VERSION; }
RETRO_API void retro_set_environment(retro_environment_t environment) {
  gEnvironment = environment;
  static const retro_variable options[] = {{"other_palette", "Palette; vivid|muted"}, {nullptr, nullptr}};
  gEnvironment(RETRO_ENVIRONMENT_SET_VARIABLES, const_cast<retro_variable*>(options));
}
RETRO_API void retro_init() {
  retro_pixel_format format = RETRO_PIXEL_FORMAT_XRGB8888;
  gEnvironment(RETRO_ENVIRONMENT_SET_PIXEL_FORMAT, &format);
}
RETRO_API void retro_deinit() {}
RETRO_API void retro_get_system_info(retro_system_info* info) { *info = {"other", "1", "nes", false, false}; }
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
RETRO_API bool retro_load_game(const retro_game_info*) { return true; }
RETRO_API void retro_unload_game() {}
RETRO_API void retro_run() {
  for (std::uint32_t& pixel : gPixels) pixel = 0x808080;
  gVideo(gPixels, 4, 4, 4 * sizeof(std::uint32_t));
}
RETRO_API void retro_reset() {}
RETRO_API std::size_t retro_serialize_size() { return 0; }
RETRO_API bool retro_serialize(void*, std::size_t) { return false; }
RETRO_API bool retro_unserialize(const void*, std::size_t) { return false; }
RETRO_API void* retro_get_memory_data(unsigned) { return nullptr; }
RETRO_API std::size_t retro_get_memory_size(unsigned) { return 0; }
}
