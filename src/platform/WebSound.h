#pragma once

#include "platform/Sound.h"

// Plays sounds through the page's Web Audio. A browser lets a page start its audio only from the
// user's own click or key: the program plays its chime from the pupil's verify action, which
// counts as one. The file is read from the program's own files, decoded once, and played from
// memory; a new sound stops the one still playing; a missing file plays nothing. Built for the
// browser only.
class WebSound final : public Sound {
  public:
    bool play(const QString& file, unsigned flags) override;
};
