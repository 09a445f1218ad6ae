#pragma once

#include <QImage>
#include <QList>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QStringList>

class ServerX;

// What a program shows on a private X server with a window manager, and how to reach it as the
// pupil does, with the mouse and the keyboard: for the tests and tools that drive a real program
// (a Windows one under Wine too) from outside, through the X server. The caller's QApplication
// runs on the same server (platform xcb), to read the screen and the clipboard.
namespace schermo {

// The server, set by the caller's main before anything below is used.
inline ServerX* server = nullptr;

// A window titled `titolo` shown on the screen, other than those in `tranne` (the program
// shows several windows of the same title); 0 when none is within `ms` milliseconds. Wine keeps
// the keyboard focus of its windows itself (the window manager's active window may be another),
// so a key pressed once the window has had a moment to settle goes to it.
unsigned long cerca(const QString& titolo, int ms = 60000, QList<unsigned long> tranne = {});
// The window on top of all others: at the top of the window manager's stack or, where that is
// Wine's desktop, at the top of the desktop's own.
unsigned long inCima();
// The client area of window `id`, in screen coordinates.
QRect area(unsigned long id);
// What window `id` shows now.
QImage immagine(unsigned long id);
// Whether window `id` shows the start window fully drawn, within `ms` milliseconds.
bool inizioDisegnato(unsigned long id, int ms = 30000);
// The smallest rectangle round the pixels of `colore` in `immagine`; empty when none.
QRect zonaDelColore(const QImage& immagine, QRgb colore);
// The numbers written in large red digits in the band of `immagine` between rows `alto` and
// `basso`, left to right: the terms of an operation, read as the pupil reads them.
QList<int> numeriRossi(const QImage& immagine, int alto, int basso);
// In the exercise window `esercizi` (the product asked, the terms in large red digits): waits
// for a new operation (the last outcome gone), reads its two factors, types their product (or,
// where `giusta` is false, one more) and Enter, and waits until the outcome is written. Whether
// all of that happened.
bool rispondi(unsigned long esercizi, bool giusta = true);
// A click of the left button at `punto` on the screen; the pointer then rests in its corner.
bool clic(QPoint punto);
// Keys pressed one after the other, by their X names ("Return", "Tab", "1", "ctrl+c").
bool tasti(const QStringList& nomi);
// The whole screen saved as a PNG file for whoever reads a failure: its path.
QString fotografia(const QString& nome);
// The text on the clipboard once it holds `atteso` (within five seconds), else what it holds.
QString appunti(const QString& atteso);

}  // namespace schermo
