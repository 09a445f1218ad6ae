#pragma once

#include "platform/Dialogs.h"

// Message boxes with Italian buttons whatever the system's language. A box with one button
// takes Escape and its close box as that button; a question (Yes and No) is answered only by
// its buttons. Every box is wide enough for its whole title in the title bar.
class QtDialogs final : public Dialogs {
  public:
    int messageBox(const QString& text, int style, const QString& title) override;
    void beep() override;

    // The least width, in logical pixels, of a box whose title bar shows `title` whole: the
    // title in the window manager's title font (a bold sans of 8 points where the desktop says
    // nothing else), a pixel a letter for the window manager's own rounding, and, since the
    // title is centred, the room of the bar's icon and buttons on both sides.
    static int minimumWidth(const QString& title);
    static constexpr int kTitleBarRoom = 110;
};
