#include <gtest/gtest.h>
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "exercise/FrmOperativoMeno.h"
#include "reports/FrmAttestato.h"
#include "reports/FrmStampa.h"
#include "shell/Finestre.h"
#include "shell/Modulo1.h"
#include "support/Controlli.h"
#include "support/FakePlatform.h"

namespace {

class CertificateWindow : public testing::Test {
  protected:
    FakePlatform f;
    Modulo1 stato;
    Finestre finestre{stato, f.platform};

    void SetUp() override {
        stato.nomeAlunno = "mARIO rossi";
        stato.numeroMinimo = 30;
        stato.numeroMassimo = 60;
        stato.rigaModalita = " Calcola il prodotto";
        stato.contatoreOperazioni = 40;
        stato.totaleEsatte = 33;
        f.clock.date = "12/06/2024";
    }

    QString testo(QWidget& w, const char* nome) {
        auto* l = controllo<QLabel>(&w, nome);
        return l ? l->text() : QString();
    }
    QPushButton* pulsante(QWidget& w, const char* nome) { return controllo<QPushButton>(&w, nome); }
    // Shows the certificate in front, as the report window and the exercise window do.
    FrmAttestato& mostrato() {
        FrmAttestato& w = finestre.attestato();
        Finestre::mostra(w);
        return w;
    }
};

}  // namespace

TEST_F(CertificateWindow, ShowingItFillsTheSheet) {
    FrmAttestato& w = mostrato();
    EXPECT_EQ(testo(w, "Label1"), "ATTESTATO");
    EXPECT_EQ(testo(w, "lblData"), "Data        12/06/2024");
    EXPECT_EQ(testo(w, "lblNome"), "Mario rossi");
    EXPECT_EQ(testo(w, "lblMotivo"), "per aver  conseguito l'obiettivo");
    EXPECT_EQ(testo(w, "lblObiettivo1"), " Eseguire le moltiplicazioni");
    EXPECT_EQ(testo(w, "lblObiettivo3"), " Calcola il prodotto");
    EXPECT_EQ(testo(w, "lblObiettivo2"), " Numeri da  30 a 60");
    EXPECT_EQ(testo(w, "lblRapporto"), "DISTINTO");
    EXPECT_EQ(testo(w, "lblPerche"), "Per aver dato 33 risposte esatte su 40");
    EXPECT_EQ(stato.nomeAlunno, "Mario rossi");
    EXPECT_EQ(stato.lunghezzaNome, 11);
    EXPECT_EQ(stato.voto, 8);
    EXPECT_EQ(stato.giudizio, "DISTINTO");
    EXPECT_EQ(pulsante(w, "Command2")->text(), "STAMPA  L'ATTESTATO ");
    EXPECT_TRUE(pulsante(w, "Command2")->isEnabled());
}

TEST_F(CertificateWindow, EveryActivationReadsTheSessionAgain) {
    FrmAttestato& w = mostrato();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    EXPECT_EQ(testo(w, "lblRapporto"), "DISTINTO");

    // The pupil goes to another window, the practice moves on, and comes back.
    FrmStampa& report = finestre.stampa();
    Finestre::mostra(report);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&report));
    stato.totaleEsatte = 38;
    f.clock.date = "13/06/2024";
    Finestre::mostra(w);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    EXPECT_EQ(testo(w, "lblRapporto"), "OTTIMO");
    EXPECT_EQ(testo(w, "lblPerche"), "Per aver dato 38 risposte esatte su 40");
    EXPECT_EQ(testo(w, "lblData"), "Data        13/06/2024");
}

