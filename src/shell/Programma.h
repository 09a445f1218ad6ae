#pragma once

#include <QTranslator>

#include "platform/Platform.h"
#include "platform/QtClock.h"
#include "platform/QtDialogs.h"
#include "platform/StdRandom.h"
#include "platform/SystemServices.h"
#include "shell/Finestre.h"
#include "shell/Modulo1.h"

class QApplication;

// The look and the language of the application: the faces of its fonts, the look of
// preparaAspetto, and Qt's own texts (context menus, standard dialogs) in Italian. Without the
// translation file they stay in English.
void preparaApplicazione(QApplication& app, QTranslator& traduzioni);

// Everything a run of the program holds: the real platform services, the session state and
// the window registry. Build it after the QApplication.
class Programma {
  public:
    Programma();
    // Starts the program: the background window loads and shows the start window.
    void avvia();

  private:
    QtClock clock_;
    StdRandom random_;
    SystemSound sound_;
    QtDialogs dialogs_;
    SystemLauncher launcher_;
    SystemPrinter printer_;
    SystemEnding ending_;
    Platform platform_;
    Modulo1 stato_;
    Finestre finestre_;
};
