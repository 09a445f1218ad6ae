#include <gtest/gtest.h>
#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "exercise/FrmOperativoMeno.h"
#include "platform/QtLauncher.h"
#include "platform/VbColor.h"
#include "shell/Finestre.h"
#include "shell/Modulo1.h"
#include "shell/frmSfondo.h"
#include "start/FrmInizio.h"
#include "start/frmValutazione.h"
#include "support/Controlli.h"
#include "support/FakePlatform.h"
#include "support/ProgrammaTemporaneo.h"

namespace {

// Writes down the close and hide events of the windows it watches, in order.
class Registro : public QObject {
  public:
    QStringList eventi;
    bool eventFilter(QObject* finestra, QEvent* evento) override {
        if (evento->type() == QEvent::Close)
            eventi << "close " + finestra->objectName();
        if (evento->type() == QEvent::Hide)
            eventi << "hide " + finestra->objectName();
        return false;
    }
};

void smaltisci() {
    eliminaChiuse();
}

bool attiva(QWidget* finestra) {
    return QTest::qWaitFor([&] { return QApplication::activeWindow() == finestra; }, 2000);
}

// The program as it starts: the background window, which opens the start window.
class Avvio : public testing::Test {
  protected:
    void SetUp() override {
        sfondo = &finestre.sfondo();
        inizio = finestre.inizioSeCaricato();
        ASSERT_NE(inizio, nullptr);
        ASSERT_TRUE(attiva(inizio));
    }

    template <class T>
    T* c(const char* nome) {
        return controllo<T>(inizio, QString::fromLatin1(nome));
    }
    QAction* voce(const char* nome) { return c<QAction>(nome); }

    void accettaNome() {
        if (!c<QWidget>("Frame2")->isVisible())
            return;
        QTest::keyClicks(c<QLineEdit>("txtNome"), "Giulia");
        QTest::keyClick(c<QLineEdit>("txtNome"), Qt::Key_Return);
    }

