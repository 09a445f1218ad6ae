#include <gtest/gtest.h>
#include <QAction>
#include <QApplication>
#include <QFontMetricsF>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <cmath>

#include "FinestraEsercizio.h"
#include "platform/Twips.h"
#include "platform/VbColor.h"
#include "shell/Modulo1.h"
#include "support/Controlli.h"
#include "support/FakePlatform.h"
#include "support/StampaQString.h"

TEST_F(FinestraEsercizio, AfterLoadingOnlyEsciAndTheFirstOperation) {
    // What an earlier practice left in the session.
    stato.totaleEsatte = 7;
    stato.contatoreOperazioni = 33;
    stato.numeroEsercizio = 4;
    stato.esatteEsercizio = 3;
    stato.testoTempoEsercizio(3) = " 80";
    stato.rispostaDigitata = "12";
    f.random.listed = {0.0, 0.0, 0.0};  // 5 x 5, the product hidden
    apri();

    EXPECT_EQ(w->windowTitle(), "ESERCIZI SULLE ROVOROREZOVERED.1");
    EXPECT_EQ(testo("Label2"), " Operazione con numero massimo da 1 a 99");
    EXPECT_EQ(comandiVisibili(), QStringList{"CmdFine"});
    EXPECT_EQ(casella()->text(), "");
    EXPECT_FALSE(casella()->isReadOnly());
    EXPECT_TRUE(trova("fraTastierino")->isEnabled());
    EXPECT_EQ(testo("LblEsercizio"), "1");
    EXPECT_EQ(testo("LblOperazione"), "1");
    EXPECT_EQ(testo("LblNumero1"), "5");
    EXPECT_EQ(testo("LblNumero2"), "5");
    EXPECT_EQ(testo("LblTempoParziale"), "");
    EXPECT_EQ(testo("LblTempoTotale"), "");
    EXPECT_EQ(testo("LblEsito"), "");
    EXPECT_EQ(testo("LblIstruzione"), " Digita il risultato");
    EXPECT_EQ(trova("LblNumero1")->x(), twips(100));
    EXPECT_EQ(trova("LblNumero2")->x(), twips(4000));
    EXPECT_EQ(casella()->x(), twips(8000));
    EXPECT_EQ(segniVisibili(), QStringList());
    EXPECT_FALSE(voce("mnuStampa")->isEnabled());
    EXPECT_FALSE(voce("mnuAttestato")->isEnabled());
    EXPECT_TRUE(voce("MnuEsci")->isEnabled());

    EXPECT_EQ(stato.elencoOperazioni(1), " 5 x  5 =  ?");
    EXPECT_EQ(stato.rispostaAttesa, "25");
    EXPECT_EQ(stato.rispostaDigitata, "");
    EXPECT_EQ(stato.contatoreOperazioni, 1);
    EXPECT_EQ(stato.numeroEsercizio, 1);
    EXPECT_EQ(stato.numeroOperazione, 1);
    EXPECT_EQ(stato.totaleEsatte, 0);
    EXPECT_EQ(stato.esatteEsercizio, 0);
    EXPECT_EQ(stato.testoTempoEsercizio(3), "");
    EXPECT_EQ(stato.inizioOperazione, f.clock.now);
}

TEST_F(FinestraEsercizio, AFactorHiddenPutsTheBoxInItsSlot) {
    f.random.listed = {0.07, 0.14, 0.8};  // 6 x 7, the second written factor hidden
    apri(30, 60, 4, 2, 3);
    EXPECT_EQ(testo("Label2"), " Operazione con numero massimo da 30 a 60");
    EXPECT_EQ(testo("LblNumero1"), "6");
    EXPECT_EQ(testo("LblNumero2"), "42");
    EXPECT_EQ(trova("LblNumero1")->x(), twips(100));
    EXPECT_EQ(casella()->x(), twips(4000));
    EXPECT_EQ(trova("LblNumero2")->x(), twips(8000));
    EXPECT_EQ(stato.elencoOperazioni(1), " 6 x  ? = 42");
    EXPECT_EQ(stato.rispostaAttesa, "7");
}

