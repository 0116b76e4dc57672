#include "game_sound.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QMediaDevices>
#include <vector>

#include "audio_ring.h"

namespace quelbrook {

namespace {
constexpr int kBytesPerFrame = 4;  // two 16-bit channels
// A tenth of a second in the device: enough against a late timer, little delay.
constexpr double kDeviceBufferSeconds = 0.1;
}  // namespace

GameSound::GameSound(double sampleRate) {
  const QAudioDevice device = QMediaDevices::defaultAudioOutput();
  if (device.isNull()) return;
  QAudioFormat format;
  format.setSampleRate(int(sampleRate + 0.5));
  format.setChannelCount(2);
  format.setSampleFormat(QAudioFormat::Int16);
  if (!device.isFormatSupported(format)) return;
  sink_ = std::make_unique<QAudioSink>(device, format);
  sink_->setBufferSize(int(sampleRate * kDeviceBufferSeconds) * kBytesPerFrame);
  output_ = sink_->start();
  if (sink_->error() != QAudio::NoError) output_ = nullptr;
}

GameSound::~GameSound() {
  if (sink_) sink_->stop();
}

void GameSound::Feed(play::AudioRing& samples) {
  if (!output_) {
    samples.Clear();
    return;
  }
  const std::size_t frames = std::size_t(sink_->bytesFree()) / kBytesPerFrame;
  std::vector<std::int16_t> buffer(2 * frames);
  const std::size_t taken = samples.Take(buffer.data(), frames);
  output_->write(reinterpret_cast<const char*>(buffer.data()), qint64(taken) * kBytesPerFrame);
}

void GameSound::Pause(bool paused) {
  if (!sink_) return;
  if (paused)
    sink_->suspend();
  else
    sink_->resume();
}

}  // namespace quelbrook
