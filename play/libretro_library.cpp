#include "libretro_library.h"

#include <dlfcn.h>
#include <libretro-common/libretro.h>

#include <QFile>

#include "editor_error.h"

namespace quelbrook::play {

namespace {
template <typename Function>
void Resolve(void* handle, const char* name, Function& function, const QString& path) {
  void* symbol = dlsym(handle, name);
  if (!symbol)
    throw EditorError(path.toStdString() + " is not a libretro core: it has no " + std::string(name));
  function = reinterpret_cast<Function>(symbol);
}
}  // namespace

LibretroLibrary::LibretroLibrary(const QString& path) : path_(path) {
  // RTLD_LOCAL keeps two cores' symbols apart; RTLD_NOW reports a missing library here, not
  // in the middle of a frame. RTLD_NODELETE keeps the code mapped after dlclose, until the
  // program ends: Nestopia leaks about a megabyte on every retro_load_game, which the
  // sanitizers' suppression can name by the core's file only while it is mapped, and the
  // next host finds the core ready at once.
  handle_ = dlopen(QFile::encodeName(path).constData(), RTLD_NOW | RTLD_LOCAL | RTLD_NODELETE);
  if (!handle_)
    throw EditorError("The libretro core " + path.toStdString() + " could not be loaded: " + dlerror());
  try {
    Resolve(handle_, "retro_api_version", calls_.apiVersion, path);
    Resolve(handle_, "retro_init", calls_.init, path);
    Resolve(handle_, "retro_deinit", calls_.deinit, path);
    Resolve(handle_, "retro_get_system_info", calls_.getSystemInfo, path);
    Resolve(handle_, "retro_get_system_av_info", calls_.getSystemAvInfo, path);
    Resolve(handle_, "retro_set_environment", calls_.setEnvironment, path);
    Resolve(handle_, "retro_set_video_refresh", calls_.setVideoRefresh, path);
    Resolve(handle_, "retro_set_audio_sample", calls_.setAudioSample, path);
    Resolve(handle_, "retro_set_audio_sample_batch", calls_.setAudioSampleBatch, path);
    Resolve(handle_, "retro_set_input_poll", calls_.setInputPoll, path);
    Resolve(handle_, "retro_set_input_state", calls_.setInputState, path);
    Resolve(handle_, "retro_set_controller_port_device", calls_.setControllerPortDevice, path);
    Resolve(handle_, "retro_load_game", calls_.loadGame, path);
    Resolve(handle_, "retro_unload_game", calls_.unloadGame, path);
    Resolve(handle_, "retro_run", calls_.run, path);
    Resolve(handle_, "retro_reset", calls_.reset, path);
    Resolve(handle_, "retro_serialize_size", calls_.serializeSize, path);
    Resolve(handle_, "retro_serialize", calls_.serialize, path);
    Resolve(handle_, "retro_unserialize", calls_.unserialize, path);
    Resolve(handle_, "retro_get_memory_data", calls_.getMemoryData, path);
    Resolve(handle_, "retro_get_memory_size", calls_.getMemorySize, path);
    if (calls_.apiVersion() != RETRO_API_VERSION)
      throw EditorError("The libretro core " + path.toStdString() +
                        " speaks another version of the libretro API");
  } catch (...) {
    dlclose(handle_);
    throw;
  }
}

LibretroLibrary::~LibretroLibrary() { dlclose(handle_); }

}  // namespace quelbrook::play
