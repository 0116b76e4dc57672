#pragma once
// How a ROM's game is run for its pictures (learn::CaptureSettings), remembered per ROM like the
// choice of pictures, so that learning and the console view run it alike.

#include "capture_settings.h"
#include "rom_identity.h"

namespace quelbrook {

// The settings remembered for the game, else for the path, else the defaults: what learning runs.
learn::CaptureSettings ReadCaptureSettings(const RomIdentity& rom);
// The same for the console view, which takes the origin learning found (learned.txt in
// LearnedPicturesFolder) when none is remembered, rather than finding it again.
learn::CaptureSettings ReadConsoleViewSettings(const RomIdentity& rom);
void WriteCaptureSettings(const RomIdentity& rom, const learn::CaptureSettings& settings);

}  // namespace quelbrook
