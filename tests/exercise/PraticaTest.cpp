#include <gtest/gtest.h>

#include "exercise/Pratica.h"
#include "shell/Modulo1.h"
#include "shell/Testi.h"

TEST(Pratica, CountersAlongAPractice) {
    Modulo1 stato;
    stato.totaleEsatte = 17;
    stato.esatteEsercizio = 4;
    stato.errateEsercizio = 6;
    stato.contatoreOperazioni = 40;
    for (int e = 1; e <= 4; ++e) {
        stato.tempoEsercizio(e) = 100 * e;
        stato.testoTempoEsercizio(e) = Str(100 * e);
    }
    iniziaPratica(stato);
    EXPECT_EQ(stato.contatoreOperazioni, 1);
    EXPECT_EQ(stato.numeroEsercizio, 1);
    EXPECT_EQ(stato.numeroOperazione, 1);
    EXPECT_EQ(stato.totaleEsatte, 0);
    EXPECT_EQ(stato.esatteEsercizio, 0);
    EXPECT_EQ(stato.errateEsercizio, 0);
    // No time of an earlier practice is left for the report.
    for (int e = 1; e <= 4; ++e) {
        EXPECT_EQ(stato.tempoEsercizio(e), 0);
        EXPECT_EQ(stato.testoTempoEsercizio(e), "");
    }

    stato.rispostaDigitata = "42";
    avanzaOperazione(stato);
    EXPECT_EQ(stato.contatoreOperazioni, 2);
    EXPECT_EQ(stato.numeroOperazione, 2);
    EXPECT_EQ(stato.rispostaDigitata, "");

    stato.contatoreOperazioni = 10;
    stato.numeroOperazione = 10;
    stato.esatteEsercizio = 7;
    stato.errateEsercizio = 3;
    stato.tempoRisposta = 5;
    stato.testoTempoRisposta = " 5";
    stato.tempoEsercizio(2) = 33;
    stato.testoTempoEsercizio(2) = " 33";
    stato.tempoEsercizio(1) = 50;
    avanzaEsercizio(stato);
    EXPECT_EQ(stato.numeroEsercizio, 2);
    EXPECT_EQ(stato.contatoreOperazioni, 11);
    EXPECT_EQ(stato.numeroOperazione, 1);
    EXPECT_EQ(stato.esatteEsercizio, 0);
    EXPECT_EQ(stato.errateEsercizio, 0);
    EXPECT_EQ(stato.tempoRisposta, 0);
    EXPECT_EQ(stato.testoTempoRisposta, "");
    EXPECT_EQ(stato.tempoEsercizio(2), 0);
    EXPECT_EQ(stato.testoTempoEsercizio(2), "");
    EXPECT_EQ(stato.tempoEsercizio(1), 50);
    EXPECT_FALSE(praticaConclusa(stato));
}

TEST(Pratica, EmptyingTheRecordsOfAPractice) {
    Modulo1 stato;
    for (int i = 0; i <= 45; ++i)
        stato.elencoOperazioni(i) = "r";
    svuotaRecord(stato);
    EXPECT_EQ(stato.elencoOperazioni(0), "r");
    for (int i = 1; i <= 40; ++i)
        EXPECT_EQ(stato.elencoOperazioni(i), "") << i;
    EXPECT_EQ(stato.elencoOperazioni(41), "r");
}
