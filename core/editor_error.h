#pragma once
// The one failure type of the editor: it carries the text the user is shown.

#include <stdexcept>
#include <string>
#include <utility>

namespace quelbrook {

class EditorError : public std::runtime_error {
 public:
  explicit EditorError(const std::string& text) : std::runtime_error(text) {}
};

namespace messages {
inline const char* const kFileNotFound = "File not found";
inline const char* const kFileAccessDenied = "File access denied";
inline const char* const kReadBeyondEnd = "Read beyond end of file";
inline const char* const kWriteBeyondEnd = "Write beyond end of file";
std::string IoError(int code);
std::string NotAValidInteger(const std::string& text);
}  // namespace messages

// A failed operation on a file: the runtime's text, as the window shows it, and the file, which
// the command-line tool names.
class FileError : public EditorError {
 public:
  FileError(const std::string& text, std::string path) : EditorError(text), path_(std::move(path)) {}
  const std::string& path() const { return path_; }

 private:
  std::string path_;
};

// The runtime's text for a failed file operation's errno, of the file at `path` when known.
[[noreturn]] void ThrowFileError(int errnoCode, const std::string& path = {});

}  // namespace quelbrook
