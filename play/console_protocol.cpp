#include "console_protocol.h"

#include <QIODevice>
#include <QtEndian>
#include <cstring>

#include "editor_error.h"

namespace quelbrook::play::protocol {

namespace {
constexpr int kLengthBytes = 4;
constexpr int kLargestFrameSide = 4096;
constexpr auto kStreamVersion = QDataStream::Qt_6_0;

[[noreturn]] void Unreadable() {
  throw EditorError("The NES core's program sent a message that cannot be read");
}
}  // namespace

QByteArray Framed(const QByteArray& body) {
  QByteArray message(kLengthBytes, Qt::Uninitialized);
  qToLittleEndian(quint32(body.size()), message.data());
  return message + body;
}

std::optional<QByteArray> TakeMessage(QByteArray& buffer) {
  if (buffer.size() < kLengthBytes) return std::nullopt;
  const quint32 length = qFromLittleEndian<quint32>(buffer.constData());
  if (length > kMaxMessageBytes) Unreadable();
  if (buffer.size() - kLengthBytes < qsizetype(length)) return std::nullopt;
  QByteArray body = buffer.mid(kLengthBytes, qsizetype(length));
  buffer.remove(0, kLengthBytes + qsizetype(length));
  return body;
}

BodyWriter::BodyWriter() : stream_(&body_, QIODevice::WriteOnly) { stream_.setVersion(kStreamVersion); }

BodyReader::BodyReader(const QByteArray& body) : body_(body), stream_(body_) {
  stream_.setVersion(kStreamVersion);
}

void BodyReader::RequireWhole() const {
  if (stream_.status() != QDataStream::Ok) Unreadable();
}

BodyWriter& operator<<(BodyWriter& out, Request request) { return out << quint8(request); }
BodyWriter& operator<<(BodyWriter& out, Answer answer) { return out << quint8(answer); }

BodyWriter& operator<<(BodyWriter& out, const PadState& pad) {
  quint8 bits = 0;
  for (PadButton button : kPadButtons)
    if (pad.IsDown(button)) bits |= quint8(1u << static_cast<int>(button));
  return out << bits;
}

BodyWriter& operator<<(BodyWriter& out, const QImage& frame) {
  const QImage pixels = frame.convertToFormat(QImage::Format_RGB32);
  return out << qint32(pixels.width()) << qint32(pixels.height())
             << QByteArray(reinterpret_cast<const char*>(pixels.constBits()), pixels.sizeInBytes());
}

BodyWriter& operator<<(BodyWriter& out, const CoreFacts& facts) {
  return out << facts.coreName << facts.framesAreReproducible << facts.framesPerSecond << facts.sampleRate;
}

BodyWriter& operator<<(BodyWriter& out, const ConsoleState& state) {
  return out << state.framesRun << state.systemRam
             << QByteArray(reinterpret_cast<const char*>(state.audio.data()),
                           qsizetype(state.audio.size() * sizeof(std::int16_t)));
}

Request ReadRequest(BodyReader& in) {
  const auto kind = in.Read<quint8>();
  if (kind < quint8(Request::kLoad) || kind > quint8(Request::kLoadState)) Unreadable();
  return Request(kind);
}

Answer ReadAnswer(BodyReader& in) {
  const auto kind = in.Read<quint8>();
  if (kind != quint8(Answer::kDone) && kind != quint8(Answer::kRefused)) Unreadable();
  return Answer(kind);
}

QByteArray FieldsOfDone(const QByteArray& answer) {
  BodyReader in(answer);
  if (ReadAnswer(in) == Answer::kRefused) throw EditorError(in.Read<QString>().toStdString());
  return answer.mid(sizeof(quint8));
}

PadState ReadPad(BodyReader& in) {
  const auto bits = in.Read<quint8>();
  PadState pad;
  for (PadButton button : kPadButtons) pad.Set(button, bits & (1u << static_cast<int>(button)));
  return pad;
}

QImage ReadFrame(BodyReader& in) {
  const auto width = in.Read<qint32>();
  const auto height = in.Read<qint32>();
  const auto pixels = in.Read<QByteArray>();
  if (width < 0 || height < 0 || width > kLargestFrameSide || height > kLargestFrameSide ||
      pixels.size() != qsizetype(width) * height * 4)
    Unreadable();
  if (width == 0 || height == 0) return {};
  QImage frame(width, height, QImage::Format_RGB32);
  std::memcpy(frame.bits(), pixels.constData(), std::size_t(pixels.size()));
  return frame;
}

CoreFacts ReadCoreFacts(BodyReader& in) {
  CoreFacts facts;
  facts.coreName = in.Read<QString>();
  facts.framesAreReproducible = in.Read<bool>();
  facts.framesPerSecond = in.Read<double>();
  facts.sampleRate = in.Read<double>();
  return facts;
}

ConsoleState ReadConsoleState(BodyReader& in) {
  ConsoleState state;
  state.framesRun = in.Read<qint64>();
  state.systemRam = in.Read<QByteArray>();
  const auto audio = in.Read<QByteArray>();
  if (audio.size() % qsizetype(2 * sizeof(std::int16_t)) != 0) Unreadable();
  state.audio.resize(std::size_t(audio.size()) / sizeof(std::int16_t));
  if (!audio.isEmpty())  // a frame without sound: memcpy must not see the empty vector's null data
    std::memcpy(state.audio.data(), audio.constData(), std::size_t(audio.size()));
  return state;
}

}  // namespace quelbrook::play::protocol
