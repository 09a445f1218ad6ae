#pragma once

#include "platform/Dialogs.h"

// Message boxes with Italian buttons whatever the system's language.
class QtDialogs final : public Dialogs {
  public:
    int messageBox(const QString& text, int style, const QString& title) override;
    void beep() override;
};