TEST_F(CertificateWindow, ModeLineOfTheOpenExerciseWindowElseTheSessionsCopy) {
    FrmOperativoMeno& operativo = finestre.operativo();
    operativo.impostaRigaModalita(" Calcola il fattore");
    stato.rigaModalita = " Calcola il prodotto o il fattore esecondo casualità";
    stato.contatoreOperazioni = 40;
    stato.totaleEsatte = 33;
    FrmAttestato& w = finestre.attestato();
    w.Form_Activate();
    EXPECT_EQ(testo(w, "lblObiettivo3"), " Calcola il fattore");

    operativo.close();
    eliminaChiuse();
    ASSERT_EQ(finestre.operativoSeCaricato(), nullptr);
    w.Form_Activate();
    EXPECT_EQ(testo(w, "lblObiettivo3"), " Calcola il prodotto o il fattore esecondo casualità");
    // Reading the mode line never reopens the exercise window.
    EXPECT_EQ(finestre.operativoSeCaricato(), nullptr);
}

TEST_F(CertificateWindow, NotPrintableStaysSoWhileLoaded) {
    stato.totaleEsatte = 19;  // 4 of 10: not graded
    FrmAttestato& w = finestre.attestato();
    w.Form_Activate();
    EXPECT_EQ(testo(w, "lblRapporto"), "Non classificato");
    QPushButton* stampa = pulsante(w, "Command2");
    EXPECT_EQ(stampa->text(), "ATTESTATO NON STAMPABILE");
    EXPECT_FALSE(stampa->isEnabled());

    stato.totaleEsatte = 36;
    w.Form_Activate();
    EXPECT_EQ(testo(w, "lblRapporto"), "OTTIMO");
    EXPECT_EQ(stampa->text(), "ATTESTATO NON STAMPABILE");
    EXPECT_FALSE(stampa->isEnabled());

    // A new certificate starts printable and decides again.
    w.close();
    eliminaChiuse();
    FrmAttestato& nuovo = finestre.attestato();
    EXPECT_EQ(pulsante(nuovo, "Command2")->text(), "STAMPA  L'ATTESTATO ");
    nuovo.Form_Activate();
    EXPECT_TRUE(pulsante(nuovo, "Command2")->isEnabled());
}

TEST_F(CertificateWindow, FrameCentredAgainAtActivation) {
    FrmAttestato& w = finestre.attestato();
    auto* frame2 = w.findChild<QWidget*>("Frame2");
    ASSERT_NE(frame2, nullptr);
    const int top = frame2->y();
    w.Form_Activate();
    EXPECT_EQ(frame2->x(), (w.width() - frame2->width()) / 2);
    w.resize(1200, w.height());
    w.Form_Activate();
    EXPECT_EQ(frame2->x(), (1200 - frame2->width()) / 2);
    EXPECT_EQ(frame2->y(), top);
}

TEST_F(CertificateWindow, OnlyTheTitleHasABackgroundOverTheDrawing) {
    FrmAttestato& w = finestre.attestato();
    QWidget* frame1 = w.findChild<QWidget*>("Frame1");
    ASSERT_NE(frame1, nullptr);
    QWidget* image1 = frame1->findChild<QWidget*>("Image1");
    ASSERT_NE(image1, nullptr);
    EXPECT_EQ(image1->accessibleName(), "Decorazione");
    const QList<QLabel*> etichette = frame1->findChildren<QLabel*>();
    EXPECT_EQ(etichette.size(), 11);
    for (QLabel* l : etichette) {
        EXPECT_EQ(l->autoFillBackground(), l->objectName() == "Label1")
            << l->objectName().toStdString();
        // Drawn above the picture.
        EXPECT_GT(frame1->children().indexOf(l), frame1->children().indexOf(image1));
    }
}

