#include <QApplication>
#include <QTranslator>

#include "shell/Programma.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QTranslator traduzioni;
    preparaApplicazione(app, traduzioni);

    Programma programma;
    programma.avvia();
    return app.exec();
}
