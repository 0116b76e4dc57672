#include "host.h"

#include <libretro-common/libretro.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cstdarg>
#include <cstdio>

#include "editor_error.h"
#include "libretro_library.h"

namespace quelbrook::play {

namespace {
Host* gRunningHost = nullptr;

QByteArray MadeFolder(const QString& path) {
  if (!QDir().mkpath(path)) throw EditorError("The folder " + path.toStdString() + " could not be made");
  return QFile::encodeName(path);
}

// The 16-bit formats scaled to 8 bits a channel.
QRgb PixelOf16(std::uint16_t p, int format) {
  if (format == RETRO_PIXEL_FORMAT_RGB565)
    return qRgb(((p >> 11) & 0x1f) * 255 / 31, ((p >> 5) & 0x3f) * 255 / 63, (p & 0x1f) * 255 / 31);
  return qRgb(((p >> 10) & 0x1f) * 255 / 31, ((p >> 5) & 0x1f) * 255 / 31, (p & 0x1f) * 255 / 31);
}

void CopyRow(const void* row, unsigned width, int format, QRgb* out) {
  if (format == RETRO_PIXEL_FORMAT_XRGB8888) {
    // The core leaves the top byte undefined; QImage's RGB32 wants it opaque.
    const auto* in = static_cast<const std::uint32_t*>(row);
    for (unsigned x = 0; x < width; ++x) out[x] = 0xff000000u | in[x];
    return;
  }
  const auto* in = static_cast<const std::uint16_t*>(row);
  for (unsigned x = 0; x < width; ++x) out[x] = PixelOf16(in[x], format);
}
}  // namespace

// The core calls these plain functions; they reach the one running host.
struct HostCallbacks {
  static void Log(retro_log_level level, const char* format, ...) {
    if (level < RETRO_LOG_WARN || !gRunningHost) return;
    char text[512];
    va_list arguments;
    va_start(arguments, format);
    std::vsnprintf(text, sizeof text, format, arguments);
    va_end(arguments);
    gRunningHost->coreComplaints_ = text;
    while (!gRunningHost->coreComplaints_.empty() && gRunningHost->coreComplaints_.back() == '\n')
      gRunningHost->coreComplaints_.pop_back();
  }

  static bool Environment(unsigned command, void* data) {
    Host& host = *gRunningHost;
    switch (command) {
      case RETRO_ENVIRONMENT_GET_CAN_DUPE:
        *static_cast<bool*>(data) = true;
        return true;
      case RETRO_ENVIRONMENT_SET_PIXEL_FORMAT: {
        const auto format = *static_cast<const retro_pixel_format*>(data);
        if (format != RETRO_PIXEL_FORMAT_XRGB8888 && format != RETRO_PIXEL_FORMAT_RGB565 &&
            format != RETRO_PIXEL_FORMAT_0RGB1555)
          return false;
        host.pixelFormat_ = format;
        return true;
      }
      case RETRO_ENVIRONMENT_GET_SYSTEM_DIRECTORY:
        *static_cast<const char**>(data) = host.systemFolder_.constData();
        return true;
      case RETRO_ENVIRONMENT_GET_SAVE_DIRECTORY:
        *static_cast<const char**>(data) = host.saveFolder_.constData();
        return true;
      case RETRO_ENVIRONMENT_SET_VARIABLES:
        for (auto* variable = static_cast<const retro_variable*>(data); variable->key; ++variable)
          host.options_.Declare(variable->key, variable->value ? variable->value : "");
        return true;
      case RETRO_ENVIRONMENT_GET_VARIABLE: {
        auto* variable = static_cast<retro_variable*>(data);
        variable->value = host.options_.Value(variable->key);
        return variable->value != nullptr;
      }
      case RETRO_ENVIRONMENT_GET_VARIABLE_UPDATE:
        *static_cast<bool*>(data) = false;
        return true;
      case RETRO_ENVIRONMENT_GET_LOG_INTERFACE:
        static_cast<retro_log_callback*>(data)->log = &Log;
        return true;
      case RETRO_ENVIRONMENT_SET_GEOMETRY:
      case RETRO_ENVIRONMENT_SET_SYSTEM_AV_INFO:
        return true;  // the frame's own size is what counts
      default:
        // Core options version 0 (SET_VARIABLES) is all this host offers: answering "no"
        // to the newer protocols makes a core fall back to it.
        return false;
    }
  }

  static void VideoRefresh(const void* data, unsigned width, unsigned height, std::size_t pitch) {
    Host& host = *gRunningHost;
    if (!data) return;  // a repeated frame: the last picture stands
    if (host.frame_.width() != int(width) || host.frame_.height() != int(height))
      host.frame_ = QImage(int(width), int(height), QImage::Format_RGB32);
    for (unsigned y = 0; y < height; ++y)
      CopyRow(static_cast<const char*>(data) + y * pitch, width, host.pixelFormat_,
              reinterpret_cast<QRgb*>(host.frame_.scanLine(int(y))));
  }

