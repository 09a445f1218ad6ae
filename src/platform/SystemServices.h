#pragma once

// The platform services that differ from system to system, as the program builds them
// (platform/Sistema.cmake compiles the matching files):
// - the sound of a right answer: winmm's PlaySound on Windows, the page's Web Audio in a
//   browser, Qt Multimedia elsewhere;
// - the printer: the system's default printer through QPrinter on the desktop; in a browser,
//   which has no print system, a PDF of each document handed to the browser as a download;
// - the launcher: Qt's, which starts a program by name; a browser cannot start one;
// - the faces of the program's fonts (Arial, Courier New, MS Sans Serif): the desktop's font
//   system maps them to metric-compatible faces it has; a browser has none, and the program
//   brings the Liberation faces with it;
// - the folder the program reads its own files from (its sound): the executable's folder on the
//   desktop; in a browser, the program's resources, which carry them;
// - the end of the program: on the desktop its event loop stops and the process ends; in a
//   browser, whose page runs the program's loop and never returns from it, the page is told the
//   program has ended, and shows so.
#include <QCoreApplication>
#include <QString>

#if defined(__EMSCRIPTEN__)
#include "platform/BrowserLauncher.h"
#include "platform/BrowserPrinter.h"
#include "platform/WebSound.h"
using SystemSound = WebSound;
using SystemPrinter = BrowserPrinter;
using SystemLauncher = BrowserLauncher;
// What the program needs of the browser before its windows open (BrowserSystem.cpp): the bundled
// faces and the names they stand for, and the page told when the last window has closed.
void prepareSystem();
void endProgram();
inline QString programFolder() {
    return QStringLiteral(":");
}
#else
#include "platform/QtLauncher.h"
#include "platform/QtPrinter.h"
#ifdef _WIN32
#include "platform/WinSound.h"
using SystemSound = WinSound;
#else
#include "platform/QtSound.h"
using SystemSound = QtSound;
#endif
using SystemPrinter = QtPrinter;
using SystemLauncher = QtLauncher;
inline void prepareSystem() {}
inline void endProgram() {
    QCoreApplication::exit(0);
}
inline QString programFolder() {
    return QCoreApplication::applicationDirPath();
}
#endif
