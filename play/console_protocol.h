#pragma once
// What the editor and its console program (`quelbrook-console`) say to each other over a pipe.
// Every message is its body's length as 4 bytes, little-endian, then the body; a body is a
// QDataStream of a fixed version: a request starts with its kind, an answer with whether it
// was done. The program greets first, with the core's facts or the reason it could not start.

#include <QByteArray>
#include <QDataStream>
#include <QImage>
#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

#include "pad.h"

namespace quelbrook::play::protocol {

enum class Request : quint8 { kLoad = 1, kUnload, kReset, kRun, kFrame, kSaveState, kLoadState };
// kRefused carries the EditorError's text that the request met.
enum class Answer : quint8 { kDone = 1, kRefused };

// A ROM and its states are far below this; a longer length means the stream is not ours.
inline constexpr quint32 kMaxMessageBytes = 64u << 20;

QByteArray Framed(const QByteArray& body);
// Takes the first whole message off the front of `buffer`, when it holds one. Throws
// EditorError when the length announced is beyond kMaxMessageBytes.
std::optional<QByteArray> TakeMessage(QByteArray& buffer);

// The core's facts: sent in the greeting and after each game loaded.
struct CoreFacts {
  QString coreName;
  bool framesAreReproducible = false;
  double framesPerSecond = 60.0;
  double sampleRate = 48000.0;
};

// What the console holds after a request that ran it: the frame count, the work RAM and the
// sound made since the last answer (interleaved stereo samples).
struct ConsoleState {
  qint64 framesRun = 0;
  QByteArray systemRam;
  std::vector<std::int16_t> audio;
};

// A body being written; the stream's version fixed so that both ends read it alike.
class BodyWriter {
 public:
  BodyWriter();
  template <typename T>
  BodyWriter& operator<<(const T& value) {
    stream_ << value;
    return *this;
  }
  QByteArray Body() const { return body_; }

 private:
  QByteArray body_;
  QDataStream stream_;
};

// A body being read; Read throws EditorError when the body ends early or is not what was asked.
class BodyReader {
 public:
  explicit BodyReader(const QByteArray& body);
  template <typename T>
  T Read() {
    T value{};
    stream_ >> value;
    RequireWhole();
    return value;
  }

 private:
  void RequireWhole() const;
  QByteArray body_;
  QDataStream stream_;
};

BodyWriter& operator<<(BodyWriter& out, Request request);
BodyWriter& operator<<(BodyWriter& out, Answer answer);
BodyWriter& operator<<(BodyWriter& out, const PadState& pad);
BodyWriter& operator<<(BodyWriter& out, const QImage& frame);  // its pixels, not a PNG
BodyWriter& operator<<(BodyWriter& out, const CoreFacts& facts);
BodyWriter& operator<<(BodyWriter& out, const ConsoleState& state);
// The fields of an answer past its kind; throws EditorError with the text of a refusal.
QByteArray FieldsOfDone(const QByteArray& answer);
Request ReadRequest(BodyReader& in);
Answer ReadAnswer(BodyReader& in);
PadState ReadPad(BodyReader& in);
QImage ReadFrame(BodyReader& in);
CoreFacts ReadCoreFacts(BodyReader& in);
ConsoleState ReadConsoleState(BodyReader& in);

}  // namespace quelbrook::play::protocol
