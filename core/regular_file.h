#pragma once
// Reads a file of the user's whole, in as few system calls as its size allows.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace quelbrook {

// The content, or nothing when the file holds more than maxBytes (refused unread where its
// size tells). The open is non-blocking, so that a pipe of that name cannot stall the caller;
// anything but a regular file is refused. Throws EditorError with the file layer's text.
std::optional<std::string> ReadRegularFile(const std::string& path, std::size_t maxBytes);
// The same as bytes, for whole images: no copy from a text.
std::optional<std::vector<std::uint8_t>> ReadRegularFileBytes(const std::string& path, std::size_t maxBytes);
// The same through a descriptor the caller opened and keeps, read from its current offset,
// into buffer's memory when it holds enough: a caller that reads the same file again and
// again passes the last content back.
std::optional<std::vector<std::uint8_t>> ReadRegularFileBytes(int fd, std::size_t maxBytes,
                                                              std::vector<std::uint8_t> buffer = {});

}  // namespace quelbrook
