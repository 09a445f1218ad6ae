#include "shell/Programma.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>

#include "shell/Aspetto.h"

void preparaApplicazione(QApplication& app, QTranslator& traduzioni) {
    prepareSystem();
    preparaAspetto();
    Finestre::adattaAlloSchermo();
    QApplication::setApplicationName(QStringLiteral("rovororezovered"));
    // Qt's texts where Qt keeps them, or else those the program carries in its resources.
    for (const QString& cartella :
         {QLibraryInfo::path(QLibraryInfo::TranslationsPath), QStringLiteral(":/translations")}) {
        if (traduzioni.load(QLocale(QLocale::Italian), QStringLiteral("qtbase"),
                            QStringLiteral("_"), cartella)) {
            app.installTranslator(&traduzioni);
            break;
        }
    }
}

Programma::Programma()
    : platform_{clock_, random_, sound_, dialogs_, launcher_, printer_, ending_, programFolder()},
      finestre_(stato_, platform_) {}

void Programma::avvia() {
    finestre_.sfondo();
}
