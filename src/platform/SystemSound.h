#pragma once

// The sound service of the system the program is built for: winmm's PlaySound on Windows, Qt
// Multimedia elsewhere.
#ifdef _WIN32
#include "platform/WinSound.h"
using SystemSound = WinSound;
#else
#include "platform/QtSound.h"
using SystemSound = QtSound;
#endif
