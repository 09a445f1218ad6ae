#pragma once

#include "platform/Ending.h"

// In a browser, whose page runs the program's loop and never returns from it: the page is told
// that the session has ended, and shows so (BrowserSystem.cpp). Built for the browser only.
class BrowserEnding final : public Ending {
  public:
    void endProgram() override;
};
