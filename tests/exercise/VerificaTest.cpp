#include <gtest/gtest.h>

#include "exercise/Pratica.h"
#include "exercise/Verifica.h"
#include "shell/Modulo1.h"

namespace {

// The state of an operation on screen, as the question leaves it.
Modulo1 inAttesa(int esercizio, int operazione, const QString& record, const QString& attesa,
                 double inizio = 36000.0) {
    Modulo1 stato;
    stato.numeroEsercizio = esercizio;
    stato.numeroOperazione = operazione;
    stato.contatoreOperazioni = (esercizio - 1) * 10 + operazione;
    stato.elencoOperazioni(stato.contatoreOperazioni) = record;
    stato.rispostaAttesa = attesa;
    stato.inizioOperazione = inizio;
    return stato;
}

EsitoVerifica rispondi(Modulo1& stato, const QString& digitato, double secondi) {
    stato.rispostaDigitata = digitato;
    return verificaRisposta(stato, digitato, stato.inizioOperazione + secondi);
}

}  // namespace

TEST(Verifica, TimesAreWholeSecondsAndGainADayAcrossMidnight) {
    EXPECT_EQ(secondiTrascorsi(36000.0, 36004.99), 4);
    EXPECT_EQ(secondiTrascorsi(36000.5, 36000.5), 0);
    EXPECT_EQ(secondiTrascorsi(86398.5, 3.0), 4);
    EXPECT_EQ(secondiTrascorsi(86399.9, 0.0), 0);
}

TEST(Verifica, WorkedExampleOfARightAnswer) {
    // Exercise 2, operation 4, 3 x 7 with the product hidden, answered 21 after 4 seconds
    // with 12 seconds already spent in the exercise.
    Modulo1 stato = inAttesa(2, 4, " 3 x  7 =  ?", "21");
    stato.tempoEsercizio(2) = 12;
    stato.esatteEsercizio = 3;
    stato.totaleEsatte = 9;
    const EsitoVerifica esito = rispondi(stato, "21", 4.7);
    EXPECT_TRUE(esito.esatta);
    EXPECT_EQ(esito.testoEsito, "E S A T T O");
    EXPECT_EQ(esito.segnoEsito, " ");
    EXPECT_EQ(esito.immagine, 4);
    EXPECT_FALSE(esito.fineEsercizio);
    EXPECT_EQ(esito.istruzione, "Clicca sul pulsante Nuova sottrazione");
    EXPECT_EQ(esito.tempoParziale, " 4");
    EXPECT_EQ(esito.tempoTotale, " 16");
    EXPECT_TRUE(esito.menuAbilitati);
    EXPECT_FALSE(esito.finePratica);
    EXPECT_EQ(stato.elencoOperazioni(14), " 3 x  7 =  ?  (21)   4 Tp");
    EXPECT_EQ(stato.esatteEsercizio, 4);
    EXPECT_EQ(stato.totaleEsatte, 10);
    EXPECT_EQ(stato.errateEsercizio, 0);
    EXPECT_EQ(stato.tempoRisposta, 4);
    EXPECT_EQ(stato.testoTempoRisposta, " 4");
    EXPECT_EQ(stato.testoTempoEsercizio(2), " 16");
    EXPECT_EQ(stato.fineOperazione, 36004.7);
}

TEST(Verifica, AnswersAreJudgedAsText) {
    for (const QString digitato : {"07", "7 ", ""}) {
        Modulo1 stato = inAttesa(1, 2, " 6 x  ? = 42", "7");
        stato.errateEsercizio = 1;
        stato.spazioRisposta = "  ";
        const EsitoVerifica esito = rispondi(stato, digitato, 4);
        EXPECT_FALSE(esito.esatta) << digitato.toStdString();
        EXPECT_EQ(esito.testoEsito, "E R R A T O");
        EXPECT_EQ(esito.segnoEsito, "*");
        EXPECT_EQ(esito.immagine, 12);
        EXPECT_EQ(stato.errateEsercizio, 2);
        EXPECT_EQ(stato.totaleEsatte, 0);
    }
    Modulo1 stato = inAttesa(1, 1, " 6 x  ? = 42", "7");
    rispondi(stato, "07", 4);
    EXPECT_EQ(stato.elencoOperazioni(1), " 6 x  ? = 42  (07)*  4 Tp");
    // An empty answer keeps the pad of the verification before.
    stato = inAttesa(1, 1, " 6 x  ? = 42", "7");
    stato.spazioRisposta = " ";
    rispondi(stato, "", 12);
    EXPECT_EQ(stato.elencoOperazioni(1), " 6 x  ? = 42 ()* 12 Tp");
    // So does an answer of more than three characters from the keypad.
    stato = inAttesa(1, 1, " 3 x  7 =  ?", "21");
    stato.spazioRisposta = "   ";
    rispondi(stato, "000000", 9);
    EXPECT_EQ(stato.elencoOperazioni(1), " 3 x  7 =  ?   (000000)*  9 Tp");
}

