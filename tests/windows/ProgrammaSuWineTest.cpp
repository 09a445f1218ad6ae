#include <gtest/gtest.h>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>

#include "support/CupsScheduler.h"
#include "support/ProcessoFiglio.h"
#include "support/Schermo.h"
#include "support/StampaQString.h"
#include "support/WinePrivato.h"
#include "support/Zona.h"
#include "windows/SuWine.h"

// The Windows program as a school gets it, under Wine on a private X server with a window
// manager: the portable ZIP and what it ships, the start window and its "E S C I", both
// printouts through Wine's print spooler, and every window in front with the keys in Wine's
// desktop mode.

namespace {

// The Windows DLLs a file imports (its import table, read by objdump), in lower case.
QStringList importate(const QString& file) {
    QString uscita;
    EXPECT_TRUE(eseguiStrumento(QStringLiteral("x86_64-w64-mingw32-objdump"), {"-p", file},
                                QProcessEnvironment::systemEnvironment(), &uscita))
        << uscita.toStdString();
    QStringList nomi;
    const QRegularExpression dll(QStringLiteral(R"(DLL Name:\s*(\S+))"));
    for (auto m = dll.globalMatch(uscita); m.hasNext();)
        nomi << m.next().captured(1).toLower();
    return nomi;
}

// DLLs that every 64-bit Windows has in its system folder.
const QSet<QString> kDiWindows = {
    "advapi32.dll", "authz.dll",   "comctl32.dll", "comdlg32.dll", "d2d1.dll",   "d3d11.dll",
    "d3d9.dll",     "dwmapi.dll",  "dwrite.dll",   "dxgi.dll",     "gdi32.dll",  "imm32.dll",
    "kernel32.dll", "msvcrt.dll",  "mpr.dll",      "netapi32.dll", "ole32.dll",  "oleaut32.dll",
    "setupapi.dll", "shcore.dll",  "shell32.dll",  "shlwapi.dll",  "user32.dll", "userenv.dll",
    "uxtheme.dll",  "version.dll", "winmm.dll",    "winspool.drv", "ws2_32.dll", "wtsapi32.dll",
};

TEST(PacchettoPortatile, EveryDllItLoadsIsShippedOrWindowsOwnAndNoFolderOfThisMachineIsInside) {
    const QString programma = portatile();
    ASSERT_TRUE(QFile::exists(programma + "/rovororezovered.exe"));
    EXPECT_TRUE(QFile::exists(programma + "/positivo.wav"));

    QSet<QString> spedite, importateDaQualcuno;
    QStringList binari;
    for (QDirIterator it(programma, {"*.exe", "*.dll"}, QDir::Files, QDirIterator::Subdirectories);
         it.hasNext();) {
        binari << it.next();
        if (binari.last().endsWith(".dll"))
            spedite << it.fileName().toLower();
    }
    for (const QString& file : binari) {
        for (const QString& dll : importate(file)) {
            importateDaQualcuno << dll;
            EXPECT_TRUE(spedite.contains(dll) || kDiWindows.contains(dll) ||
                        dll.startsWith("api-ms-win-"))
                << QFileInfo(file).fileName().toStdString() << " imports " << dll.toStdString()
                << ", neither shipped nor part of Windows";
        }
        // Nothing that only this machine has: the build's folders, Qt's, the compiler's.
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        const QByteArray contenuto = f.readAll();
        for (const QString& cartellaQui :
             {QStringLiteral(DRILL_SOURCE_DIR), QStringLiteral(DRILL_WINDOWS_PACKAGES),
              QStringLiteral(DRILL_WINDOWS_QT)}) {
            EXPECT_FALSE(contenuto.contains(cartellaQui.toUtf8()))
                << QFileInfo(file).fileName().toStdString() << " names "
                << cartellaQui.toStdString();
        }
    }
    // A DLL is shipped because something imports it, or because Qt loads it as a plugin.
    for (const QString& dll : spedite)
        EXPECT_TRUE(importateDaQualcuno.contains(dll) ||
                    QFile::exists(programma + "/plugins/platforms/" + dll))
            << dll.toStdString() << " is shipped but nothing loads it";
}

// At start the start window is in front of everything, drawn whole on the screen as the pupil
// sees it, and the keys typed at once go to its name box: the name confirmed with Enter brings up
// the range panel. No click first.
void inizioDavantiColNome(unsigned long inizio) {
    ASSERT_NE(inizio, 0u);
    EXPECT_EQ(schermo::inCima(), inizio) << schermo::fotografia("inizio").toStdString();
    EXPECT_TRUE(schermo::inizioDisegnato(inizio)) << schermo::fotografia("inizio").toStdString();
    ASSERT_TRUE(schermo::tasti({"L", "u", "c", "a", "Return"}));
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return !schermo::zonaDelColore(schermo::immagine(inizio), kIntervalli).isEmpty(); },
        10000))
        << "the name typed did not reach the name box" << schermo::fotografia("nome").toStdString();
}

