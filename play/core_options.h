#pragma once
// The answers to a core's option questions. Every option takes its first (default) value
// except the few fixed here, so that a frame depends on the ROM and the pad alone.

#include <map>
#include <string>

namespace quelbrook::play {

class CoreOptions {
 public:
  // An option the core announces as "Description; value1|value2|...".
  void Declare(const std::string& key, const std::string& description);
  // The value for the key; nullptr for an option never declared.
  const char* Value(const std::string& key) const;
  // Whether the core took every value the host fixes: only then does a frame depend on the
  // ROM and the pad alone. Other cores name their options differently and keep their own.
  bool PinsEveryFixedOption() const;

 private:
  std::map<std::string, std::string> values_;
};

// The values the host fixes, whatever the core's defaults: the palette (pictures/nes_colours.h),
// no NTSC filter and no cropping, NTSC timing, and work RAM cleared at power on instead of
// random.
const std::map<std::string, std::string>& FixedCoreOptions();

}  // namespace quelbrook::play
