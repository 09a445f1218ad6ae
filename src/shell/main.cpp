#include <QApplication>
#include <QTranslator>

#include "platform/Caratteri.h"
#include "shell/Programma.h"

int main(int argc, char* argv[]) {
    PreparazioneCaratteri caratteri;
    QApplication app(argc, argv);
    caratteri.attendi();
    QTranslator traduzioni;
    preparaApplicazione(app, traduzioni);

    Programma programma;
    programma.avvia();
    return app.exec();
}
