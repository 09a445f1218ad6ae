#include "shell/Programma.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>

#include "shell/Aspetto.h"

void preparaApplicazione(QApplication& app, QTranslator& traduzioni) {
    preparaAspetto();
    QApplication::setApplicationName(QStringLiteral("rovororezovered"));
    if (traduzioni.load(QLocale(QLocale::Italian), QStringLiteral("qtbase"), QStringLiteral("_"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        app.installTranslator(&traduzioni);
}

Programma::Programma()
    : platform_{clock_,
                random_,
                sound_,
                dialogs_,
                launcher_,
                printer_,
                QApplication::applicationDirPath()},
      finestre_(stato_, platform_) {}

void Programma::avvia() {
    finestre_.sfondo();
}
