#pragma once

#include "platform/Launcher.h"

class QtLauncher final : public Launcher {
  public:
    bool startProgram(const QString& program) override;
};
