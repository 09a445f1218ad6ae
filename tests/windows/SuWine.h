#pragma once

#include <gtest/gtest.h>
#include <QDir>
#include <QProcess>
#include <QRgb>
#include <QStringList>
#include <QTemporaryDir>

#include "support/ProcessoFiglio.h"
#include "support/Schermo.h"
#include "support/WinePrivato.h"

// The Windows program as a school gets it, run under Wine on the test's private X server: the
// packages the Windows build made, the prefix the test main has made, and the program started and
// driven from outside as the pupil does.

// The Wine prefix the test main has made for this process.
struct SuWine {
    static WinePrivato* wine;
};

inline const QString kPacchetto = QStringLiteral("rovororezovered-" DRILL_VERSION "-win64");
inline const QString kTitolo = QStringLiteral("ROVOROREZOVERED.1");

inline QString pacchetto(const QString& suffisso) {
    return QStringLiteral(DRILL_WINDOWS_PACKAGES "/") + kPacchetto + suffisso;
}

// A path on this machine as a Windows program names it (drive Z: is the machine's root).
inline QString nativo(const QString& percorso) {
    return "Z:" + QDir::toNativeSeparators(percorso).replace('/', '\\');
}

// The portable ZIP unpacked once for all the tests, as on a USB stick: the folder holding the
// program (which writes nothing in it).
inline QString portatile() {
    static const QTemporaryDir cartella;
    static const QString programma = [] {
        QProcess tar;
        tar.setWorkingDirectory(cartella.path());
        tar.start(QStringLiteral("cmake"), {"-E", "tar", "xf", pacchetto(".zip")});
        EXPECT_TRUE(tar.waitForFinished(60000) && tar.exitCode() == 0)
            << "cannot unpack " << pacchetto(".zip").toStdString();
        return cartella.filePath(kPacchetto);
    }();
    return programma;
}

// Where the program's windows are stacked and activated: by the X server's window manager, as
// Wine leaves it to, or by Wine itself in its desktop mode (one X window holding a desktop, in
// which Wine follows Windows' own rules for which window comes up in front and takes the keys).
enum class Desktop { GestoreDiFinestre, DesktopDiWine };

// The program started from `cartella` in the test's Wine prefix; its start window, once shown.
class Programma {
  public:
    explicit Programma(const QString& cartella, Desktop desktop = Desktop::GestoreDiFinestre) {
        const QString programma = cartella + "/rovororezovered.exe";
        if (desktop == Desktop::DesktopDiWine)
            avvia({"explorer", "/desktop=scuola,1024x768", nativo(programma)});
        else
            avvia({programma});
    }
    // The program as `comando` starts it (a Windows program and its arguments).
    explicit Programma(const QStringList& comando) { avvia(comando); }
    ~Programma() { fermaProcesso(processo_); }

    unsigned long inizio() const { return inizio_; }
    unsigned long sfondo() const { return sfondo_; }
    // Whether the program has ended of itself with exit code 0 (within `ms` milliseconds).
    bool finitoBene(int ms = 30000) {
        if (processo_.state() != QProcess::NotRunning && !processo_.waitForFinished(ms))
            return false;
        return processo_.exitStatus() == QProcess::NormalExit && processo_.exitCode() == 0;
    }
    QString uscita() { return QString::fromLocal8Bit(processo_.readAll()); }

    // The name typed and confirmed, the first range (products up to 30), forty answers read
    // off the screen and typed right, and "Sì" to the question at the end: the report is open.
    // Each window comes up on top of the others, and the keys typed next go to it.
    unsigned long praticaIntera() {
        if (!schermo::tasti({"L", "u", "c", "a", "Return", "Return"}))
            return 0;
        const unsigned long esercizi = schermo::cerca("ESERCIZI SULLE " + kTitolo);
        if (!esercizi)
            return 0;
        EXPECT_EQ(schermo::inCima(), esercizi) << "the exercise window is not in front";
        for (int n = 1; n <= 40; ++n) {
            if (!schermo::rispondi(esercizi)) {
                ADD_FAILURE() << "operation " << n << " not answered"
                              << schermo::fotografia("operazione").toStdString();
                return 0;
            }
            if (n < 40)
                schermo::tasti({"Return"});
        }
        const unsigned long domanda = schermo::cerca("FINE ESERCITAZIONE");
        if (!domanda)
            return 0;
        EXPECT_EQ(schermo::inCima(), domanda) << "the question is not in front";
        schermo::tasti({"Return"});
        const unsigned long resoconto = schermo::cerca("STAMPA DELLE OPERAZIONI");
        EXPECT_EQ(schermo::inCima(), resoconto) << "the report is not in front";
        return resoconto;
    }

  private:
    void avvia(const QStringList& comando) {
        SuWine::wine->avvia(processo_, comando.first(), comando.mid(1));
        inizio_ = schermo::cerca(kTitolo);
        sfondo_ = schermo::cerca("Form1");
    }

    QProcess processo_;
    unsigned long inizio_ = 0;
    unsigned long sfondo_ = 0;
};

// The start window's colours: the name panel's "E S C I", the range panel's yellow buttons and
// its "E S C I".
inline constexpr QRgb kEsciNome = qRgb(255, 128, 255);
inline constexpr QRgb kIntervalli = qRgb(255, 255, 128);
inline constexpr QRgb kEsciIntervalli = qRgb(255, 224, 192);

// A button of the start window, found by its colour and clicked where the pupil sees it.
inline void premi(unsigned long finestra, QRgb colore) {
    const QRect pulsante = schermo::zonaDelColore(schermo::immagine(finestra), colore);
    ASSERT_FALSE(pulsante.isEmpty())
        << "no such button on the start window" << schermo::fotografia("pulsante").toStdString();
    ASSERT_TRUE(schermo::clic(schermo::area(finestra).topLeft() + pulsante.center()));
}