TEST_F(FinestraEsercizio, CaptionsMenusAndAccessibleNames) {
    apri();
    const std::pair<const char*, const char*> didascalie[] = {
        {"CmdVerifica", "V e r i f i c a "},
        {"CmdOperazione", "N u o v a   s o t t r a z i o n e"},
        {"CmdEsercizio", "Nuovo esercizio"},
        {"CmdStampa", "Visualizza  esercizio"},
        {"CmdFine", "Esci"},
        {"cmdCancella", "Cancella"},
    };
    for (const auto& [nome, didascalia] : didascalie)
        EXPECT_EQ(trova<QPushButton>(nome)->text(), didascalia) << nome;
    for (const auto& [didascalia, nome] : kTasti)
        EXPECT_EQ(trova<QPushButton>(nome)->text(), didascalia) << nome;
    EXPECT_FALSE(visibile("cmdSfondo"));
    for (QPushButton* pulsante : w->findChildren<QPushButton*>())
        EXPECT_EQ(pulsante->cursor().shape(), Qt::PointingHandCursor)
            << pulsante->objectName().toStdString();

    EXPECT_EQ(testo("LblSegno"), "X");
    EXPECT_EQ(testo("LblUguale"), "=");
    EXPECT_EQ(testo("LblContatore"),
              "  1      2       3      4      5      6      7      8      9     10");
    EXPECT_EQ(testo("Label4"), "Risp. esatte");
    EXPECT_EQ(testo("Label8"), "Esercizio n.");
    EXPECT_EQ(testo("Label6"), "Risp. errate");
    EXPECT_EQ(testo("Label5"), " Eser.    Oper.   Tempo      Tempo ");
    EXPECT_EQ(testo("Label3"), "                        parziale    totale");
    EXPECT_EQ(trova<QGroupBox>("fraTastierino")->title(), "TASTIERINO");
    EXPECT_EQ(trova<QGroupBox>("frmValutazione")->title(), "VALUTAZIONE");
    EXPECT_EQ(trova<QGroupBox>("frmElaborazione")->title(), "ELABORAZIONE");
    EXPECT_EQ(trova("LblTempoParziale")->toolTip(), "Secondi impiegati per ogni risposta");
    EXPECT_EQ(trova("LblTempoTotale")->toolTip(), "Secondi impiegati per ogni esercizio");

    auto* file = trova<QMenu>("MnuFile");
    EXPECT_EQ(file->title(), "File");
    QStringList voci;
    for (QAction* azione : file->actions())
        voci << azione->objectName() + (azione->isSeparator() ? "|-" : "|" + azione->text());
    EXPECT_EQ(voci,
              QStringList({"mnuStampa|Visualizza operazioni", "mnuAttestato|Visualizza attestato",
                           "mnuseparatore|-", "MnuEsci|Esci"}));

    EXPECT_EQ(casella()->accessibleName(), "Risultato");
    for (int k = 1; k <= 10; ++k) {
        EXPECT_EQ(trova(QStringLiteral("Image%1").arg(k))->accessibleName(),
                  QStringLiteral("Risposta esatta %1").arg(k));
        EXPECT_EQ(trova(QStringLiteral("Image%1").arg(k + 10))->accessibleName(),
                  QStringLiteral("Risposta errata %1").arg(k));
    }
}

TEST_F(FinestraEsercizio, TabOrderStartsAtTheResultBox) {
    apri();
    const QStringList atteso = {"TxtRisultato", "CmdFine",   "CmdOperazione", "CmdVerifica",
                                "CmdEsercizio", "CmdStampa", "cmdCancella",   "Command12",
                                "Command11",    "Command10", "Command9",      "Command8",
                                "Command7",     "Command6",  "Command5",      "Command4",
                                "Command3",     "Command2",  "Command13"};
    QStringList ordine;
    QWidget* corrente = casella();
    do {
        if (corrente->focusPolicy() & Qt::TabFocus)
            ordine << corrente->objectName();
        corrente = corrente->nextInFocusChain();
    } while (corrente != casella());
    ordine.removeAll("cmdSfondo");
    EXPECT_EQ(ordine, atteso);
}

// The headings of the progress board stand clear of its three lines, in whatever face the
// font fallback has given them.
TEST_F(FinestraEsercizio, EveryHeadingWordStandsInsideItsColumn) {
    apri();
    QWidget* tabella = trova("frmElaborazione");
    QList<int> linee;
    for (int k = 1; k <= 3; ++k)
        linee << trova(QStringLiteral("Line%1").arg(k))->geometry().left();
    ASSERT_EQ(linee, QList<int>({twips(840), twips(1560), twips(2400)}));
    const QList<int> bordi = {0, linee[0], linee[1], linee[2], tabella->width()};

    const std::pair<const char*, QStringList> righe[] = {
        {"Label5", {"Eser.", "Oper.", "Tempo", "Tempo"}},
        {"Label3", {"", "", "parziale", "totale"}}};
    for (const auto& [nome, parole] : righe) {
        auto* etichetta = trova<QLabel>(nome);
        const QFontMetricsF misura(etichetta->font());
        const QString testo = etichetta->text();
        qsizetype da = 0;
        for (int colonna = 0; colonna < 4; ++colonna) {
            const QString parola = parole[colonna];
            if (parola.isEmpty())
                continue;
            const qsizetype dove = testo.indexOf(parola, da);
            ASSERT_GE(dove, 0) << parola.toStdString();
            da = dove + parola.size();
            const double sinistra = etichetta->x() + misura.horizontalAdvance(testo.left(dove));
            const double destra = etichetta->x() + misura.horizontalAdvance(testo.left(da));
            EXPECT_GT(sinistra, bordi[colonna] + 1) << nome << " " << parola.toStdString();
            EXPECT_LT(destra, bordi[colonna + 1]) << nome << " " << parola.toStdString();
        }
        // Whole on its line.
        EXPECT_GE(etichetta->width(), std::ceil(misura.horizontalAdvance(testo))) << nome;
    }
    EXPECT_EQ(testo("Label5"), " Eser.    Oper.   Tempo      Tempo ");
    EXPECT_EQ(testo("Label3"), "                        parziale    totale");
}

