// The messages between the editor and its console program, on their own: framing over a
// stream that arrives in pieces, and bodies that end early or were never ours.
#include "console_protocol.h"

#include <gtest/gtest.h>

#include "editor_error.h"

namespace quelbrook::testing {
namespace {

using namespace play::protocol;

TEST(ConsoleProtocol, MessagesComeOutWholeHoweverTheStreamIsCut) {
  const QByteArray first("a request"), second(70000, 'x'), empty;
  const QByteArray stream = Framed(first) + Framed(empty) + Framed(second);
  for (qsizetype piece : {qsizetype(1), qsizetype(3), qsizetype(4096), stream.size()}) {
    QByteArray buffer;
    std::vector<QByteArray> messages;
    for (qsizetype at = 0; at < stream.size(); at += piece) {
      buffer += stream.mid(at, piece);
      while (auto message = TakeMessage(buffer)) messages.push_back(*message);
    }
    EXPECT_EQ(messages, (std::vector<QByteArray>{first, empty, second})) << "pieces of " << piece;
    EXPECT_TRUE(buffer.isEmpty());
  }
}

TEST(ConsoleProtocol, ALengthBeyondAnyMessageIsNotOurs) {
  QByteArray buffer(
      "\xff\xff\xff\x7f"
      "rest",
      8);
  EXPECT_THROW(TakeMessage(buffer), EditorError);
}

TEST(ConsoleProtocol, FramesStatesAndPadsArriveAsSent) {
  QImage frame(5, 3, QImage::Format_RGB32);
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 5; ++x) frame.setPixel(x, y, qRgb(x * 40, y * 80, 7));
  play::PadState pad;
  pad.Set(play::PadButton::kLeft, true);
  pad.Set(play::PadButton::kSelect, true);
  const ConsoleState state{42, QByteArray(2048, '\x5a'), {1, -2, 32767, -32768}};
  const CoreFacts facts{"nestopia_libretro.so", true, 60.0988, 44100};

  const ConsoleState silent{43, {}, {}};  // before a game: no RAM, no sound

  BodyWriter out;
  out << frame << QImage() << pad << state << silent << facts;
  BodyReader in(out.Body());
  EXPECT_EQ(ReadFrame(in), frame);
  EXPECT_TRUE(ReadFrame(in).isNull()) << "before the first frame";
  EXPECT_EQ(ReadPad(in), pad);
  const ConsoleState read = ReadConsoleState(in);
  EXPECT_EQ(read.framesRun, 42);
  EXPECT_EQ(read.systemRam, state.systemRam);
  EXPECT_EQ(read.audio, state.audio);
  const ConsoleState readSilent = ReadConsoleState(in);
  EXPECT_EQ(readSilent.framesRun, 43);
  EXPECT_TRUE(readSilent.systemRam.isEmpty() && readSilent.audio.empty());
  const CoreFacts readFacts = ReadCoreFacts(in);
  EXPECT_EQ(readFacts.coreName, facts.coreName);
  EXPECT_TRUE(readFacts.framesAreReproducible);
  EXPECT_EQ(readFacts.framesPerSecond, facts.framesPerSecond);
  EXPECT_EQ(readFacts.sampleRate, facts.sampleRate);
}

TEST(ConsoleProtocol, ABodyThatEndsEarlyOrLiesAboutItsPictureIsRefused) {
  BodyWriter out;
  out << QImage(4, 4, QImage::Format_RGB32);
  const QByteArray whole = out.Body();
  BodyReader cut(whole.left(whole.size() - 1));
  EXPECT_THROW(ReadFrame(cut), EditorError);

  BodyWriter lying;
  lying << qint32(4) << qint32(4) << QByteArray(15, '\0');
  BodyReader liar(lying.Body());
  EXPECT_THROW(ReadFrame(liar), EditorError);

  BodyWriter unknown;
  unknown << quint8(99);
  BodyReader request(unknown.Body());
  EXPECT_THROW(ReadRequest(request), EditorError);
}

TEST(ConsoleProtocol, ARefusalBecomesItsErrorAndADoneAnswerItsFields) {
  BodyWriter refused;
  refused << Answer::kRefused << QString("The NES core refused odd.nes");
  try {
    FieldsOfDone(refused.Body());
    FAIL() << "a refusal must throw";
  } catch (const EditorError& error) {
    EXPECT_STREQ(error.what(), "The NES core refused odd.nes");
  }
  BodyWriter done;
  done << Answer::kDone << QByteArray("state");
  BodyReader fields(FieldsOfDone(done.Body()));
  EXPECT_EQ(fields.Read<QByteArray>(), "state");
}

}  // namespace
}  // namespace quelbrook::testing
