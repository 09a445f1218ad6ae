// guida_fotografie PROGRAM FOLDER
// Takes the pictures of the teachers' guide (docs/GUIDA.md) from the real program PROGRAM: starts
// it on a private X server with a window manager, at 1024x768, drives it with the keyboard as a
// pupil would (reading each operation off the screen to answer it), and saves each window it
// shows, with its frame, as a PNG file in FOLDER. No printer and no sound server are reachable
// from it, so nothing is printed or heard. tools/screenshots builds and runs it.
#include <QApplication>
#include <QDir>
#include <QProcess>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <cstdlib>
#include <iostream>
#include <string>

#include "support/ProcessoFiglio.h"
#include "support/Schermo.h"
#include "support/ServerX.h"

namespace {

const QString kTitolo = QStringLiteral("ROVOROREZOVERED.1");

[[noreturn]] void fallisci(const std::string& perche) {
    std::cerr << "guida_fotografie: " << perche << "\n";
    std::exit(1);
}

// Window `id` with its frame, as the screen shows it now, saved as FOLDER/nome.png.
void fotografa(unsigned long id, const QDir& cartella, const char* nome) {
    QTest::qWait(400);  // the last key's effects drawn
    const QRect cornice = schermo::server->cornice(id);
    if (cornice.isEmpty())
        fallisci(std::string("no window to take for ") + nome);
    const QString file = cartella.filePath(QString::fromLatin1(nome) + ".png");
    if (!QGuiApplication::primaryScreen()
             ->grabWindow(0, cornice.x(), cornice.y(), cornice.width(), cornice.height())
             .save(file))
        fallisci("cannot write " + file.toStdString());
    std::cout << file.toStdString() << "\n";
}

unsigned long finestra(const QString& titolo, QList<unsigned long> tranne = {}) {
    const unsigned long id = schermo::cerca(titolo, 30000, tranne);
    if (!id)
        fallisci("no window " + titolo.toStdString() + " on the screen");
    return id;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc != 3)
        fallisci("usage: guida_fotografie PROGRAM FOLDER");
    const QString programma = QString::fromLocal8Bit(argv[1]);
    const QDir cartella(QString::fromLocal8Bit(argv[2]));

    ServerX server(QSize(1024, 768));
    if (!server.avviato())
        fallisci("the private X server did not start: " + server.errore().toStdString());
    schermo::server = &server;
    qputenv("DISPLAY", server.display().toLocal8Bit());
    qputenv("QT_QPA_PLATFORM", "xcb");
    QApplication app(argc, argv);

    // The program as on a pupil's desktop, with no printer (its message is one of the pictures)
    // and no sound server.
    QTemporaryDir nessuno;
    QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
    ambiente.insert("CUPS_SERVER", nessuno.filePath("cups.sock"));
    ambiente.insert("PULSE_SERVER", nessuno.filePath("pulse"));
    ambiente.remove("QT_QPA_PLATFORM");
    QProcess drill;
    drill.setProcessEnvironment(ambiente);
    drill.setProcessChannelMode(QProcess::ForwardedChannels);
    terminaColTest(drill);
    drill.start(programma, {});
    if (!drill.waitForStarted())
        fallisci("cannot start " + programma.toStdString());

    const unsigned long inizio = finestra(kTitolo);
    const unsigned long sfondo = finestra("Form1");
    if (!schermo::inizioDisegnato(inizio))
        fallisci("the start window was not drawn");
    schermo::tasti({"L", "u", "c", "a"});
    fotografa(inizio, cartella, "inizio");
    schermo::tasti({"Return"});
    fotografa(inizio, cartella, "intervalli");

    // The first range; the first answer right, the second wrong.
    schermo::tasti({"Return"});
    const unsigned long esercizi = finestra("ESERCIZI SULLE " + kTitolo);
    for (int n = 1; n <= 40; ++n) {
        if (!schermo::rispondi(esercizi, n != 2))
            fallisci("operation " + std::to_string(n) + " not answered");
        if (n == 2)
            fotografa(esercizi, cartella, "esercizio");
        if (n < 40)
            schermo::tasti({"Return"});
    }
    fotografa(finestra("FINE ESERCITAZIONE"), cartella, "domanda");
    schermo::tasti({"Return"});

    // The report opens with "ESCI" focused: Tab to "STAMPA LE OPERAZIONI", then to "Visualizza
    // attestato".
    fotografa(finestra("STAMPA DELLE OPERAZIONI"), cartella, "resoconto");
    schermo::tasti({"Tab", "Return"});
    fotografa(finestra(kTitolo, {inizio}), cartella, "nessuna-stampante");
    schermo::tasti({"Return"});
    schermo::tasti({"Tab", "Return"});
    fotografa(finestra("Form1", {sfondo}), cartella, "attestato");

    // "FINE SESSIONE".
    schermo::tasti({"Tab", "Return"});
    if (!drill.waitForFinished(10000) || drill.exitCode() != 0)
        fallisci("the program did not end with FINE SESSIONE");
    return 0;
}
