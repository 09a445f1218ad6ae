#include <gtest/gtest.h>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>

#include "exercise/FrmOperativoMeno.h"
#include "platform/VbColor.h"
#include "shell/Finestre.h"
#include "shell/Modulo1.h"
#include "start/FrmInizio.h"
#include "support/Controlli.h"
#include "support/FakePlatform.h"

namespace {

struct Intervallo {
    const char* pulsante;
    int minimo, massimo, livello;
};
const Intervallo kIntervalli[] = {{"Command1", 1, 30, 1},
                                  {"Command2", 30, 60, 2},
                                  {"Command3", 60, 99, 3},
                                  {"Command4", 1, 99, 4}};

struct Modalita {
    int da, a;
    quint32 sfondo, comandi;
    const char* decimale;
    const char* riga;
};
const Modalita kModalita[] = {
    {1, 1, 0x00C8FAFA, 0x0096DCF0, "9886960", " Calcola il prodotto"},
    {2, 3, 0x00FFFFC8, 0x00FFC8C8, "16763080", " Calcola il fattore"},
    {1, 3, 0x00DCD7FF, 0x00DCB4F0, "14464240",
     " Calcola il prodotto o il fattore esecondo casualità"},
};

// A control of the exercise window, found by its name.
QWidget* di(FrmOperativoMeno* operativo, const char* nome) {
    QWidget* controllo = operativo->findChild<QWidget*>(QString::fromLatin1(nome));
    EXPECT_NE(controllo, nullptr) << nome;
    return controllo;
}

// The colours a mode gives the exercise window, as they are on screen.
void controllaColori(FrmOperativoMeno* operativo, const Modalita& m) {
    EXPECT_EQ(di(operativo, "area")->palette().color(QPalette::Window), vbColor(m.sfondo));
    EXPECT_EQ(di(operativo, "frmNumero")->palette().color(QPalette::Window), vbColor(m.sfondo));
    QWidget* risultato = di(operativo, "TxtRisultato");
    EXPECT_EQ(risultato->palette().color(QPalette::Base), vbColor(m.sfondo));
    EXPECT_EQ(risultato->palette().color(QPalette::Text), vbColor(0x00004080));
    for (const char* cornice : {"frmElaborazione", "frmValutazione"})
        EXPECT_EQ(di(operativo, cornice)->palette().color(QPalette::Window), vbColor(m.comandi))
            << cornice;
    for (const char* pulsante :
         {"CmdFine", "cmdSfondo", "CmdVerifica", "CmdOperazione", "CmdEsercizio", "CmdStampa"})
        EXPECT_EQ(di(operativo, pulsante)->palette().color(QPalette::Button), vbColor(m.comandi))
            << pulsante;
    EXPECT_EQ(operativo->findChild<QLabel*>("Label1")->text(), m.riga);
}

// The start window with the name accepted, ready for a range button.
class Sessione : public testing::Test {
  protected:
    void SetUp() override {
        Finestre::mostra(inizio);
        QApplication::setActiveWindow(&inizio);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&inizio));
        QTest::keyClicks(c<QLineEdit>("txtNome"), "Pietro");
        QTest::keyClick(c<QLineEdit>("txtNome"), Qt::Key_Return);
        ASSERT_EQ(stato.nomeAlunno, "Pietro");
    }

    template <class T>
    T* c(const char* nome) {
        return controllo<T>(&inizio, QString::fromLatin1(nome));
    }
    void scegli(int modalita) { c<QComboBox>("Combo1")->setCurrentIndex(modalita); }
    void premi(const char* pulsante) { QTest::mouseClick(c<QWidget>(pulsante), Qt::LeftButton); }

    FakePlatform f;
    Modulo1 stato;
    Finestre finestre{stato, f.platform};
    FrmInizio& inizio = finestre.inizio();
};

class OgniCombinazione : public Sessione,
                         public testing::WithParamInterface<std::tuple<int, int>> {};

TEST_P(OgniCombinazione, StoresRangeAndModeAndOpensTheExerciseWindow) {
    const auto [indiceModalita, indiceIntervallo] = GetParam();
    const Modalita& m = kModalita[indiceModalita];
    const Intervallo& r = kIntervalli[indiceIntervallo];
    scegli(indiceModalita);
    premi(r.pulsante);

    EXPECT_EQ(stato.numeroMinimo, r.minimo);
    EXPECT_EQ(stato.numeroMassimo, r.massimo);
    EXPECT_EQ(stato.livelloScelto, r.livello);
    EXPECT_EQ(stato.posizioneDa, m.da);
    EXPECT_EQ(stato.posizioneA, m.a);
    EXPECT_EQ(stato.coloreModalita, m.decimale);
    EXPECT_EQ(stato.rigaModalita, m.riga);
    EXPECT_EQ(stato.nomeAlunno, "Pietro");

    FrmOperativoMeno* operativo = finestre.operativoSeCaricato();
    ASSERT_NE(operativo, nullptr);
    EXPECT_TRUE(operativo->isVisible());
    EXPECT_EQ(operativo->rigaModalita(), m.riga);
    controllaColori(operativo, m);
    // The exercise window was loaded after the range and the positions had been stored: its
    // first operation lies in the range and hides a term the mode allows.
    EXPECT_EQ(operativo->findChild<QLabel*>("Label2")->text(),
              QString(" Operazione con numero massimo da %1 a %2").arg(r.minimo).arg(r.massimo));
    EXPECT_EQ(stato.contatoreOperazioni, 1);
    EXPECT_GE(stato.posizioneIncognita, m.da);
    EXPECT_LE(stato.posizioneIncognita, m.a);
    const int prodotto = stato.fattore1 * stato.fattore2;
    EXPECT_GE(prodotto, r.minimo);
    EXPECT_LE(prodotto, r.massimo);
    EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == operativo; }, 2000));
    // The start window stays open and usable beneath it.
    EXPECT_TRUE(inizio.isVisible());
    EXPECT_TRUE(inizio.isEnabled());
    EXPECT_EQ(c<QComboBox>("Combo1")->currentIndex(), indiceModalita);
}

