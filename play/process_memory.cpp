#include "process_memory.h"

#include <unistd.h>

#include <fstream>
#include <string>

namespace quelbrook::play {

std::optional<std::int64_t> ResidentBytes(std::int64_t pid) {
  std::ifstream statm("/proc/" + (pid == 0 ? std::string("self") : std::to_string(pid)) + "/statm");
  std::int64_t sizePages = 0, residentPages = 0;
  if (!(statm >> sizePages >> residentPages)) return std::nullopt;
  return residentPages * sysconf(_SC_PAGESIZE);
}

}  // namespace quelbrook::play