TEST_F(FinestraEsercizio, TheModeColoursAndTheModeLine) {
    apri();
    const QColor sfondo = vbColor(rgb(200, 255, 255));
    const QColor comandi = vbColor(rgb(200, 200, 255));
    w->impostaSfondoFinestra(sfondo);
    w->impostaSfondoNumero(sfondo);
    w->impostaSfondoRisultato(sfondo);
    w->impostaTestoRisultato(vbColor(0x00004080));
    w->impostaColoreComandi(comandi);
    w->impostaRigaModalita(" Calcola il fattore");

    EXPECT_EQ(w->centralWidget()->palette().color(QPalette::Window), sfondo);
    EXPECT_EQ(trova("frmNumero")->palette().color(QPalette::Window), sfondo);
    EXPECT_EQ(casella()->palette().color(QPalette::Base), sfondo);
    EXPECT_EQ(casella()->palette().color(QPalette::Text), QColor(128, 64, 0));
    for (const char* nome : {"frmElaborazione", "frmValutazione"})
        EXPECT_EQ(trova(nome)->palette().color(QPalette::Window), comandi) << nome;
    for (const char* nome :
         {"CmdFine", "cmdSfondo", "CmdVerifica", "CmdOperazione", "CmdEsercizio", "CmdStampa"})
        EXPECT_EQ(trova(nome)->palette().color(QPalette::Button), comandi) << nome;
    // The keypad keeps its own colour.
    EXPECT_EQ(trova("Command2")->palette().color(QPalette::Button), vbColor(0x0080FFFF));
    EXPECT_EQ(testo("Label1"), " Calcola il fattore");
    EXPECT_EQ(w->rigaModalita(), " Calcola il fattore");
    EXPECT_EQ(stato.rigaModalita, " Calcola il fattore");
}

TEST_F(FinestraEsercizio, RightAndWrongAnswersWithTheirRecords) {
    f.random.listed = {0.2, 0.6, 0.0};  // 3 x 7, the product hidden
    apri(1, 30, 1, 1, 1);
    rispondi("21", 4.5);
    EXPECT_EQ(stato.elencoOperazioni(1), " 3 x  7 =  ?  (21)   4 Tp");
    ASSERT_EQ(f.sound.plays.size(), 1u);
    EXPECT_EQ(f.sound.plays[0].file, "/programma/positivo.wav");
    EXPECT_EQ(f.sound.plays[0].flags, 1u);
    EXPECT_EQ(testo("LblEsito"), "E S A T T O");
    EXPECT_EQ(segniVisibili(), QStringList{"Image1"});
    EXPECT_EQ(testo("LblTempoParziale"), " 4");
    EXPECT_EQ(testo("LblTempoTotale"), " 4");
    EXPECT_FALSE(trova("fraTastierino")->isEnabled());
    EXPECT_EQ(comandiVisibili(), QStringList{"CmdOperazione"});
    EXPECT_EQ(w->focusWidget(), trova("CmdOperazione"));
    EXPECT_EQ(testo("LblIstruzione"), "Clicca sul pulsante Nuova sottrazione");

    // The next operation clears the answer's time but not the exercise's.
    stato.posizioneDa = 2;
    stato.posizioneA = 3;
    f.random.listed = {0.2, 0.6, 0.8};  // 3 x ? = 21
    premi("CmdOperazione");
    EXPECT_EQ(testo("LblTempoParziale"), "");
    EXPECT_EQ(testo("LblTempoTotale"), " 4");
    EXPECT_EQ(testo("LblOperazione"), "2");
    EXPECT_EQ(testo("LblEsito"), "");
    EXPECT_EQ(comandiVisibili(), QStringList());
    EXPECT_TRUE(trova("fraTastierino")->isEnabled());
    EXPECT_EQ(w->focusWidget(), casella());
    EXPECT_EQ(stato.elencoOperazioni(2), " 3 x  ? = 21");

    // «07» is not «7».
    rispondi("07", 15);
    EXPECT_EQ(stato.elencoOperazioni(2), " 3 x  ? = 21  (07)* 15 Tp");
    EXPECT_EQ(f.sound.plays.size(), 1u);
    EXPECT_EQ(testo("LblEsito"), "E R R A T O");
    EXPECT_EQ(segniVisibili(), QStringList({"Image1", "Image11"}));
    EXPECT_EQ(testo("LblTempoParziale"), " 15");
    EXPECT_EQ(testo("LblTempoTotale"), " 19");

    // Shown capped, recorded in full.
    premi("CmdOperazione");
    rispondiGiusto(120);
    EXPECT_EQ(testo("LblTempoParziale"), "99");
    EXPECT_EQ(testo("LblTempoTotale"), " 139");
    EXPECT_TRUE(stato.elencoOperazioni(3).endsWith(")  120 Tp"));
    EXPECT_EQ(segniVisibili(), QStringList({"Image1", "Image2", "Image11"}));
    EXPECT_EQ(f.sound.plays.size(), 2u);
}

