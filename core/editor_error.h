#pragma once
// The one failure type of the editor: it carries the text the user is shown.

#include <stdexcept>
#include <string>

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

// The runtime's text for a failed file operation's errno.
[[noreturn]] void ThrowFileError(int errnoCode);

}  // namespace quelbrook
