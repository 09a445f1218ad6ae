#pragma once

#include <QString>

// Message boxes and the system beep.
class Dialogs {
  public:
    // Button codes returned by messageBox.
    static constexpr int Ok = 1;
    static constexpr int Yes = 6;
    static constexpr int No = 7;
    // Styles: buttons in the low bits, icon in 16/32/48/64.
    static constexpr int OkOnly = 0;
    static constexpr int YesNo = 4;
    static constexpr int Information = 64;

    virtual ~Dialogs() = default;
    // Shows a modal message box and returns the code of the button pressed. A carriage
    // return (code 13) in `text` breaks the line; an empty `title` shows the program's title.
    virtual int messageBox(const QString& text, int style, const QString& title) = 0;
    // The system beep, for a refused key.
    virtual void beep() = 0;
};
