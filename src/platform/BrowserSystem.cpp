#include <QFont>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QIcon>
#include <QTimer>

#include <emscripten.h>

#include "platform/SystemServices.h"

void prepareSystem() {
    for (const char* face : {"LiberationSans-Regular", "LiberationSans-Bold",
                             "LiberationMono-Regular", "LiberationMono-Bold"})
        QFontDatabase::addApplicationFont(
            QStringLiteral(":/fonts/%1.ttf").arg(QLatin1String(face)));
    // The names the windows and the printouts ask for, as the desktop's font systems map them.
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("Courier New"), QStringLiteral("Liberation Mono"));
    QFont::insertSubstitution(QStringLiteral("Courier"), QStringLiteral("Liberation Mono"));
    // The program's own icon in the title bars Qt draws in the page, where no desktop gives one.
    QGuiApplication::setWindowIcon(QIcon(QStringLiteral(":/icona.png")));
    // Closing the start window closes them all: the program ends, as on the desktop.
    QObject::connect(qGuiApp, &QGuiApplication::lastWindowClosed, qGuiApp, endProgram);
}

void endProgram() {
    // Once the windows have gone (they are deleted when control is back in the event loop), the
    // program's module ends and the page says so.
    QTimer::singleShot(0, [] { emscripten_force_exit(0); });
}
