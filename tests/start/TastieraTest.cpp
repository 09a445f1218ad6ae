#include <gtest/gtest.h>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <functional>

#include "exercise/FrmOperativoMeno.h"
#include "platform/QtDialogs.h"
#include "reports/FrmAttestato.h"
#include "reports/FrmStampa.h"
#include "shell/Finestre.h"
#include "shell/Modulo1.h"
#include "shell/frmSfondo.h"
#include "start/FrmInizio.h"
#include "support/Controlli.h"
#include "support/FakePlatform.h"

// The program driven by a pupil without a mouse: every event here is a key, sent where the
// keyboard sends it, to the widget that has the focus.

namespace {

// Counts the mouse presses that reach any widget while it lives.
class ContaClic final : public QObject {
  public:
    ContaClic() { QCoreApplication::instance()->installEventFilter(this); }
    ~ContaClic() override { QCoreApplication::instance()->removeEventFilter(this); }
    int clic = 0;

  protected:
    bool eventFilter(QObject*, QEvent* evento) override {
        if (evento->type() == QEvent::MouseButtonPress ||
            evento->type() == QEvent::MouseButtonDblClick)
            ++clic;
        return false;
    }
};

QString fuoco() {
    return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString();
}

void tasto(Qt::Key k, Qt::KeyboardModifiers modificatori = Qt::NoModifier) {
    QWidget* dove = QApplication::focusWidget();
    ASSERT_NE(dove, nullptr) << "nothing has the keyboard focus";
    QTest::keyClick(dove, k, modificatori);
}

void scrivi(const QString& testo) {
    QWidget* dove = QApplication::focusWidget();
    ASSERT_NE(dove, nullptr) << "nothing has the keyboard focus";
    QTest::keyClicks(dove, testo);
}

bool attiva(QWidget* finestra) {
    return QTest::qWaitFor([finestra] { return QApplication::activeWindow() == finestra; }, 2000);
}

TEST(Tastiera, AWholePracticeBothPrintoutsAndTheEndWithKeysAlone) {
    dimenticaFineProgramma();
    FakePlatform f;
    f.clock.passo = 2;
    QtDialogs dialoghi;
    Platform platform = f.con(dialoghi);
    Modulo1 stato;
    Finestre finestre(stato, platform);
    ContaClic mouse;

    QPointer<frmSfondo> sfondo = &finestre.sfondo();
    QPointer<FrmInizio> inizio = finestre.inizioSeCaricato();
    ASSERT_TRUE(attiva(inizio));
    ASSERT_EQ(fuoco(), "txtNome");

    // The name, confirmed with Enter; then back to the mode list, the second mode, and on to
    // the second range button.
    scrivi("Luca");
    tasto(Qt::Key_Return);
    EXPECT_EQ(stato.nomeAlunno, "Luca");
    ASSERT_EQ(fuoco(), "Command1");
    tasto(Qt::Key_Backtab, Qt::ShiftModifier);
    ASSERT_EQ(fuoco(), "Combo1");
    tasto(Qt::Key_Down);
    EXPECT_EQ(controllo<QComboBox>(inizio, "Combo1")->currentIndex(), 1);
    tasto(Qt::Key_Tab);
    tasto(Qt::Key_Tab);
    ASSERT_EQ(fuoco(), "Command2");
    tasto(Qt::Key_Return);

    QPointer<FrmOperativoMeno> operativo = finestre.operativoSeCaricato();
    ASSERT_FALSE(operativo.isNull());
    ASSERT_TRUE(attiva(operativo));
    EXPECT_EQ(operativo->rigaModalita(), " Calcola il fattore");
    EXPECT_EQ(stato.numeroMassimo, 60);

    // Forty answers, each typed and confirmed with Enter; Enter again on the command that the
    // focus has moved to goes on. The last Enter meets the question: Enter answers "Sì".
    bool domandaVista = false;
    for (int n = 1; n <= 40; ++n) {
        ASSERT_EQ(fuoco(), "TxtRisultato") << n;
        ASSERT_EQ(stato.contatoreOperazioni, n);
        const bool giusta = n % 8 != 0;
        scrivi(giusta ? stato.rispostaAttesa : QString::number(stato.valoreAtteso + 1));
        if (n == 40) {
            QTimer::singleShot(0, [&] {
                ASSERT_TRUE(QTest::qWaitFor(
                    [] { return qobject_cast<QMessageBox*>(QApplication::activeWindow()); }, 2000));
                domandaVista = QApplication::activeWindow()->windowTitle() == "FINE ESERCITAZIONE";
                tasto(Qt::Key_Return);
            });
        }
        tasto(Qt::Key_Return);
        ASSERT_EQ(stato.elencoOperazioni(n).contains(")*"), !giusta) << n;
        if (n < 40) {
            ASSERT_EQ(fuoco(), n % 10 == 0 ? "CmdEsercizio" : "CmdOperazione") << n;
            tasto(Qt::Key_Return);
        }
    }
    EXPECT_TRUE(domandaVista);
    EXPECT_EQ(stato.rispostaMessaggio, Dialogs::Yes);
    EXPECT_EQ(stato.totaleEsatte, 35);

    // The report: Tab to the print button, Enter; Tab to the certificate, Enter.
    QPointer<FrmStampa> stampa = finestre.stampaSeCaricato();
    ASSERT_FALSE(stampa.isNull());
    ASSERT_TRUE(attiva(stampa));
    while (fuoco() != "cmdStampaS" && !testing::Test::HasFailure())
        tasto(Qt::Key_Tab);
    tasto(Qt::Key_Return);
    EXPECT_TRUE(f.printer.calls.contains("line " + stato.elencoOperazioni(40)));
    EXPECT_EQ(f.printer.calls.count("end"), 1);
    tasto(Qt::Key_Tab);
    ASSERT_EQ(fuoco(), "Command2");
    tasto(Qt::Key_Return);

    // The certificate, graded "DISTINTO": Enter prints it, Tab and Enter end the session.
    QPointer<FrmAttestato> attestato = finestre.attestatoSeCaricato();
    ASSERT_FALSE(attestato.isNull());
    ASSERT_TRUE(attiva(attestato));
    EXPECT_EQ(controllo<QLabel>(attestato, "lblRapporto")->text(), "DISTINTO");
    ASSERT_EQ(fuoco(), "Command2");
    tasto(Qt::Key_Return);
    EXPECT_TRUE(f.printer.calls.contains("form FrmAttestato"));
    EXPECT_EQ(f.printer.calls.count("end"), 2);
    tasto(Qt::Key_Tab);
    ASSERT_EQ(fuoco(), "Command1");
    tasto(Qt::Key_Return);
    eliminaChiuse();
    EXPECT_TRUE(attestato.isNull());
    EXPECT_TRUE(stampa.isNull());
    EXPECT_TRUE(operativo.isNull());
    EXPECT_TRUE(inizio.isNull());
    EXPECT_TRUE(sfondo.isNull());

    EXPECT_EQ(mouse.clic, 0);
    EXPECT_EQ(f.dialogs.beeps, 0);
    dimenticaFineProgramma();
}

// Enter on a focused command button presses it, in every window, as Space does.
struct Comando {
    const char* finestra;
    const char* pulsante;
};

std::ostream& operator<<(std::ostream& os, const Comando& c) {
    return os << c.finestra << "." << c.pulsante;
}

class InvioSulPulsante : public testing::TestWithParam<Comando> {};

TEST_P(InvioSulPulsante, EnterPressesTheFocusedButton) {
    for (Qt::Key invio : {Qt::Key_Return, Qt::Key_Enter}) {
        FakePlatform f;
        Modulo1 stato;
        stato.nomeAlunno = "Luca";
        stato.contatoreOperazioni = 10;
        stato.totaleEsatte = 10;
        Finestre finestre(stato, f.platform);
        const QString quale = QString::fromLatin1(GetParam().finestra);
        QWidget* w = quale == "FrmInizio"   ? static_cast<QWidget*>(&finestre.inizio())
                     : quale == "FrmStampa" ? static_cast<QWidget*>(&finestre.stampa())
                                            : static_cast<QWidget*>(&finestre.attestato());
        Finestre::mostra(*w);
        ASSERT_TRUE(attiva(w));
        if (quale == "FrmInizio" && QString::fromLatin1(GetParam().pulsante) != "cmdAvanti" &&
            QString::fromLatin1(GetParam().pulsante) != "cmdFine") {
            // The range panel takes keys once the name is accepted.
            scrivi("Luca");
            tasto(Qt::Key_Return);
        }
        auto* pulsante = controllo<QPushButton>(w, QString::fromLatin1(GetParam().pulsante));
        ASSERT_NE(pulsante, nullptr);
        pulsante->setFocus();
        ASSERT_EQ(QApplication::focusWidget(), pulsante);
        QSignalSpy premuto(pulsante, &QPushButton::clicked);
        tasto(invio, invio == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
        EXPECT_EQ(premuto.count(), 1) << GetParam().pulsante;
        eliminaChiuse();
    }
    dimenticaFineProgramma();
}

INSTANTIATE_TEST_SUITE_P(
    OgniFinestra, InvioSulPulsante,
    testing::Values(Comando{"FrmInizio", "cmdAvanti"}, Comando{"FrmInizio", "cmdFine"},
                    Comando{"FrmInizio", "Command1"}, Comando{"FrmInizio", "Command2"},
                    Comando{"FrmInizio", "Command3"}, Comando{"FrmInizio", "Command4"},
                    Comando{"FrmInizio", "Command9"}, Comando{"FrmStampa", "Command1"},
                    Comando{"FrmStampa", "cmdStampaS"}, Comando{"FrmStampa", "Command2"},
                    Comando{"FrmAttestato", "Command2"}, Comando{"FrmAttestato", "Command1"},
                    Comando{"FrmAttestato", "CmdFine"}),
    [](const testing::TestParamInfo<Comando>& info) {
        return std::string(info.param.finestra) + "_" + info.param.pulsante;
    });

}  // namespace
