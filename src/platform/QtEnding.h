#pragma once

#include <QCoreApplication>

#include "platform/Ending.h"

// On the desktop: the event loop stops, and with it the process.
class QtEnding final : public Ending {
  public:
    void endProgram() override { QCoreApplication::exit(0); }
};