TEST_F(FinestraEsercizio, AnExerciseTotalShowsAtMost999) {
    apri();
    rispondiGiusto(500);
    premi("CmdOperazione");
    rispondiGiusto(499);
    EXPECT_EQ(testo("LblTempoTotale"), " 999");
    premi("CmdOperazione");
    rispondiGiusto(1);
    EXPECT_EQ(testo("LblTempoTotale"), "999");
    EXPECT_EQ(stato.testoTempoEsercizio(1), " 1000");
}

TEST_F(FinestraEsercizio, AnAnswerAcrossMidnightGainsADay) {
    f.clock.now = 86398.0;  // 23:59:58
    apri();
    ASSERT_EQ(stato.inizioOperazione, 86398.0);
    rispondiAlle(stato.rispostaAttesa, 2.5);  // the clock restarted at midnight
    EXPECT_EQ(stato.tempoRisposta, 4);
    EXPECT_EQ(testo("LblTempoParziale"), " 4");
    EXPECT_EQ(testo("LblTempoTotale"), " 4");
    EXPECT_TRUE(stato.elencoOperazioni(1).endsWith(")   4 Tp"));
}

TEST_F(FinestraEsercizio, TheEndOfAnExerciseAndTheNext) {
    apri();
    giocaFinoA(9);
    EXPECT_EQ(comandiVisibili(), QStringList{"CmdOperazione"});
    EXPECT_EQ(testo("LblIstruzione"), "Clicca sul pulsante Nuova sottrazione");
    avanti();
    rispondiGiusto();
    EXPECT_EQ(comandiVisibili(), QStringList({"CmdEsercizio", "CmdStampa", "CmdFine"}));
    EXPECT_EQ(testo("LblIstruzione"), "Clicca sul pulsante Nuovo esercizio");
    EXPECT_FALSE(voce("mnuStampa")->isEnabled());
    EXPECT_FALSE(voce("mnuAttestato")->isEnabled());
    // Records 3, 6 and 9 were answered wrongly.
    EXPECT_EQ(segniVisibili(), QStringList({"Image1", "Image2", "Image3", "Image4", "Image5",
                                            "Image6", "Image7", "Image11", "Image12", "Image13"}));

    premi("CmdEsercizio");
    EXPECT_EQ(segniVisibili(), QStringList());
    EXPECT_EQ(testo("LblOperazione"), "1");
    EXPECT_EQ(testo("LblEsercizio"), "2");
    EXPECT_EQ(testo("LblTempoParziale"), "");
    EXPECT_EQ(testo("LblTempoTotale"), "");
    EXPECT_EQ(comandiVisibili(), QStringList{"CmdFine"});
    EXPECT_EQ(testo("LblIstruzione"), " Digita il risultato");
    EXPECT_EQ(w->focusWidget(), casella());
    EXPECT_EQ(stato.contatoreOperazioni, 11);
    EXPECT_EQ(stato.esatteEsercizio, 0);
    EXPECT_EQ(stato.errateEsercizio, 0);
    EXPECT_EQ(stato.totaleEsatte, 7);

    rispondiGiusto(8);
    EXPECT_TRUE(voce("mnuStampa")->isEnabled());
    EXPECT_TRUE(voce("mnuAttestato")->isEnabled());
    EXPECT_EQ(testo("LblTempoTotale"), " 8");
    EXPECT_EQ(stato.testoTempoEsercizio(1), " 30");
    EXPECT_EQ(stato.testoTempoEsercizio(2), " 8");
}
