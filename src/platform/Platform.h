#pragma once

#include <QString>

#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "platform/Ending.h"
#include "platform/Launcher.h"
#include "platform/Printer.h"
#include "platform/Random.h"
#include "platform/Sound.h"

// The services of the desktop the drill runs on. main() builds the real ones; tests build
// fakes.
struct Platform {
    Clock& clock;
    Random& random;
    Sound& sound;
    Dialogs& dialogs;
    Launcher& launcher;
    Printer& printer;
    Ending& ending;
    // The folder the program runs from (where its sound file lies).
    QString programFolder;
};
