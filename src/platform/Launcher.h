#pragma once

#include <QString>

// Starts other programs.
class Launcher {
  public:
    virtual ~Launcher() = default;
    // Starts `program`, a bare file name looked up as the system looks up any program named
    // without a folder, detached, in a normal window, without a shell. Returns whether it
    // started.
    virtual bool startProgram(const QString& program) = 0;
};
