#pragma once

#include "platform/Sound.h"

// Plays sounds through winmm's PlaySound, as Windows programs play short sounds: asynchronous,
// a new sound cutting off the one still playing, and nothing at all (not the system's default
// sound) when the file is missing. Built on Windows only, where it stands in for Qt
// Multimedia, which the Windows build neither links nor ships.
class WinSound final : public Sound {
  public:
    bool play(const QString& file, unsigned flags) override;
};