TEST(ProgrammaPortatile, TheStartWindowComesUpInFrontWithTheKeysAndESCIEndsTheProgram) {
    Programma programma(portatile());
    inizioDavantiColNome(programma.inizio());
    premi(programma.inizio(), kEsciIntervalli);
    EXPECT_TRUE(programma.finitoBene()) << programma.uscita().toStdString();
}

TEST(ProgrammaPortatile, BothPagesReachTheDefaultPrinterNamed) {
    CupsScheduler cups;
    ASSERT_EQ(cups.start(), "");
    ASSERT_EQ(cups.addDefaultQueue("Aula"), "");
    Programma programma(portatile());
    ASSERT_NE(programma.inizio(), 0u)
        << programma.uscita().toStdString() << schermo::fotografia("inizio").toStdString();
    const unsigned long resoconto = programma.praticaIntera();
    ASSERT_NE(resoconto, 0u) << "the report did not open";

    const auto nomi = [&cups] {
        QStringList n;
        for (const CupsScheduler::Job& job : cups.jobs())
            n << job.name;
        return n;
    };
    // The report opens with "ESCI" focused: Tab to "STAMPA LE OPERAZIONI", then to "Visualizza
    // attestato"; the certificate opens with "STAMPA  L'ATTESTATO " focused.
    schermo::tasti({"Tab", "Return"});
    EXPECT_TRUE(QTest::qWaitFor([&] { return nomi().size() == 1; }, 30000))
        << cups.errorLog().toStdString() << schermo::fotografia("stampa").toStdString();
    schermo::tasti({"Tab", "Return"});
    ASSERT_NE(schermo::cerca("Form1", 30000, {programma.sfondo()}), 0u);
    schermo::tasti({"Return"});
    EXPECT_TRUE(QTest::qWaitFor([&] { return nomi().size() == 2; }, 30000))
        << schermo::fotografia("attestato").toStdString();
    EXPECT_EQ(nomi(), QStringList({"STAMPA DELLE OPERAZIONI", "ATTESTATO"}));

    // "FINE SESSIONE".
    schermo::tasti({"Tab", "Return"});
    EXPECT_TRUE(programma.finitoBene()) << programma.uscita().toStdString();
}

// "Scala di valutazione", the last entry of the start window's menu bar, clicked where the pupil
// sees it: the rightmost black letters in the menu bar's row, above the title band.
void apriScalaDiValutazione(unsigned long inizio) {
    const QImage im = schermo::immagine(inizio);
    const int banda = schermo::zonaDelColore(im, qRgb(128, 255, 255)).top();
    const int sopra = std::max(banda - 30, 0);
    const QRect lettere = zona(im.copy(0, sopra, im.width(), banda - sopra), [](QRgb p) {
                              return qRed(p) < 60 && qGreen(p) < 60 && qBlue(p) < 60;
                          }).translated(0, sopra);
    ASSERT_FALSE(lettere.isEmpty()) << "no menu bar" << schermo::fotografia("menu").toStdString();
    ASSERT_TRUE(schermo::clic(schermo::area(inizio).topLeft() +
                              QPoint(lettere.right() - 30, lettere.center().y())));
}

// The colour of the title bar that Wine's desktop draws round window `id`: right of the title,
// left of the buttons. The active window's bar has a colour of its own.
QRgb barra(unsigned long id) {
    const QImage im = schermo::immagine(id);
    return im.isNull() ? 0 : im.pixel(im.width() - 90, 10);
}

