#include <gtest/gtest.h>
#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include "FinestraEsercizio.h"
#include "platform/QtDialogs.h"
#include "reports/FrmAttestato.h"
#include "reports/FrmStampa.h"
#include "shell/Modulo1.h"
#include "support/Controlli.h"
#include "support/FakePlatform.h"
#include "support/StampaQString.h"

// The end of a practice and the ways out of the exercise window.

// The real question at the end of a practice: Escape and the close box leave it waiting, and the
// forty answers stay.
TEST_F(FinestraEsercizio, EscapeAtTheEndOfAPracticeKeepsEveryRecord) {
    QtDialogs veri;
    Platform conVeri = f.con(veri);
    piattaforma = &conVeri;
    apri();
    giocaFinoA(39);
    avanti();

    bool apertaDopoEsc = false;
    bool apertaDopoChiusura = false;
    QStringList recordConLaDomandaAperta;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        QTest::keyClick(box->focusWidget() ? box->focusWidget() : box, Qt::Key_Escape);
        apertaDopoEsc = box->isVisible();
        box->close();
        apertaDopoChiusura = box->isVisible();
        for (int i = 1; i <= 40; ++i)
            recordConLaDomandaAperta << stato.elencoOperazioni(i);
        for (QAbstractButton* b : box->buttons())
            if (b->text() == "Sì")
                b->click();
    });
    rispondiGiusto();
    EXPECT_TRUE(apertaDopoEsc);
    EXPECT_TRUE(apertaDopoChiusura);
    EXPECT_EQ(stato.rispostaMessaggio, Dialogs::Yes);
    ASSERT_EQ(recordConLaDomandaAperta.size(), 40);
    for (int i = 1; i <= 40; ++i) {
        EXPECT_TRUE(recordConLaDomandaAperta[i - 1].endsWith(" Tp")) << i;
        EXPECT_EQ(stato.elencoOperazioni(i), recordConLaDomandaAperta[i - 1]) << i;
    }
    EXPECT_EQ(stato.contatoreOperazioni, 40);
    EXPECT_NE(finestre->stampaSeCaricato(), nullptr);
}

TEST_F(FinestraEsercizio, AWholePracticeThenANewSeriesThenTheReport) {
    apri();
    QString esitoAllaDomanda;
    QStringList segniAllaDomanda;
    f.dialogs.onShow = [&](const FakeDialogs::Box&) {
        esitoAllaDomanda = testo("LblEsito");
        segniAllaDomanda = segniVisibili();
    };
    f.dialogs.answers = {Dialogs::No};
    giocaFinoA(39);
    EXPECT_TRUE(f.dialogs.boxes.empty());
    avanti();
    rispondiGiusto();

    // The outcome of the fortieth operation is on screen when the question comes.
    ASSERT_EQ(f.dialogs.boxes.size(), 1u);
    EXPECT_EQ(f.dialogs.boxes[0].text,
              "Hai eseguito 4 esercizi.      \r\rVuoi visualizzare le operazioni eseguite?\r"
              "(Se rispondi NO l'esercizio sarà perso)");
    EXPECT_EQ(f.dialogs.boxes[0].style, 68);
    EXPECT_EQ(f.dialogs.boxes[0].title, "FINE ESERCITAZIONE");
    EXPECT_EQ(esitoAllaDomanda, "E S A T T O");
    EXPECT_EQ(segniAllaDomanda.size(), 10);
    EXPECT_EQ(stato.rispostaMessaggio, Dialogs::No);

    // No: the records are gone and a new series starts at once from record 1.
    EXPECT_EQ(stato.contatoreOperazioni, 1);
    EXPECT_EQ(stato.numeroEsercizio, 1);
    EXPECT_EQ(stato.numeroOperazione, 1);
    EXPECT_EQ(stato.totaleEsatte, 0);
    EXPECT_FALSE(stato.elencoOperazioni(1).isEmpty());
    EXPECT_FALSE(stato.elencoOperazioni(1).endsWith(" Tp"));
    for (int i = 2; i <= 40; ++i)
        EXPECT_EQ(stato.elencoOperazioni(i), "") << i;
    EXPECT_EQ(testo("LblEsercizio"), "1");
    EXPECT_EQ(testo("LblOperazione"), "1");
    EXPECT_EQ(testo("LblTempoTotale"), "");
    EXPECT_EQ(testo("LblEsito"), "");
    EXPECT_EQ(segniVisibili(), QStringList());
    EXPECT_EQ(comandiVisibili(), QStringList{"CmdFine"});
    EXPECT_TRUE(trova("fraTastierino")->isEnabled());
    EXPECT_FALSE(voce("mnuStampa")->isEnabled());
    EXPECT_EQ(w->focusWidget(), casella());
    EXPECT_EQ(finestre->stampaSeCaricato(), nullptr);

    // The new series also ends after record 40, and not before.
    f.dialogs.answers = {Dialogs::Yes};
    giocaFinoA(39);
    EXPECT_EQ(f.dialogs.boxes.size(), 1u);
    avanti();
    rispondiSbagliato();
    ASSERT_EQ(f.dialogs.boxes.size(), 2u);
    EXPECT_EQ(stato.rispostaMessaggio, Dialogs::Yes);

    // Yes: the report opens and everything stays for it.
    FrmStampa* report = finestre->stampaSeCaricato();
    ASSERT_NE(report, nullptr);
    EXPECT_TRUE(report->isVisible());
    EXPECT_EQ(stato.contatoreOperazioni, 40);
    EXPECT_EQ(stato.numeroEsercizio, 0);
    for (int i = 1; i <= 40; ++i)
        EXPECT_TRUE(stato.elencoOperazioni(i).endsWith(" Tp")) << i;
    EXPECT_EQ(comandiVisibili(), QStringList({"CmdEsercizio", "CmdStampa", "CmdFine"}));
    EXPECT_EQ(testo("LblEsito"), "E R R A T O");

    // "Nuovo esercizio" after the end starts a new practice, as No would have.
    premi("CmdEsercizio");
    EXPECT_EQ(f.dialogs.boxes.size(), 2u);
    EXPECT_EQ(stato.contatoreOperazioni, 1);
    EXPECT_EQ(stato.numeroEsercizio, 1);
    EXPECT_EQ(stato.numeroOperazione, 1);
    for (int i = 2; i <= 40; ++i)
        EXPECT_EQ(stato.elencoOperazioni(i), "") << i;
    EXPECT_EQ(testo("LblEsercizio"), "1");
    EXPECT_EQ(segniVisibili(), QStringList());
    EXPECT_EQ(comandiVisibili(), QStringList{"CmdFine"});
    f.dialogs.answers = {Dialogs::Yes};
    giocaFinoA(40);
    EXPECT_EQ(f.dialogs.boxes.size(), 3u);
}

