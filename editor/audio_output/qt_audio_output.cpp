// The audio module: the default device through Qt Multimedia.
#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QMediaDevices>
#include <memory>

#include "audio_output.h"

namespace quelbrook {
namespace {

// A tenth of a second in the device: enough against a late timer, little delay.
constexpr double kDeviceBufferSeconds = 0.1;

class QtAudioOutput : public AudioOutput {
 public:
  QtAudioOutput(const QAudioDevice& device, const QAudioFormat& format, double sampleRate)
      : sink_(device, format) {
    sink_.setBufferSize(int(sampleRate * kDeviceBufferSeconds) * kAudioBytesPerFrame);
    output_ = sink_.start();
  }
  ~QtAudioOutput() override { sink_.stop(); }

  bool IsWorking() const { return output_ && sink_.error() == QAudio::NoError; }
  std::size_t BytesFree() const override { return std::size_t(sink_.bytesFree()); }
  std::size_t BufferBytes() const override { return std::size_t(sink_.bufferSize()); }
  void Write(const char* bytes, std::size_t size) override { output_->write(bytes, qint64(size)); }
  void Pause(bool paused) override {
    if (paused)
      sink_.suspend();
    else
      sink_.resume();
  }

 private:
  QAudioSink sink_;
  QIODevice* output_ = nullptr;  // owned by the sink
};

}  // namespace
}  // namespace quelbrook

extern "C" Q_DECL_EXPORT quelbrook::AudioOutput* quelbrook_open_audio_output(double sampleRate) {
  const QAudioDevice device = QMediaDevices::defaultAudioOutput();
  if (device.isNull()) return nullptr;
  QAudioFormat format;
  format.setSampleRate(int(sampleRate + 0.5));
  format.setChannelCount(2);
  format.setSampleFormat(QAudioFormat::Int16);
  if (!device.isFormatSupported(format)) return nullptr;
  auto output = std::make_unique<quelbrook::QtAudioOutput>(device, format, sampleRate);
  return output->IsWorking() ? output.release() : nullptr;
}