INSTANTIATE_TEST_SUITE_P(Inizio, OgniCombinazione,
                         testing::Combine(testing::Range(0, 3), testing::Range(0, 4)));

TEST_F(Sessione, WithoutTouchingTheListTheModeIsTheProduct) {
    premi("Command4");
    EXPECT_EQ(stato.posizioneDa, 1);
    EXPECT_EQ(stato.posizioneA, 1);
    EXPECT_EQ(stato.coloreModalita, "9886960");
    EXPECT_EQ(stato.rigaModalita, " Calcola il prodotto");
    EXPECT_EQ(stato.numeroMinimo, 1);
    EXPECT_EQ(stato.numeroMassimo, 99);
    EXPECT_EQ(stato.livelloScelto, 4);
}

TEST_F(Sessione, ARangeButtonMeetingTheOpenExerciseWindowDoesNotReloadIt) {
    premi("Command1");
    QPointer<FrmOperativoMeno> operativo = finestre.operativoSeCaricato();
    ASSERT_FALSE(operativo.isNull());
    // Three operations into the session: two answered, the third on screen.
    for (int i = 0; i < 2; ++i) {
        QTest::keyClicks(di(operativo, "TxtRisultato"), stato.rispostaAttesa);
        QTest::mouseClick(di(operativo, "CmdVerifica"), Qt::LeftButton);
        QTest::mouseClick(di(operativo, "CmdOperazione"), Qt::LeftButton);
    }
    ASSERT_EQ(stato.contatoreOperazioni, 3);
    ASSERT_EQ(stato.totaleEsatte, 2);
    const QString record1 = stato.elencoOperazioni(1);
    const QString record3 = stato.elencoOperazioni(3);
    const QString attesa = stato.rispostaAttesa;
    Finestre::mostra(inizio);

    scegli(2);
    premi("Command3");
    EXPECT_EQ(finestre.operativoSeCaricato(), operativo.data());
    EXPECT_EQ(stato.numeroMinimo, 60);
    EXPECT_EQ(stato.livelloScelto, 3);
    EXPECT_EQ(stato.posizioneA, 3);
    EXPECT_EQ(operativo->rigaModalita(), " Calcola il prodotto o il fattore esecondo casualità");
    EXPECT_EQ(stato.rigaModalita, operativo->rigaModalita());
    controllaColori(operativo, kModalita[2]);
    EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == operativo; }, 2000));
    // The session in progress goes on.
    EXPECT_EQ(stato.contatoreOperazioni, 3);
    EXPECT_EQ(stato.numeroOperazione, 3);
    EXPECT_EQ(stato.numeroEsercizio, 1);
    EXPECT_EQ(stato.totaleEsatte, 2);
    EXPECT_EQ(stato.esatteEsercizio, 2);
    EXPECT_EQ(stato.elencoOperazioni(1), record1);
    EXPECT_EQ(stato.elencoOperazioni(3), record3);
    EXPECT_EQ(stato.rispostaAttesa, attesa);
    EXPECT_EQ(operativo->findChild<QLabel*>("LblOperazione")->text(), "3");
    EXPECT_EQ(operativo->findChild<QLabel*>("Label2")->text(),
              " Operazione con numero massimo da 1 a 30");
}

TEST_F(Sessione, AfterTheExerciseWindowClosesAnotherButtonOpensAFreshOne) {
    scegli(1);
    premi("Command2");
    QPointer<FrmOperativoMeno> primo = finestre.operativoSeCaricato();
    ASSERT_FALSE(primo.isNull());
    QTest::keyClicks(di(primo, "TxtRisultato"), stato.rispostaAttesa);
    QTest::mouseClick(di(primo, "CmdVerifica"), Qt::LeftButton);
    QTest::mouseClick(di(primo, "CmdOperazione"), Qt::LeftButton);
    ASSERT_EQ(stato.contatoreOperazioni, 2);
    primo->close();
    QTest::qWait(0);
    ASSERT_TRUE(primo.isNull());
    // The range panel is still in view, the name and the mode are kept.
    EXPECT_TRUE(c<QWidget>("Command1")->isVisible());
    EXPECT_EQ(stato.rigaModalita, " Calcola il fattore");

    premi("Command1");
    FrmOperativoMeno* secondo = finestre.operativoSeCaricato();
    ASSERT_NE(secondo, nullptr);
    EXPECT_TRUE(secondo->isVisible());
    controllaColori(secondo, kModalita[1]);
    EXPECT_EQ(stato.contatoreOperazioni, 1);
    EXPECT_EQ(stato.totaleEsatte, 0);
    EXPECT_EQ(secondo->findChild<QLabel*>("Label2")->text(),
              " Operazione con numero massimo da 1 a 30");
    EXPECT_EQ(stato.nomeAlunno, "Pietro");
    EXPECT_EQ(stato.posizioneDa, 2);
    EXPECT_EQ(stato.numeroMassimo, 30);
    EXPECT_EQ(secondo->rigaModalita(), " Calcola il fattore");
}

}  // namespace
