#pragma once
// Replaces a file only once its new content is complete on disk, so that a failed
// write never destroys the old file.

#include <cstddef>
#include <string>

namespace quelbrook {

// Throws EditorError with the file layer's text on failure; the old file stays.
// The replaced file keeps its permissions; a symbolic link stays a link and the file it
// names (at the end of a chain of links) is replaced.
void WriteFileAtomically(const std::string& path, const std::string& content);
// The path with symbolic links followed to the file they name (which need not exist).
std::string FileBehindLinks(const std::string& path);
// Far above anything export writes; a larger side file is refused unread.
constexpr std::size_t kSideFileLimit = 64 * 1024;

// Reads a whole side file; refuses files larger than maxBytes.
std::string ReadSideFile(const std::string& path, std::size_t maxBytes);

}  // namespace quelbrook