TEST(Verifica, TheLabelsCapTheTimesButTheRecordsDoNot) {
    Modulo1 stato = inAttesa(1, 1, " 3 x  7 =  ?", "21");
    EsitoVerifica esito = rispondi(stato, "21", 99.5);
    EXPECT_EQ(esito.tempoParziale, " 99");
    stato = inAttesa(1, 1, " 3 x  7 =  ?", "21");
    esito = rispondi(stato, "21", 120);
    EXPECT_EQ(esito.tempoParziale, "99");
    EXPECT_EQ(esito.tempoTotale, " 120");
    EXPECT_EQ(stato.testoTempoRisposta, " 120");
    EXPECT_EQ(stato.elencoOperazioni(1), " 3 x  7 =  ?  (21)  120 Tp");

    stato = inAttesa(3, 5, " 3 x  7 =  ?", "21");
    stato.tempoEsercizio(3) = 900;
    esito = rispondi(stato, "21", 99);
    EXPECT_EQ(esito.tempoTotale, " 999");
    stato = inAttesa(3, 5, " 3 x  7 =  ?", "21");
    stato.tempoEsercizio(3) = 900;
    esito = rispondi(stato, "21", 100);
    EXPECT_EQ(esito.tempoTotale, "999");
    EXPECT_EQ(stato.tempoEsercizio(3), 1000);
    EXPECT_EQ(stato.testoTempoEsercizio(3), " 1000");
}

TEST(Verifica, TheEndOfAnExerciseAndOfThePractice) {
    Modulo1 stato = inAttesa(1, 9, " 3 x  7 =  ?", "21");
    EXPECT_FALSE(rispondi(stato, "21", 3).fineEsercizio);

    stato = inAttesa(1, 10, " 3 x  7 =  ?", "21");
    EsitoVerifica esito = rispondi(stato, "21", 3);
    EXPECT_TRUE(esito.fineEsercizio);
    EXPECT_EQ(esito.istruzione, "Clicca sul pulsante Nuovo esercizio");
    EXPECT_FALSE(esito.menuAbilitati);
    EXPECT_FALSE(esito.finePratica);
    EXPECT_EQ(stato.numeroEsercizio, 1);

    stato = inAttesa(2, 1, " 3 x  7 =  ?", "21");
    EXPECT_TRUE(rispondi(stato, "21", 3).menuAbilitati);

    stato = inAttesa(4, 10, " 3 x  7 =  ?", "21");
    esito = rispondi(stato, "21", 3);
    EXPECT_TRUE(esito.fineEsercizio);
    EXPECT_TRUE(esito.finePratica);
    EXPECT_EQ(stato.numeroEsercizio, 0);
    EXPECT_EQ(stato.testoMessaggio,
              "Hai eseguito 4 esercizi.      \r\rVuoi visualizzare le operazioni eseguite?\r"
              "(Se rispondi NO l'esercizio sarà perso)");
    EXPECT_EQ(stato.titoloMessaggio, "FINE ESERCITAZIONE");
    EXPECT_EQ(kStileFinePratica, 68);
    EXPECT_TRUE(praticaConclusa(stato));
}

TEST(Verifica, MarksOnlyForOneToTenAnswers) {
    Modulo1 stato = inAttesa(1, 10, " 3 x  7 =  ?", "21");
    stato.esatteEsercizio = 10;
    EXPECT_EQ(rispondi(stato, "21", 1).immagine, 0);
    stato = inAttesa(1, 10, " 3 x  7 =  ?", "21");
    stato.errateEsercizio = 9;
    EXPECT_EQ(rispondi(stato, "2", 1).immagine, 20);
}
