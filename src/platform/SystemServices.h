#pragma once

// The platform services that differ from system to system, as the program is built with them.
// platform/Sistema.cmake chooses the system, compiles the matching files and defines
// DRILL_SISTEMA_BROWSER or DRILL_SISTEMA_WINDOWS accordingly; this header only follows it:
// - the sound of a right answer: winmm's PlaySound on Windows, the page's Web Audio in a
//   browser, Qt Multimedia elsewhere;
// - the printer: the system's default printer through QPrinter on the desktop; in a browser,
//   which has no print system, a PDF of each document handed to the browser as a download;
// - the launcher: Qt's, which starts a program by name; a browser cannot start one;
// - the end of the program: on the desktop its event loop stops and the process ends; in a
//   browser, whose page runs the program's loop and never returns from it, the page is told;
// - what the system needs before the windows open (prepareSystem): nothing on the desktop, whose
//   font system maps the program's faces (Arial, Courier New, MS Sans Serif) to metric-compatible
//   ones; a browser has none, and the program brings the Liberation faces with it;
// - the folder the program reads its own files from (its sound): the executable's folder on the
//   desktop; in a browser, the program's resources, which carry them.
#include <QCoreApplication>
#include <QString>

#if DRILL_SISTEMA_BROWSER
#include "platform/BrowserEnding.h"
#include "platform/BrowserLauncher.h"
#include "platform/BrowserPrinter.h"
#include "platform/WebSound.h"
using SystemSound = WebSound;
using SystemPrinter = BrowserPrinter;
using SystemLauncher = BrowserLauncher;
using SystemEnding = BrowserEnding;
// The bundled faces and the names they stand for, the page's keyboard for tablets
// (BrowserSystem.cpp).
void prepareSystem();
inline QString programFolder() {
    return QStringLiteral(":");
}
#else
#include "platform/QtEnding.h"
#include "platform/QtLauncher.h"
#include "platform/QtPrinter.h"
#if DRILL_SISTEMA_WINDOWS
#include "platform/WinSound.h"
using SystemSound = WinSound;
#else
#include "platform/QtSound.h"
using SystemSound = QtSound;
#endif
using SystemPrinter = QtPrinter;
using SystemLauncher = QtLauncher;
using SystemEnding = QtEnding;
inline void prepareSystem() {}
inline QString programFolder() {
    return QCoreApplication::applicationDirPath();
}
#endif
