#include <gtest/gtest.h>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QUuid>

#include "support/ProcessoFiglio.h"
#include "support/Schermo.h"
#include "support/StampaQString.h"
#include "support/WinePrivato.h"
#include "windows/SuWine.h"

// The Windows packages as a school's technician installs them, under Wine: the MSI and the
// installer, each installed silently, upgraded, refused where it must be, and removed.

namespace {

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
    const QString file = dove + "/" + kPacchetto + "-" + versione + suffisso;
    const QString sorgenti = QStringLiteral(DRILL_WINDOWS_PACKAGES "/_CPack_Packages/win64/");
    const QString codice = QUuid::createUuid().toString(QUuid::WithoutBraces).toUpper();
    const QStringList msi{"wixl",
                          "--arch=x64",
                          "--define=Version=" + versione,
                          "--define=ProductCode=" + codice,
                          "--output=" + file,
                          sorgenti + "External/" + kPacchetto + ".wxs"};
    const QStringList nsis{"makensis", "-V2", "-DVERSION=" + versione, "-DOUTFILE=" + file,
                           sorgenti + "NSIS/project.nsi"};
    const QStringList& comando = suffisso == ".msi" ? msi : nsis;
    QString uscita;
    EXPECT_TRUE(eseguiStrumento(comando.first(), comando.mid(1),
                                QProcessEnvironment::systemEnvironment(), &uscita, 120000))
        << uscita.toStdString();
    return file;
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