  static void AudioSample(std::int16_t left, std::int16_t right) {
    const std::int16_t frame[2] = {left, right};
    gRunningHost->audio_.Push(frame, 1);
  }

  static std::size_t AudioBatch(const std::int16_t* data, std::size_t frames) {
    gRunningHost->audio_.Push(data, frames);
    return frames;
  }

  static void InputPoll() {}

  static std::int16_t InputState(unsigned port, unsigned device, unsigned, unsigned id) {
    if (port != 0 || device != RETRO_DEVICE_JOYPAD) return 0;
    for (PadButton button : kPadButtons)
      if (LibretroJoypadId(button) == id) return gRunningHost->pad_.IsDown(button) ? 1 : 0;
    return 0;
  }
};

Host::Host(const QString& corePath, const QString& playFolder) : audio_(kConsoleAudioFrames) {
  if (gRunningHost) throw EditorError(kGameAlreadyRunningMessage);
  systemFolder_ = MadeFolder(QDir(playFolder).filePath("system"));
  saveFolder_ = MadeFolder(QDir(playFolder).filePath("saves"));
  library_ = std::make_unique<LibretroLibrary>(corePath);
  gRunningHost = this;
  const LibretroEntryPoints& core = library_->Calls();
  core.setEnvironment(&HostCallbacks::Environment);
  core.init();
  core.setVideoRefresh(&HostCallbacks::VideoRefresh);
  core.setAudioSample(&HostCallbacks::AudioSample);
  core.setAudioSampleBatch(&HostCallbacks::AudioBatch);
  core.setInputPoll(&HostCallbacks::InputPoll);
  core.setInputState(&HostCallbacks::InputState);
}

Host::~Host() {
  UnloadRom();
  library_->Calls().deinit();
  library_.reset();
  gRunningHost = nullptr;
}

QString Host::CoreName() const { return QFileInfo(library_->Path()).fileName(); }

void Host::LoadRom(const QByteArray& bytes, const QString& name) {
  // Bytes that are no ROM leave the running game as it was; only the core's own refusal,
  // which comes after the old game is gone, leaves none.
  RequireRomBytes(bytes, name);
  UnloadRom();
  romBytes_ = bytes;
  romPath_ = QFile::encodeName(name);
  retro_game_info game{romPath_.constData(), romBytes_.constData(), std::size_t(romBytes_.size()), nullptr};
  coreComplaints_.clear();
  const LibretroEntryPoints& core = library_->Calls();
  if (!core.loadGame(&game))
    throw EditorError("The NES core refused " + name.toStdString() +
                      (coreComplaints_.empty() ? std::string() : ": " + coreComplaints_));
  loaded_ = true;
  core.setControllerPortDevice(0, RETRO_DEVICE_JOYPAD);
  retro_system_av_info av{};
  core.getSystemAvInfo(&av);
  if (av.timing.fps > 0) framesPerSecond_ = av.timing.fps;
  if (av.timing.sample_rate > 0) sampleRate_ = av.timing.sample_rate;
  frame_ = QImage();
  audio_.Clear();
  framesRun_ = 0;
}

void Host::UnloadRom() {
  if (!loaded_) return;
  library_->Calls().unloadGame();
  loaded_ = false;
}

void Host::RunFrame() {
  RequireGame();
  library_->Calls().run();
  ++framesRun_;
}

void Host::Reset() {
  RequireGame();
  library_->Calls().reset();
}

QByteArray Host::SaveState() const {
  RequireGame();
  const LibretroEntryPoints& core = library_->Calls();
  QByteArray state(qsizetype(core.serializeSize()), Qt::Uninitialized);
  if (state.isEmpty() || !core.serialize(state.data(), std::size_t(state.size())))
    throw EditorError("The NES core " + CoreName().toStdString() + " cannot save the game's state");
  return state;
}

void Host::LoadState(const QByteArray& state) {
  // Nestopia leaves the console half-restored when it refuses a state, so the game as it
  // was is put back then.
  const QByteArray before = SaveState();
  const LibretroEntryPoints& core = library_->Calls();
  if (!core.unserialize(state.constData(), std::size_t(state.size()))) {
    core.unserialize(before.constData(), std::size_t(before.size()));
    throw EditorError("The NES core " + CoreName().toStdString() +
                      " refused the saved state: it was saved from another game or another core");
  }
}

QByteArrayView Host::SystemRam() const {
  if (!loaded_) return {};
  const LibretroEntryPoints& core = library_->Calls();
  const auto* ram = static_cast<const char*>(core.getMemoryData(RETRO_MEMORY_SYSTEM_RAM));
  return ram ? QByteArrayView(ram, qsizetype(core.getMemorySize(RETRO_MEMORY_SYSTEM_RAM))) : QByteArrayView();
}

}  // namespace quelbrook::play
