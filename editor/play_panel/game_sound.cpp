#include "game_sound.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibrary>
#include <cstdint>
#include <vector>

#include "audio_output.h"
#include "audio_ring.h"

namespace quelbrook {

namespace {

OpenAudioOutputFunction LoadAudioModule(const QString& path) {
  QLibrary module(path);
  // Qt Multimedia keeps threads and registrations of its own: once loaded, it stays.
  module.setLoadHints(QLibrary::PreventUnloadHint);
  return reinterpret_cast<OpenAudioOutputFunction>(module.resolve(kOpenAudioOutputSymbol));
}
}  // namespace

QString AudioModulePath() {
  const QString programFolder = QCoreApplication::applicationDirPath();
  const QString besideProgram = programFolder + "/" + kAudioModuleFileName;
  if (QFileInfo::exists(besideProgram)) return besideProgram;
  return programFolder + "/" QUELBROOK_PRIVATE_LIBDIR_FROM_BIN "/" + kAudioModuleFileName;
}

GameSound::GameSound(double sampleRate, const QString& modulePath) {
  if (const OpenAudioOutputFunction open = LoadAudioModule(modulePath)) output_.reset(open(sampleRate));
}

GameSound::GameSound(std::unique_ptr<AudioOutput> output) : output_(std::move(output)) {}

GameSound::~GameSound() = default;

void GameSound::Feed(play::AudioRing& samples) {
  if (!output_) {
    samples.Clear();
    return;
  }
  const std::size_t frames = output_->BytesFree() / kAudioBytesPerFrame;
  std::vector<std::int16_t> buffer(2 * frames);
  const std::size_t taken = samples.Take(buffer.data(), frames);
  output_->Write(reinterpret_cast<const char*>(buffer.data()), taken * kAudioBytesPerFrame);
  samples.KeepNewest(output_->BufferBytes() / kAudioBytesPerFrame);
}

void GameSound::Pause(bool paused) {
  if (output_) output_->Pause(paused);
}

}  // namespace quelbrook
