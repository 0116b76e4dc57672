#pragma once
// The functions of SDL2 the gamepads use, from libSDL2 loaded when the first gamepads are
// made rather than linked: linked, SDL and the sound libraries it depends on would load at
// every start of the editor, as Qt Multimedia would.

#include <SDL.h>

#include <QString>

namespace quelbrook::gamepad {

struct SdlLibrary {
  decltype(&SDL_SetHint) SetHint;
  decltype(&SDL_InitSubSystem) InitSubSystem;
  decltype(&SDL_QuitSubSystem) QuitSubSystem;
  decltype(&SDL_GetError) GetError;
  decltype(&SDL_PollEvent) PollEvent;
  decltype(&SDL_NumJoysticks) NumJoysticks;
  decltype(&SDL_IsGameController) IsGameController;
  decltype(&SDL_JoystickGetDeviceInstanceID) JoystickGetDeviceInstanceID;
  decltype(&SDL_JoystickInstanceID) JoystickInstanceID;
  decltype(&SDL_GameControllerOpen) GameControllerOpen;
  decltype(&SDL_GameControllerClose) GameControllerClose;
  decltype(&SDL_GameControllerGetJoystick) GameControllerGetJoystick;
  decltype(&SDL_GameControllerGetButton) GameControllerGetButton;
  decltype(&SDL_GameControllerGetAxis) GameControllerGetAxis;
  decltype(&SDL_GameControllerName) GameControllerName;
};

// Loaded once and kept; null when libSDL2 or one of its functions is missing, `error` says why.
const SdlLibrary* LoadSdlLibrary(QString& error);

}  // namespace quelbrook::gamepad
