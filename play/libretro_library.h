#pragma once
// A libretro core opened with dlopen: the entry points a frontend calls. Closed with the
// object, the core's code stays mapped until the program ends.

#include <QString>
#include <cstddef>
#include <cstdint>

struct retro_game_info;
struct retro_system_av_info;
struct retro_system_info;

namespace quelbrook::play {

struct LibretroEntryPoints {
  unsigned (*apiVersion)();
  void (*init)();
  void (*deinit)();
  void (*getSystemInfo)(retro_system_info*);
  void (*getSystemAvInfo)(retro_system_av_info*);
  void (*setEnvironment)(bool (*)(unsigned, void*));
  void (*setVideoRefresh)(void (*)(const void*, unsigned, unsigned, std::size_t));
  void (*setAudioSample)(void (*)(std::int16_t, std::int16_t));
  void (*setAudioSampleBatch)(std::size_t (*)(const std::int16_t*, std::size_t));
  void (*setInputPoll)(void (*)());
  void (*setInputState)(std::int16_t (*)(unsigned, unsigned, unsigned, unsigned));
  void (*setControllerPortDevice)(unsigned, unsigned);
  bool (*loadGame)(const retro_game_info*);
  void (*unloadGame)();
  void (*run)();
  void (*reset)();
  std::size_t (*serializeSize)();
  bool (*serialize)(void*, std::size_t);
  bool (*unserialize)(const void*, std::size_t);
  void* (*getMemoryData)(unsigned);
  std::size_t (*getMemorySize)(unsigned);
};

class LibretroLibrary {
 public:
  // Throws EditorError when the file cannot be loaded or lacks an entry point.
  explicit LibretroLibrary(const QString& path);
  ~LibretroLibrary();
  LibretroLibrary(const LibretroLibrary&) = delete;
  LibretroLibrary& operator=(const LibretroLibrary&) = delete;

  const LibretroEntryPoints& Calls() const { return calls_; }
  const QString& Path() const { return path_; }

 private:
  QString path_;
  void* handle_ = nullptr;
  LibretroEntryPoints calls_{};
};

}  // namespace quelbrook::play
