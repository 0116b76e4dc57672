#include "core_options.h"

#include <algorithm>
#include <vector>

namespace quelbrook::play {

namespace {
// "Description; a|b|c" gives a, b and c.
std::vector<std::string> OfferedValues(const std::string& description) {
  std::vector<std::string> values;
  const auto separator = description.find("; ");
  if (separator == std::string::npos) return values;
  std::string::size_type start = separator + 2;
  for (;;) {
    const auto bar = description.find('|', start);
    values.push_back(description.substr(start, bar == std::string::npos ? std::string::npos : bar - start));
    if (bar == std::string::npos) return values;
    start = bar + 1;
  }
}
}  // namespace

const std::map<std::string, std::string>& FixedCoreOptions() {
  static const std::map<std::string, std::string> fixed{
      {"nestopia_palette", "cxa2025as"},      {"nestopia_blargg_ntsc_filter", "disabled"},
      {"nestopia_overscan_v", "disabled"},    {"nestopia_overscan_h", "disabled"},
      {"nestopia_favored_system", "ntsc"},    {"nestopia_ram_power_state", "0x00"},
      {"nestopia_nospritelimit", "disabled"},
  };
  return fixed;
}

void CoreOptions::Declare(const std::string& key, const std::string& description) {
  const std::vector<std::string> offered = OfferedValues(description);
  const auto fixed = FixedCoreOptions().find(key);
  if (fixed != FixedCoreOptions().end() && std::count(offered.begin(), offered.end(), fixed->second))
    values_[key] = fixed->second;
  else
    values_[key] = offered.empty() ? std::string() : offered.front();
}

bool CoreOptions::PinsEveryFixedOption() const {
  return std::all_of(FixedCoreOptions().begin(), FixedCoreOptions().end(), [this](const auto& fixed) {
    const auto found = values_.find(fixed.first);
    return found != values_.end() && found->second == fixed.second;
  });
}

const char* CoreOptions::Value(const std::string& key) const {
  const auto found = values_.find(key);
  return found == values_.end() ? nullptr : found->second.c_str();
}

}  // namespace quelbrook::play