TEST_F(CertificateWindow, PrintsWithoutTheButtonsAndShowsThemAgain) {
    FrmAttestato& w = mostrato();
    QList<bool> visibiliDurante;
    f.printer.onForm = [&](QWidget&) {
        for (const char* nome : {"Command2", "Command1", "CmdFine"})
            visibiliDurante << pulsante(w, nome)->isVisible();
    };
    QTest::mouseClick(pulsante(w, "Command2"), Qt::LeftButton);
    EXPECT_EQ(f.printer.calls, QStringList({"name ATTESTATO", "form FrmAttestato", "end"}));
    EXPECT_EQ(visibiliDurante, QList<bool>({false, false, false}));
    for (const char* nome : {"Command2", "Command1", "CmdFine"}) {
        EXPECT_TRUE(pulsante(w, nome)->isVisible()) << nome;
        EXPECT_TRUE(pulsante(w, nome)->isEnabled()) << nome;
    }
    EXPECT_EQ(pulsante(w, "Command2")->text(), "STAMPA  L'ATTESTATO ");
    EXPECT_TRUE(f.dialogs.boxes.empty());
}

TEST_F(CertificateWindow, AFailedPrintShowsTheButtonsAgainAndSaysSo) {
    FrmAttestato& w = mostrato();
    for (Printer::Result esito : {Printer::Result::Failed, Printer::Result::NoPrinter}) {
        f.printer.result = esito;
        f.printer.calls.clear();
        bool visibiliAlMessaggio = false;
        f.dialogs.onShow = [&](const FakeDialogs::Box&) {
            visibiliAlMessaggio = pulsante(w, "Command2")->isVisible() &&
                                  pulsante(w, "Command1")->isVisible() &&
                                  pulsante(w, "CmdFine")->isVisible();
        };
        QTest::mouseClick(pulsante(w, "Command2"), Qt::LeftButton);
        EXPECT_EQ(f.printer.calls, QStringList({"name ATTESTATO", "form FrmAttestato", "end"}));
        EXPECT_TRUE(visibiliAlMessaggio);
    }
    ASSERT_EQ(f.dialogs.boxes.size(), 2u);
    EXPECT_EQ(f.dialogs.boxes[0].text, "Stampa non riuscita");
    EXPECT_EQ(f.dialogs.boxes[1].text, "Nessuna stampante installata");
    EXPECT_EQ(f.dialogs.boxes[1].style, 0);
    EXPECT_EQ(f.dialogs.boxes[1].title, "");
}

TEST_F(CertificateWindow, EsciClosesOnlyTheCertificate) {
    FrmStampa& report = finestre.stampa();
    Finestre::mostra(report);
    FrmAttestato& w = mostrato();
    EXPECT_EQ(pulsante(w, "CmdFine")->text(), "ESCI");
    QTest::mouseClick(pulsante(w, "CmdFine"), Qt::LeftButton);
    eliminaChiuse();
    EXPECT_EQ(finestre.attestatoSeCaricato(), nullptr);
    EXPECT_EQ(finestre.stampaSeCaricato(), &report);
    EXPECT_TRUE(report.isVisible());
}

TEST_F(CertificateWindow, FineSessioneEndsEverything) {
    FrmOperativoMeno& operativo = finestre.operativo();
    Finestre::mostra(operativo);
    FrmStampa& report = finestre.stampa();
    Finestre::mostra(report);
    FrmAttestato& w = mostrato();
    EXPECT_EQ(pulsante(w, "Command1")->text(), "FINE SESSIONE");
    EXPECT_EQ(f.ending.ended, 0);
    QTest::mouseClick(pulsante(w, "Command1"), Qt::LeftButton);
    EXPECT_FALSE(report.isVisible());
    EXPECT_FALSE(operativo.isVisible());
    EXPECT_EQ(f.ending.ended, 1);
    eliminaChiuse();
    EXPECT_EQ(finestre.attestatoSeCaricato(), nullptr);
    EXPECT_EQ(finestre.stampaSeCaricato(), nullptr);
    EXPECT_EQ(finestre.operativoSeCaricato(), nullptr);
}

TEST_F(CertificateWindow, TabOrderOfTheButtons) {
    FrmAttestato& w = finestre.attestato();
    EXPECT_EQ(pulsante(w, "Command2")->nextInFocusChain(), pulsante(w, "Command1"));
    EXPECT_EQ(pulsante(w, "Command1")->nextInFocusChain(), pulsante(w, "CmdFine"));
}
