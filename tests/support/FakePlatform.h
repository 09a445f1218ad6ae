#pragma once

#include <QString>

#include "platform/Platform.h"
#include "support/FakeServizi.h"

// The fakes, bundled as the Platform the windows take.
struct FakePlatform {
    FakePlatform();
    FakePlatform(const FakePlatform&) = delete;
    FakePlatform& operator=(const FakePlatform&) = delete;

    FakeClock clock;
    FakeRandom random;
    FakeSound sound;
    FakeDialogs dialogs;
    FakeLauncher launcher;
    FakePrinter printer;
    FakeEnding ending;
    Platform platform{clock,    random,  sound,  dialogs,
                      launcher, printer, ending, QStringLiteral("/programma")};

    // The same platform with a real service in place of one fake.
    Platform con(Dialogs& veri) {
        return {clock, random, sound, veri, launcher, printer, ending, platform.programFolder};
    }
    Platform con(Launcher& vero) {
        return {clock, random, sound, dialogs, vero, printer, ending, platform.programFolder};
    }
    Platform con(Printer& vera) {
        return {clock, random, sound, dialogs, launcher, vera, ending, platform.programFolder};
    }
};
