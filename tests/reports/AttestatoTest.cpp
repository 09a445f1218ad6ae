#include <gtest/gtest.h>

#include "reports/Attestato.h"
#include "shell/Modulo1.h"
#include "support/FakeServizi.h"

namespace {

struct Valutazione {
    int esatte;
    int presentate;
    int voto;
    const char* giudizio;
};

void PrintTo(const Valutazione& v, std::ostream* os) {
    *os << v.esatte << " su " << v.presentate;
}

class Grading : public testing::TestWithParam<Valutazione> {};

}  // namespace

TEST_P(Grading, ScoreWordAndReasonFromTheCounts) {
    const Valutazione v = GetParam();
    Modulo1 stato;
    stato.nomeAlunno = "Mario";
    stato.totaleEsatte = v.esatte;
    stato.contatoreOperazioni = v.presentate;
    FakeClock clock;

    const Attestato a = compilaAttestato(stato, " Calcola il prodotto", clock);

    EXPECT_EQ(a.voto, v.voto);
    EXPECT_EQ(a.giudizio, v.giudizio);
    EXPECT_EQ(stato.voto, v.voto);
    EXPECT_EQ(stato.giudizio, v.giudizio);
    EXPECT_EQ(a.stampabile, QString(v.giudizio) != "Non classificato");
    EXPECT_EQ(
        a.rigaPerche,
        QStringLiteral("Per aver dato %1 risposte esatte su %2").arg(v.esatte).arg(v.presentate));
}

INSTANTIATE_TEST_SUITE_P(
    EveryBoundary, Grading,
    testing::Values(
        Valutazione{10, 10, 10, "OTTIMO"}, Valutazione{9, 10, 9, "OTTIMO"},
        Valutazione{36, 40, 9, "OTTIMO"}, Valutazione{35, 40, 8, "DISTINTO"},
        Valutazione{8, 10, 8, "DISTINTO"}, Valutazione{7, 10, 7, "BUONO"},
        Valutazione{30, 40, 7, "BUONO"}, Valutazione{6, 10, 6, "SUFFICIENTE"},
        Valutazione{5, 10, 5, "SUFFICIENTE (!)"}, Valutazione{20, 40, 5, "SUFFICIENTE (!)"},
        Valutazione{4, 10, 4, "Non classificato"}, Valutazione{5, 11, 4, "Non classificato"},
        Valutazione{19, 40, 4, "Non classificato"}, Valutazione{0, 10, 0, "Non classificato"},
        Valutazione{0, 1, 0, "Non classificato"}, Valutazione{1, 1, 10, "OTTIMO"}));

TEST(Grading, NoOperationPresentedIsNotGradedRatherThanDividingByZero) {
    EXPECT_EQ(votoDi(0, 0), 0);
    Modulo1 stato;
    FakeClock clock;
    const Attestato a = compilaAttestato(stato, QString(), clock);
    EXPECT_EQ(a.giudizio, "Non classificato");
    EXPECT_FALSE(a.stampabile);
    EXPECT_EQ(a.rigaPerche, "Per aver dato 0 risposte esatte su 0");
}

TEST(Grading, ScoresOutsideTheTableAreNotGraded) {
    EXPECT_EQ(giudizioDelVoto(11), "Non classificato");
    EXPECT_EQ(giudizioDelVoto(-1), "Non classificato");
    EXPECT_EQ(giudizioDelVoto(3), "Non classificato");
}

TEST(Certificate, FixedLinesDateAndRangeOfEachLevel) {
    struct Livello {
        int minimo, massimo;
        const char* riga;
    };
    const Livello livelli[] = {{1, 30, " Numeri da  1 a 30"},
                               {30, 60, " Numeri da  30 a 60"},
                               {60, 99, " Numeri da  60 a 99"},
                               {1, 99, " Numeri da  1 a 99"}};
    FakeClock clock;
    clock.date = "03/05/2024";
    for (const Livello& l : livelli) {
        Modulo1 stato;
        stato.nomeAlunno = "Anna";
        stato.numeroMinimo = l.minimo;
        stato.numeroMassimo = l.massimo;
        stato.contatoreOperazioni = 40;
        const Attestato a = compilaAttestato(stato, " Calcola il fattore", clock);
        EXPECT_EQ(a.rigaNumeri, l.riga);
        EXPECT_EQ(a.rigaData, "Data        03/05/2024");
        EXPECT_EQ(a.rigaMotivo, "per aver  conseguito l'obiettivo");
        EXPECT_EQ(a.rigaObiettivo1, " Eseguire le moltiplicazioni");
        EXPECT_EQ(a.rigaModalita, " Calcola il fattore");
    }
}

TEST(Certificate, NameNormalisedAndWrittenBackWithItsLength) {
    struct Caso {
        QString digitato, normalizzato;
    };
    const Caso casi[] = {{"mARIO rossi", "Mario rossi"},
                         {"a", "A"},
                         {" mario", " mario"},
                         {"ANNA MARIA", "Anna maria"},
                         {QString::fromUtf8("élodie"), QString::fromUtf8("Élodie")},
                         {"", ""}};
    FakeClock clock;
    for (const Caso& c : casi) {
        Modulo1 stato;
        stato.nomeAlunno = c.digitato;
        stato.contatoreOperazioni = 10;
        const Attestato a = compilaAttestato(stato, QString(), clock);
        EXPECT_EQ(a.nome, c.normalizzato) << c.digitato.toStdString();
        EXPECT_EQ(stato.nomeAlunno, c.normalizzato);
        EXPECT_EQ(stato.lunghezzaNome, c.digitato.size());

        // A second filling finds the name already normalised and leaves it alone.
        compilaAttestato(stato, QString(), clock);
        EXPECT_EQ(stato.nomeAlunno, c.normalizzato);
    }
}
