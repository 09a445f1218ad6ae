#pragma once

// The look of the program's windows, the same on every system, and how they present
// themselves to screen readers. Call it once, after the QApplication is built and before the
// first window.
//
// - Qt's Fusion style, whose buttons, lists and frames take their colours from the palette.
// - Graphical command buttons (those built by nuovoPulsante) show their own colour flat over
//   the whole face; pressing darkens the face, the pointer over it lightens it, and the focus
//   draws a ring in the highlight colour.
// - Every top-level window speaks to accessibility as a window, also those that are plain
//   widgets rather than main windows.
void preparaAspetto();

// The dynamic property that marks a graphical button.
inline constexpr char kPulsanteGrafico[] = "pulsanteGrafico";
