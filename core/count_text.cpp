#include "count_text.h"

namespace quelbrook {

std::string CountText(std::size_t count, const std::string& noun, const std::string& plural) {
  if (count == 1) return "1 " + noun;
  return std::to_string(count) + ' ' + (plural.empty() ? noun + 's' : plural);
}

}  // namespace quelbrook