// In Wine's desktop mode, which stacks and activates windows as Windows does: the start window in
// front with the keys, then every window the program opens comes up in front and takes the keys
// typed next. No printer: the report's printing tells the pupil so in a message box.
TEST(DesktopDiWine, EveryWindowComesUpInFrontAndTakesTheKeys) {
    QTemporaryDir nessuno;
    qputenv("CUPS_SERVER", QFile::encodeName(nessuno.filePath("cups.sock")));
    const auto senzaStampante = qScopeGuard([] { qunsetenv("CUPS_SERVER"); });
    Programma programma(portatile(), Desktop::DesktopDiWine);
    ASSERT_NE(programma.inizio(), 0u)
        << programma.uscita().toStdString() << schermo::fotografia("inizio").toStdString();
    EXPECT_EQ(schermo::inCima(), programma.inizio()) << schermo::fotografia("inizio").toStdString();
    EXPECT_TRUE(schermo::inizioDisegnato(programma.inizio()));
    const QRgb attiva = barra(programma.inizio());

    // The grade scale, from the menu: in front and active; a click on its background closes it,
    // and the start window is active again.
    apriScalaDiValutazione(programma.inizio());
    const unsigned long scala = schermo::cerca("SCALA  DI  VALUTAZIONE");
    ASSERT_NE(scala, 0u) << schermo::fotografia("scala").toStdString();
    EXPECT_EQ(schermo::inCima(), scala);
    EXPECT_EQ(barra(scala), attiva) << schermo::fotografia("scala").toStdString();
    EXPECT_NE(barra(programma.inizio()), attiva);
    const QRect fondo = schermo::area(scala);
    schermo::clic(fondo.bottomLeft() + QPoint(10, -10));
    EXPECT_TRUE(QTest::qWaitFor([&] { return schermo::area(scala).isEmpty(); }, 10000));
    EXPECT_EQ(schermo::inCima(), programma.inizio());
    EXPECT_TRUE(QTest::qWaitFor([&] { return barra(programma.inizio()) == attiva; }, 5000));

    // Enter with the name box empty: "Introduci il nome"; closed by Enter, it hands the keys back
    // to the name box, where the practice below types the name.
    schermo::tasti({"Return"});
    ASSERT_NE(schermo::cerca("distrazione"), 0u) << schermo::fotografia("nome").toStdString();
    schermo::tasti({"Return"});
    EXPECT_TRUE(QTest::qWaitFor([&] { return barra(programma.inizio()) == attiva; }, 5000));

    // The name typed into the start window, the practice, the question, the report: active
    // once the question has closed.
    const unsigned long primo = programma.praticaIntera();
    ASSERT_NE(primo, 0u) << "the report did not open";
    EXPECT_TRUE(QTest::qWaitFor([&] { return barra(primo) == attiva; }, 5000))
        << schermo::fotografia("resoconto").toStdString();

    // "STAMPA LE OPERAZIONI". The message box says why, in the words it shows: Ctrl+C copies
    // the text of a message box on Windows.
    schermo::tasti({"Tab", "Return"});
    const unsigned long avviso = schermo::cerca(kTitolo, 30000, {programma.inizio()});
    ASSERT_NE(avviso, 0u);
    EXPECT_EQ(schermo::inCima(), avviso);
    schermo::tasti({"ctrl+c"});
    EXPECT_TRUE(
        schermo::appunti("Nessuna stampante installata").contains("Nessuna stampante installata"));
    schermo::tasti({"Return"});
    // The report again, then the certificate ("Visualizza attestato"), and "FINE SESSIONE".
    const unsigned long resoconto = schermo::cerca("STAMPA DELLE OPERAZIONI", 30000);
    ASSERT_NE(resoconto, 0u);
    EXPECT_EQ(schermo::inCima(), resoconto);
    EXPECT_TRUE(QTest::qWaitFor([&] { return barra(resoconto) == attiva; }, 5000));
    schermo::tasti({"Tab", "Return"});
    const unsigned long attestato = schermo::cerca("Form1", 30000, {programma.sfondo()});
    ASSERT_NE(attestato, 0u);
    EXPECT_EQ(schermo::inCima(), attestato);
    schermo::tasti({"Tab", "Return"});
    EXPECT_TRUE(programma.finitoBene()) << programma.uscita().toStdString();
}

}  // namespace
