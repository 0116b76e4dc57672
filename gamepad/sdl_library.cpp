#include "sdl_library.h"

#include <QLibrary>

namespace quelbrook::gamepad {

namespace {
struct Loaded {
  SdlLibrary functions{};
  QString error;
};

template <typename Function>
bool Resolve(QLibrary& library, const char* name, Function& function, QString& error) {
  function = reinterpret_cast<Function>(library.resolve(name));
  if (!function) error = library.errorString();
  return function != nullptr;
}

Loaded Load() {
  Loaded loaded;
  // Debian's libsdl2-2.0-0; never unloaded, as SDL's threads may outlive any one user.
  QLibrary library("SDL2-2.0", 0);
  if (!library.load()) {
    loaded.error = library.errorString();
    return loaded;
  }
  SdlLibrary& f = loaded.functions;
  // Each member bears the name of its function without "SDL_".
#define QUELBROOK_RESOLVE(name) Resolve(library, "SDL_" #name, f.name, loaded.error)
  const bool all = QUELBROOK_RESOLVE(SetHint) && QUELBROOK_RESOLVE(InitSubSystem) &&
                   QUELBROOK_RESOLVE(QuitSubSystem) && QUELBROOK_RESOLVE(GetError) &&
                   QUELBROOK_RESOLVE(PollEvent) && QUELBROOK_RESOLVE(NumJoysticks) &&
                   QUELBROOK_RESOLVE(IsGameController) && QUELBROOK_RESOLVE(JoystickGetDeviceInstanceID) &&
                   QUELBROOK_RESOLVE(JoystickInstanceID) && QUELBROOK_RESOLVE(GameControllerOpen) &&
                   QUELBROOK_RESOLVE(GameControllerClose) && QUELBROOK_RESOLVE(GameControllerGetJoystick) &&
                   QUELBROOK_RESOLVE(GameControllerGetButton) && QUELBROOK_RESOLVE(GameControllerGetAxis) &&
                   QUELBROOK_RESOLVE(GameControllerName);
#undef QUELBROOK_RESOLVE
  if (!all) loaded.functions = {};
  return loaded;
}
}  // namespace

const SdlLibrary* LoadSdlLibrary(QString& error) {
  static const Loaded loaded = Load();
  error = loaded.error;
  return loaded.functions.SetHint ? &loaded.functions : nullptr;
}

}  // namespace quelbrook::gamepad
