#pragma once

#include <QSize>

// Scales the whole program down where its largest window would not fit the screen: a window
// area of `window` logical pixels inside a frame that takes `frame` more (title bar and borders,
// which the system draws at its own scale) must fit the primary screen's available area (the
// screen without its taskbar). Text, controls and drawings shrink together by one factor, as Qt
// scales a program for a screen's display scaling, which it multiplies; where the window fits,
// nothing changes. Call it after the QApplication is made and before any window is. Returns the
// factor it applied (1 where nothing changed). In a browser the page makes the room instead.
double fitToScreen(QSize window, QSize frame);
