#pragma once
// The console program's side of the pipe: a Host answering the editor's requests.

#include <QByteArray>
#include <QString>

namespace quelbrook::play {

class Host;

// Does what the request asks of the host and returns the answer's body; an EditorError the
// request meets becomes a refusal with its text, and the host serves on.
QByteArray AnswerRequest(Host& host, const QByteArray& request);

// Starts the core at corePath and greets on `out` with its facts (or why it could not start),
// then answers the requests on `in` until `in` closes. Returns the program's exit code.
int ServeConsole(const QString& corePath, const QString& playFolder, int in, int out);

}  // namespace quelbrook::play
