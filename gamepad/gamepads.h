#pragma once
// The gamepads plugged in, through SDL's game controller subsystem alone (no SDL window, no
// video): the owner polls it once a frame, and it opens pads plugged in before or meanwhile
// and lets go of those pulled out. Only one should exist at a time, as SDL's state is global.

#include <QStringList>
#include <memory>
#include <vector>

#include "controller_button.h"

struct _SDL_GameController;

namespace quelbrook::gamepad {

struct SdlLibrary;

class Gamepads {
 public:
  // Loads libSDL2 at the first; when it is missing or cannot start its controller subsystem
  // there are simply no gamepads.
  Gamepads();
  ~Gamepads();
  Gamepads(const Gamepads&) = delete;
  Gamepads& operator=(const Gamepads&) = delete;

  bool Started() const { return sdl_ != nullptr; }
  // Why not, when not started.
  const QString& StartError() const { return startError_; }
  // Takes SDL's events and returns the buttons pressed since the last poll, as SDL reports them.
  std::vector<ControllerButton> Poll();
  // Held on any open pad; a left stick pushed past half way holds that d-pad direction.
  HeldButtons Held() const;
  // The open pads' names, in the order they came.
  QStringList Names() const;

 private:
  class Open;
  void OpenDevice(int deviceIndex);
  void HoldStickDirections(_SDL_GameController* controller, HeldButtons& held) const;

  QString startError_;
  const SdlLibrary* sdl_;  // null when not started
  std::unique_ptr<Open> open_;
};

}  // namespace quelbrook::gamepad