    FakePlatform f;
    Modulo1 stato;
    Finestre finestre{stato, f.platform};
    QPointer<frmSfondo> sfondo;
    QPointer<FrmInizio> inizio;
};

TEST_F(Avvio, TheBackgroundOpensTheStartWindowInFront) {
    EXPECT_EQ(sfondo->windowTitle(), "Form1");
    EXPECT_TRUE(sfondo->isVisible());
    EXPECT_TRUE(sfondo->isMaximized());
    EXPECT_EQ(sfondo->palette().color(QPalette::Window), vbColor(0x00C0FFC0));
    EXPECT_TRUE(inizio->isVisible());
    EXPECT_EQ(inizio->windowTitle(), "ROVOROREZOVERED.1");
    EXPECT_EQ(QApplication::focusWidget(), c<QWidget>("txtNome"));
}

TEST_F(Avvio, ClicksOnTheBackgroundBringTheStartWindowInFrontOfTheExercise) {
    accettaNome();
    QTest::mouseClick(c<QWidget>("Command1"), Qt::LeftButton);
    FrmOperativoMeno* operativo = finestre.operativoSeCaricato();
    ASSERT_NE(operativo, nullptr);
    ASSERT_TRUE(attiva(operativo));

    QTest::mouseClick(sfondo, Qt::LeftButton, {}, QPoint(40, 40));
    EXPECT_TRUE(attiva(inizio));
    EXPECT_TRUE(operativo->isVisible());

    Finestre::mostra(*operativo);
    ASSERT_TRUE(attiva(operativo));
    QTest::mouseDClick(sfondo, Qt::LeftButton, {}, QPoint(300, 200));
    EXPECT_TRUE(attiva(inizio));
    EXPECT_EQ(finestre.operativoSeCaricato(), operativo);
}

TEST_F(Avvio, ClosingTheBackgroundLeavesTheStartWindowOpen) {
    sfondo->close();
    smaltisci();
    EXPECT_TRUE(sfondo.isNull());
    ASSERT_FALSE(inizio.isNull());
    EXPECT_TRUE(inizio->isVisible());
    // The start window still works and its exits still work without a background.
    accettaNome();
    QTest::mouseClick(c<QWidget>("Command9"), Qt::LeftButton);
    smaltisci();
    EXPECT_TRUE(inizio.isNull());
}

enum class Uscita { cmdFine, Command9, mnuEsci, chiusura };

class OgniUscita : public Avvio, public testing::WithParamInterface<Uscita> {
  protected:
    void esci() {
        switch (GetParam()) {
            case Uscita::cmdFine:
                QTest::mouseClick(c<QWidget>("cmdFine"), Qt::LeftButton);
                break;
            case Uscita::Command9:
                accettaNome();
                QTest::mouseClick(c<QWidget>("Command9"), Qt::LeftButton);
                break;
            case Uscita::mnuEsci:
                voce("mnuEsci")->trigger();
                break;
            case Uscita::chiusura:
                inizio->close();
                break;
        }
    }
};

TEST_P(OgniUscita, ClosesTheBackgroundFirstAndTheStartWindowOnce) {
    Registro registro;
    inizio->installEventFilter(&registro);
    sfondo->installEventFilter(&registro);
    esci();
    EXPECT_EQ(registro.eventi.count("close FrmInizio"), 1);
    EXPECT_EQ(registro.eventi.count("close frmSfondo"), 1);
    const qsizetype sfondoNascosto = registro.eventi.indexOf("hide frmSfondo");
    const qsizetype inizioNascosto = registro.eventi.indexOf("hide FrmInizio");
    ASSERT_GE(sfondoNascosto, 0);
    EXPECT_GT(inizioNascosto, sfondoNascosto) << registro.eventi.join(", ").toStdString();
    smaltisci();
    EXPECT_TRUE(sfondo.isNull());
    EXPECT_TRUE(inizio.isNull());
    EXPECT_TRUE(f.dialogs.boxes.empty());
}

// The program ends by itself when its last window has closed: an exercise window left open
// keeps it running until it is closed too.
TEST_P(OgniUscita, AnOpenExerciseWindowStaysAndKeepsTheProgramRunning) {
    accettaNome();
    QTest::mouseClick(c<QWidget>("Command2"), Qt::LeftButton);
    QPointer<FrmOperativoMeno> operativo = finestre.operativoSeCaricato();
    ASSERT_FALSE(operativo.isNull());

    bool operativoAperto = false;
    bool finito = false;
    QTimer::singleShot(0, [&] {
        esci();
        QTimer::singleShot(50, [&] {
            operativoAperto = !operativo.isNull() && operativo->isVisible();
            finito = inizio.isNull() && sfondo.isNull();
            if (operativo)
                operativo->close();
        });
    });
    QTimer scadenza;
    scadenza.setSingleShot(true);
    QObject::connect(&scadenza, &QTimer::timeout, [] { QCoreApplication::exit(1); });
    scadenza.start(5000);
    EXPECT_EQ(QApplication::exec(), 0) << "the program did not end with its last window";
    EXPECT_TRUE(operativoAperto);
    EXPECT_TRUE(finito);
}

INSTANTIATE_TEST_SUITE_P(Inizio, OgniUscita,
                         testing::Values(Uscita::cmdFine, Uscita::Command9, Uscita::mnuEsci,
                                         Uscita::chiusura));

TEST_F(Avvio, TheInfoEntryReportsAMissingProgramOnce) {
    QMenuBar* barra = inizio->menuBar();
    QTest::mouseClick(barra, Qt::LeftButton, {}, barra->actionGeometry(voce("mnuInfo")).center());
    EXPECT_EQ(f.launcher.started, QStringList{"vetrina.exe"});
    ASSERT_EQ(f.dialogs.boxes.size(), 1u);
    EXPECT_EQ(f.dialogs.boxes[0].text, "File mancante");
    EXPECT_EQ(f.dialogs.boxes[0].style, 0);
    EXPECT_EQ(f.dialogs.boxes[0].title, "");
    // Nothing else changes.
    EXPECT_TRUE(stato.testoMessaggio.isEmpty());
    EXPECT_EQ(stato.rispostaMessaggio, 0);
    EXPECT_TRUE(inizio->isVisible());
    EXPECT_TRUE(c<QWidget>("Frame2")->isVisible());
    EXPECT_EQ(finestre.operativoSeCaricato(), nullptr);
    EXPECT_EQ(finestre.valutazioneSeCaricato(), nullptr);

    f.launcher.riesce = true;
    voce("mnuInfo")->trigger();
    EXPECT_EQ(f.launcher.started.size(), 2);
    EXPECT_EQ(f.dialogs.boxes.size(), 1u);
}

TEST(InizioConLauncherVero, TheInfoEntryStartsVetrinaFromThePath) {
    FakePlatform f;
    QtLauncher launcher;
    Platform platform = f.con(launcher);
    Modulo1 stato;
    Finestre finestre(stato, platform);
    FrmInizio& inizio = finestre.inizio();
    QAction* info = inizio.findChild<QAction*>("mnuInfo");
    ASSERT_NE(info, nullptr);

    {
        ProgrammaTemporaneo vetrina("vetrina.exe");
        ASSERT_TRUE(vetrina.pronto());
        info->trigger();
        EXPECT_TRUE(f.dialogs.boxes.empty());
        EXPECT_TRUE(vetrina.partito());
    }

    // Without it on the path the same entry reports it missing.
    info->trigger();
    ASSERT_EQ(f.dialogs.boxes.size(), 1u);
    EXPECT_EQ(f.dialogs.boxes[0].text, "File mancante");
}

}  // namespace
