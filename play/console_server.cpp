#include "console_server.h"

#include <unistd.h>

#include <QtEndian>
#include <cerrno>
#include <optional>

#include "console_protocol.h"
#include "descriptor_io.h"
#include "editor_error.h"
#include "host.h"

namespace quelbrook::play {

namespace {
using namespace protocol;

// Reads exactly `size` bytes; false at the end of the stream or on an error.
bool ReadExactly(int fd, char* data, std::size_t size) {
  while (size > 0) {
    const ssize_t got = ::read(fd, data, size);
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) return false;
    data += got;
    size -= std::size_t(got);
  }
  return true;
}

bool WriteAll(int fd, const QByteArray& bytes) {
  return WriteAllBytes(fd, bytes.constData(), std::size_t(bytes.size()));
}

std::optional<QByteArray> ReadMessage(int fd) {
  char length[4];
  if (!ReadExactly(fd, length, sizeof length)) return std::nullopt;
  const quint32 bodyLength = qFromLittleEndian<quint32>(length);
  if (bodyLength > kMaxMessageBytes) return std::nullopt;  // not the editor talking: stop
  QByteArray body(qsizetype(bodyLength), Qt::Uninitialized);
  if (!ReadExactly(fd, body.data(), bodyLength)) return std::nullopt;
  return body;
}

CoreFacts FactsOf(const Host& host) {
  return {host.CoreName(), host.FramesAreReproducible(), host.FramesPerSecond(), host.SampleRate()};
}

ConsoleState StateOf(Host& host) {
  ConsoleState state{host.FramesRun(), host.SystemRam().toByteArray(), {}};
  state.audio.resize(host.Audio().FramesHeld() * 2);
  host.Audio().Take(state.audio.data(), host.Audio().FramesHeld());
  return state;
}

void Serve(Host& host, BodyReader& in, BodyWriter& out) {
  switch (ReadRequest(in)) {
    case Request::kLoad: {
      const auto bytes = in.Read<QByteArray>();
      host.LoadRom(bytes, in.Read<QString>());
      out << Answer::kDone << FactsOf(host) << StateOf(host);
      return;
    }
    case Request::kUnload:
      host.UnloadRom();
      out << Answer::kDone;
      return;
    case Request::kReset:
      host.Reset();
      out << Answer::kDone << StateOf(host);
      return;
    case Request::kRun:
      host.SetPad(ReadPad(in));
      host.RunFrame();
      out << Answer::kDone << StateOf(host);
      return;
    case Request::kFrame:
      out << Answer::kDone << host.Frame();
      return;
    case Request::kSaveState:
      out << Answer::kDone << host.SaveState();
      return;
    case Request::kLoadState:
      host.LoadState(in.Read<QByteArray>());
      out << Answer::kDone << StateOf(host);
      return;
  }
}
}  // namespace

QByteArray AnswerRequest(Host& host, const QByteArray& request) {
  BodyReader in(request);
  try {
    BodyWriter out;
    Serve(host, in, out);
    return out.Body();
  } catch (const EditorError& error) {
    BodyWriter refusal;
    refusal << Answer::kRefused << QString::fromStdString(error.what());
    return refusal.Body();
  }
}

int ServeConsole(const QString& corePath, const QString& playFolder, int in, int out) {
  std::optional<Host> host;
  BodyWriter greeting;
  try {
    host.emplace(corePath, playFolder);
    greeting << Answer::kDone << FactsOf(*host);
  } catch (const EditorError& error) {
    greeting << Answer::kRefused << QString::fromStdString(error.what());
  }
  if (!WriteAll(out, Framed(greeting.Body())) || !host) return 1;
  while (const auto request = ReadMessage(in))
    if (!WriteAll(out, Framed(AnswerRequest(*host, *request)))) return 1;
  return 0;
}

}  // namespace quelbrook::play
