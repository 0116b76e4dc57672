#include "editor_error.h"

#include <cerrno>

namespace quelbrook {

namespace messages {
std::string IoError(int code) { return "I/O error " + std::to_string(code); }
std::string NotAValidInteger(const std::string& text) {
  return "'" + text + "' is not a valid integer value";
}
}  // namespace messages

void ThrowFileError(int errnoCode, const std::string& path) {
  switch (errnoCode) {
    case ENOENT:
    case ENOTDIR:
      throw FileError(messages::kFileNotFound, path);
    case EACCES:
    case EPERM:
    case EROFS:
    case ETXTBSY:
    case EISDIR:  // as the platform's own runtime reports a folder
      throw FileError(messages::kFileAccessDenied, path);
    default:
      throw FileError(messages::IoError(errnoCode), path);
  }
}

}  // namespace quelbrook
