#pragma once
// A real folder that takes no new files, for this process too: read-only for an
// ordinary user, immutable (chattr +i) for root, whom file modes do not stop.

#include <filesystem>
#include <string>

namespace quelbrook::testing {

class LockedFolder {
 public:
  // Locks the folder; locked() says whether that worked, and why not.
  explicit LockedFolder(std::filesystem::path folder);
  ~LockedFolder();  // unlocks, so that the folder can be removed
  LockedFolder(const LockedFolder&) = delete;
  LockedFolder& operator=(const LockedFolder&) = delete;

  bool locked() const { return locked_; }
  const std::string& whyNot() const { return whyNot_; }

 private:
  std::filesystem::path folder_;
  bool locked_ = false;
  bool immutable_ = false;
  std::string whyNot_;
};

}  // namespace quelbrook::testing
