#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "platform/Platform.h"
#include "platform/QtClock.h"
#include "platform/QtDialogs.h"
#include "platform/QtLauncher.h"
#include "platform/QtPrinter.h"
#include "platform/QtSound.h"
#include "platform/StdRandom.h"
#include "shell/Finestre.h"
#include "shell/Modulo1.h"
#include "shell/frmSfondo.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // Fusion draws buttons in their palette colour on every system, as the windows want.
    QApplication::setStyle(QStringLiteral("Fusion"));
    QApplication::setApplicationName(QStringLiteral("rovororezovered"));

    // Qt's own texts (context menus, standard dialogs) in Italian; without the file they stay
    // in English.
    QTranslator traduzioni;
    if (traduzioni.load(QLocale(QLocale::Italian), QStringLiteral("qtbase"), QStringLiteral("_"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&traduzioni);

    QtClock clock;
    StdRandom random;
    QtSound sound;
    QtDialogs dialogs;
    QtLauncher launcher;
    QtPrinter printer;
    Platform platform{
        clock, random, sound, dialogs, launcher, printer, QApplication::applicationDirPath()};

    Modulo1 stato;
    Finestre finestre(stato, platform);
    finestre.sfondo();
    return app.exec();
}
