#pragma once

#include "platform/Launcher.h"

// A page cannot start programs on the pupil's device: every start fails, and the program tells
// the pupil that the program is missing, as it does on a desktop without it. Built for the
// browser only.
class BrowserLauncher final : public Launcher {
  public:
    bool startProgram(const QString&) override { return false; }
};
