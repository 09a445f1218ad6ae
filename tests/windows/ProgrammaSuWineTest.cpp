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
#include <QUuid>
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
// printouts through Wine's print spooler, and the installer with its uninstaller.

namespace {

const QString kPacchetto = QStringLiteral("rovororezovered-" DRILL_VERSION "-win64");
const QString kTitolo = QStringLiteral("ROVOROREZOVERED.1");

QString pacchetto(const QString& suffisso) {
    return QStringLiteral(DRILL_WINDOWS_PACKAGES "/") + kPacchetto + suffisso;
}

// A path on this machine as a Windows program names it (drive Z: is the machine's root).
QString nativo(const QString& percorso) {
    return "Z:" + QDir::toNativeSeparators(percorso).replace('/', '\\');
}

// The portable ZIP unpacked once for all the tests, as on a USB stick: the folder holding the
// program (which writes nothing in it).
QString portatile() {
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
constexpr QRgb kEsciNome = qRgb(255, 128, 255);
constexpr QRgb kIntervalli = qRgb(255, 255, 128);
constexpr QRgb kEsciIntervalli = qRgb(255, 224, 192);

// A button of the start window, found by its colour and clicked where the pupil sees it.
void premi(unsigned long finestra, QRgb colore) {
    const QRect pulsante = schermo::zonaDelColore(schermo::immagine(finestra), colore);
    ASSERT_FALSE(pulsante.isEmpty())
        << "no such button on the start window" << schermo::fotografia("pulsante").toStdString();
    ASSERT_TRUE(schermo::clic(schermo::area(finestra).topLeft() + pulsante.center()));
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

// The files under `cartella`, each as its path inside it and its size, in order.
QStringList fileDi(const QString& cartella) {
    QStringList file;
    for (QDirIterator it(cartella, QDir::Files, QDirIterator::Subdirectories); it.hasNext();) {
        it.next();
        file << QDir(cartella).relativeFilePath(it.filePath()) + " " +
                    QString::number(it.fileInfo().size());
    }
    file.sort();
    return file;
}

// Where Windows keeps the programs of "App e funzionalità", and the program's own key.
const QString kDisinstallazioni =
    QStringLiteral("HKLM\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall");
const QString kChiave = QStringLiteral("HKLM\\Software\\") + kTitolo;

// The program's entries in "App e funzionalità": the version of each.
QStringList versioniInstallate() {
    QString voci;
    SuWine::wine->esegui("reg", {"query", kDisinstallazioni, "/s"}, &voci);
    QStringList versioni;
    for (const QString& voce : voci.split(QRegularExpression(R"(\r?\n\s*\r?\n)")))
        if (voce.contains(QRegularExpression(R"(DisplayName\s+REG_SZ\s+)" + kTitolo)))
            versioni
                << QRegularExpression(R"(DisplayVersion\s+REG_SZ\s+(\S+))").match(voce).captured(1);
    return versioni;
}

// The same files as a package of this build, built as version `versione`: the MSI by wixl, the
// installer by makensis, each from the source cpack filled in for this build.
QString altraVersione(const QString& suffisso, const QString& versione, const QString& dove) {
    const QString uscitaFile = dove + "/" + kPacchetto + "-" + versione + suffisso;
    QString uscita;
    if (suffisso == ".msi")
        EXPECT_TRUE(eseguiStrumento(
            "wixl",
            {"-a", "x64", "-D", "Version=" + versione, "-D",
             "ProductCode=" + QUuid::createUuid().toString(QUuid::WithoutBraces).toUpper(), "-o",
             uscitaFile,
             QStringLiteral(DRILL_WINDOWS_PACKAGES "/_CPack_Packages/win64/External/") +
                 kPacchetto + ".wxs"},
            QProcessEnvironment::systemEnvironment(), &uscita, 120000))
            << uscita.toStdString();
    else
        EXPECT_TRUE(eseguiStrumento(
            "makensis",
            {"-V2", "-DVERSION=" + versione, "-DOUTFILE=" + uscitaFile,
             QStringLiteral(DRILL_WINDOWS_PACKAGES "/_CPack_Packages/win64/NSIS/project.nsi")},
            QProcessEnvironment::systemEnvironment(), &uscita, 120000))
            << uscita.toStdString();
    return uscitaFile;
}

// msiexec with `argomenti`, a log of every step kept in `registro`: whether it ended with 0.
bool msiexec(const QStringList& argomenti, const QString& registro) {
    QString uscita;
    const bool riuscito =
        SuWine::wine->esegui("msiexec", argomenti + QStringList{"/l*v", nativo(registro)}, &uscita);
    EXPECT_TRUE(SuWine::wine->attendiTutti());
    return riuscito;
}

// The MSI as a school's technician deploys it to a lab: installed silently for every user, the
// program started from its Start-menu entry; a package of a higher version replaces it, an older
// one and the installer are refused with nothing changed; the silent removal leaves nothing.
TEST(PacchettoMsi, InstallsUpgradesRefusesOlderOrOtherPackagesAndRemovesEverything) {
    QTemporaryDir lavoro;
    const QString cartella = SuWine::wine->discoC() + "/Program Files/" + kTitolo;
    ASSERT_TRUE(msiexec({"/i", nativo(pacchetto(".msi")), "/qn"}, lavoro.filePath("1.log")));
    QFile registro(lavoro.filePath("1.log"));
    ASSERT_TRUE(registro.open(QIODevice::ReadOnly));
    const QString passi = QString::fromLocal8Bit(registro.readAll());
    EXPECT_TRUE(passi.contains("Property(S): ALLUSERS = 1")) << passi.toStdString();
    EXPECT_FALSE(passi.contains("Return value 3")) << passi.toStdString();
    EXPECT_EQ(fileDi(cartella), fileDi(portatile()));
    // Windows puts it in every user's Start menu (ALLUSERS); Wine's msiexec in its one user's.
    QString voce;
    for (const QString& menu :
         {QStringLiteral("/ProgramData/Microsoft/Windows/Start Menu/Programs/"),
          "/users/" + qEnvironmentVariable("USER", "root") +
              "/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/"})
        if (QFile::exists(SuWine::wine->discoC() + menu + kTitolo + ".lnk"))
            voce = SuWine::wine->discoC() + menu + kTitolo + ".lnk";
    ASSERT_FALSE(voce.isEmpty()) << "no Start-menu entry";
    EXPECT_EQ(versioniInstallate(), QStringList{DRILL_VERSION});
    {
        Programma programma(
            {"start", "/wait",
             "C:\\" + QDir::toNativeSeparators(QDir(SuWine::wine->discoC()).relativeFilePath(voce))
                          .replace('/', '\\')});
        ASSERT_NE(programma.inizio(), 0u) << schermo::fotografia("msi").toStdString();
        EXPECT_EQ(schermo::inCima(), programma.inizio());
        premi(programma.inizio(), kEsciNome);
        EXPECT_TRUE(programma.finitoBene());
    }

    const QString alta = altraVersione(".msi", "9.9", lavoro.path());
    ASSERT_TRUE(msiexec({"/i", nativo(alta), "/qn"}, lavoro.filePath("2.log")));
    EXPECT_EQ(versioniInstallate(), QStringList{"9.9"});
    EXPECT_EQ(fileDi(cartella), fileDi(portatile()));
    EXPECT_FALSE(msiexec({"/i", nativo(pacchetto(".msi")), "/qn"}, lavoro.filePath("3.log")));
    EXPECT_FALSE(SuWine::wine->esegui(pacchetto("-setup.exe"), {"/S"}));
    ASSERT_TRUE(SuWine::wine->attendiTutti());
    EXPECT_EQ(versioniInstallate(), QStringList{"9.9"});
    EXPECT_EQ(fileDi(cartella), fileDi(portatile()));

    ASSERT_TRUE(msiexec({"/x", nativo(alta), "/qn"}, lavoro.filePath("4.log")));
    EXPECT_FALSE(QFileInfo::exists(cartella));
    EXPECT_FALSE(QFile::exists(voce));
    EXPECT_EQ(versioniInstallate(), QStringList());
    EXPECT_FALSE(SuWine::wine->esegui("reg", {"query", kChiave}));
}

TEST(Installatore, InstallsSilentlyRunsAndUninstallsLeavingNothing) {
    QString uscita;
    ASSERT_TRUE(SuWine::wine->esegui(pacchetto("-setup.exe"), {"/S"}, &uscita))
        << uscita.toStdString();
    ASSERT_TRUE(SuWine::wine->attendiTutti());
    const QString cartella = SuWine::wine->discoC() + "/Program Files/" + kTitolo;
    const QString voce = SuWine::wine->discoC() +
                         "/ProgramData/Microsoft/Windows/Start Menu/Programs/" + kTitolo + ".lnk";
    ASSERT_TRUE(QFile::exists(cartella + "/rovororezovered.exe"));
    EXPECT_TRUE(QFile::exists(voce)) << voce.toStdString();

    {
        Programma programma(cartella);
        ASSERT_NE(programma.inizio(), 0u)
            << programma.uscita().toStdString() << schermo::fotografia("inizio").toStdString();
        EXPECT_TRUE(schermo::inizioDisegnato(programma.inizio()));
        premi(programma.inizio(), kEsciNome);
        EXPECT_TRUE(programma.finitoBene()) << programma.uscita().toStdString();
    }

    // A newer version installed over it replaces it: one entry, the same files; an older one, and
    // the MSI package, are refused with nothing changed.
    QTemporaryDir lavoro;
    const QStringList installati = fileDi(cartella);
    EXPECT_EQ(versioniInstallate(), QStringList{DRILL_VERSION});
    ASSERT_TRUE(SuWine::wine->esegui(altraVersione("-setup.exe", "9.9", lavoro.path()), {"/S"}));
    ASSERT_TRUE(SuWine::wine->attendiTutti());
    EXPECT_EQ(versioniInstallate(), QStringList{"9.9"});
    EXPECT_EQ(fileDi(cartella), installati);
    EXPECT_TRUE(QFile::exists(voce));
    EXPECT_FALSE(SuWine::wine->esegui(pacchetto("-setup.exe"), {"/S"}));
    EXPECT_FALSE(msiexec({"/i", nativo(pacchetto(".msi")), "/qn"}, lavoro.filePath("msi.log")));
    ASSERT_TRUE(SuWine::wine->attendiTutti());
    EXPECT_EQ(versioniInstallate(), QStringList{"9.9"});
    EXPECT_EQ(fileDi(cartella), installati);

    ASSERT_TRUE(SuWine::wine->esegui(cartella + "/Disinstalla.exe", {"/S"}, &uscita))
        << uscita.toStdString();
    ASSERT_TRUE(SuWine::wine->attendiTutti());
    EXPECT_FALSE(QFileInfo::exists(cartella))
        << "left behind: "
        << QDir(cartella)
               .entryList(QDir::AllEntries | QDir::NoDotAndDotDot)
               .join(' ')
               .toStdString();
    EXPECT_FALSE(QFile::exists(voce));
    EXPECT_EQ(versioniInstallate(), QStringList());
}

}  // namespace