TEST_F(FinestraEsercizio, NoCommandLeadsPastTheRecordsOfAPractice) {
    apri();
    giocaFinoA(10);
    // The next operation is not offered after the tenth, nor a fifth exercise.
    w->CmdOperazione_Click();
    EXPECT_EQ(stato.numeroOperazione, 10);
    EXPECT_EQ(stato.contatoreOperazioni, 10);
    premi("CmdEsercizio");
    giocaFinoA(35);
    w->CmdEsercizio_Click();
    EXPECT_EQ(stato.numeroEsercizio, 4);
    EXPECT_EQ(stato.contatoreOperazioni, 35);
}

TEST_F(FinestraEsercizio, TheReportAndTheCertificateOpenBesideTheWindow) {
    apri();
    giocaFinoA(10);
    premi("CmdStampa");
    FrmStampa* report = finestre->stampaSeCaricato();
    ASSERT_NE(report, nullptr);
    EXPECT_TRUE(report->isVisible());
    EXPECT_FALSE(voce("mnuAttestato")->isEnabled());

    premi("CmdEsercizio");
    rispondiGiusto();
    voce("mnuStampa")->trigger();
    EXPECT_EQ(finestre->stampaSeCaricato(), report);
    voce("mnuAttestato")->trigger();
    FrmAttestato* attestato = finestre->attestatoSeCaricato();
    ASSERT_NE(attestato, nullptr);
    EXPECT_TRUE(attestato->isVisible());
    EXPECT_EQ(finestre->operativoSeCaricato(), w);
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(stato.contatoreOperazioni, 11);
}

TEST_F(FinestraEsercizio, ClosingUnloadsWithoutAQuestionAndReopeningStartsAfresh) {
    apri();
    giocaFinoA(3);
    avanti();
    tastierino({"4"});
    // "Esci" of the menu in the middle of an operation.
    voce("MnuEsci")->trigger();
    chiudiEliminate();
    EXPECT_EQ(finestre->operativoSeCaricato(), nullptr);
    EXPECT_TRUE(f.dialogs.boxes.empty());
    EXPECT_EQ(stato.contatoreOperazioni, 4);
    EXPECT_EQ(stato.rispostaDigitata, "4");
    EXPECT_TRUE(stato.elencoOperazioni(3).endsWith(" Tp"));

    apri();
    EXPECT_EQ(stato.contatoreOperazioni, 1);
    EXPECT_EQ(testo("LblOperazione"), "1");
    EXPECT_EQ(segniVisibili(), QStringList());
    EXPECT_EQ(comandiVisibili(), QStringList{"CmdFine"});
    EXPECT_EQ(casella()->text(), "");
    premi("CmdFine");
    chiudiEliminate();
    EXPECT_EQ(finestre->operativoSeCaricato(), nullptr);

    // The close box, after a new series was started: the next opening is a first one again.
    f.dialogs.answers = {Dialogs::No};
    apri();
    giocaFinoA(39);
    avanti();
    rispondiGiusto();
    ASSERT_EQ(f.dialogs.boxes.size(), 1u);
    EXPECT_EQ(stato.contatoreOperazioni, 1);
    EXPECT_TRUE(w->close());
    chiudiEliminate();
    EXPECT_EQ(finestre->operativoSeCaricato(), nullptr);
    apri();
    EXPECT_EQ(comandiVisibili(), QStringList{"CmdFine"});
    EXPECT_EQ(stato.contatoreOperazioni, 1);
}
