#pragma once
// Writing to a POSIX file descriptor until every byte is taken, past interrupted calls.

#include <cstddef>

namespace quelbrook {

// False when a write fails, errno then telling why (EIO for a write that took nothing).
bool WriteAllBytes(int fd, const char* data, std::size_t size);

}  // namespace quelbrook
