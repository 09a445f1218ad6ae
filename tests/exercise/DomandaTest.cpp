#include <gtest/gtest.h>

#include <array>

#include "exercise/Domanda.h"
#include "platform/StdRandom.h"
#include "shell/Modulo1.h"
#include "support/FakeServizi.h"

namespace {

Modulo1 statoCon(int posizioneDa, int posizioneA, int f1, int f2) {
    Modulo1 stato;
    stato.posizioneDa = posizioneDa;
    stato.posizioneA = posizioneA;
    stato.fattore1 = f1;
    stato.fattore2 = f2;
    stato.contatoreOperazioni = 1;
    return stato;
}

}  // namespace

TEST(Domanda, ProductHidden) {
    Modulo1 stato = statoCon(1, 1, 3, 3);
    FakeRandom random;
    FakeClock clock;
    clock.now = 45000.5;
    stato.rispostaDigitata = "12";
    const Domanda d = componiDomanda(stato, random, clock);
    EXPECT_TRUE(d.nuova);
    EXPECT_EQ(stato.posizioneIncognita, 1);
    EXPECT_EQ(d.testoNumero1, "3");
    EXPECT_EQ(d.testoNumero2, "3");
    EXPECT_EQ(d.sinistraNumero1, 100);
    EXPECT_EQ(d.sinistraNumero2, 4000);
    EXPECT_EQ(d.sinistraRisultato, 8000);
    EXPECT_EQ(stato.valoreAtteso, 9);
    EXPECT_EQ(stato.rispostaAttesa, "9");
    EXPECT_EQ(stato.elencoOperazioni(1), " 3 x  3 =  ?");
    EXPECT_EQ(stato.rispostaDigitata, "");
    EXPECT_EQ(stato.inizioOperazione, 45000.5);
}

TEST(Domanda, FactorHiddenInEitherPlace) {
    FakeClock clock;
    FakeRandom random;

    // r = 0.8 in positions 2..3 gives 3: 6 X [box] = 42.
    Modulo1 stato = statoCon(2, 3, 6, 7);
    stato.contatoreOperazioni = 14;
    random.listed = {0.8};
    Domanda d = componiDomanda(stato, random, clock);
    EXPECT_EQ(stato.posizioneIncognita, 3);
    EXPECT_EQ(d.testoNumero1, "6");
    EXPECT_EQ(d.testoNumero2, "42");
    EXPECT_EQ(d.sinistraNumero1, 100);
    EXPECT_EQ(d.sinistraNumero2, 8000);
    EXPECT_EQ(d.sinistraRisultato, 4000);
    EXPECT_EQ(stato.rispostaAttesa, "7");
    EXPECT_EQ(stato.spazioAtteso, "");
    EXPECT_EQ(stato.elencoOperazioni(14), " 6 x  ? = 42");

    // r = 0.2 gives 2: [box] X 6 = 42, and the answer is still the second factor.
    random.listed = {0.2};
    d = componiDomanda(stato, random, clock);
    EXPECT_EQ(stato.posizioneIncognita, 2);
    EXPECT_EQ(d.sinistraNumero1, 4000);
    EXPECT_EQ(d.sinistraNumero2, 8000);
    EXPECT_EQ(d.sinistraRisultato, 100);
    EXPECT_EQ(stato.valoreAtteso, 7);
    EXPECT_EQ(stato.rispostaAttesa, "7");
    EXPECT_EQ(stato.elencoOperazioni(14), " ? x  6 = 42");

    // A product below 10 gets its pad.
    stato = statoCon(2, 3, 2, 3);
    random.listed = {0.0};
    componiDomanda(stato, random, clock);
    EXPECT_EQ(stato.spazioAtteso, " ");
    EXPECT_EQ(stato.elencoOperazioni(1), " ? x  2 =  6");
}

TEST(Domanda, EachModeReachesItsPositionsEvenly) {
    StdRandom random;
    FakeClock clock;
    for (const auto& [da, a] : {std::pair{1, 1}, std::pair{2, 3}, std::pair{1, 3}}) {
        Modulo1 stato = statoCon(da, a, 6, 7);
        std::array<int, 4> conti{};
        const int prove = 9000;
        for (int i = 0; i < prove; ++i) {
            componiDomanda(stato, random, clock);
            ASSERT_GE(stato.posizioneIncognita, da);
            ASSERT_LE(stato.posizioneIncognita, a);
            ++conti[std::size_t(stato.posizioneIncognita)];
        }
        const double attesa = double(prove) / (a - da + 1);
        for (int p = da; p <= a; ++p)
            EXPECT_NEAR(conti[std::size_t(p)], attesa, attesa * 0.06)
                << "positions " << da << ".." << a;
    }
}

TEST(Domanda, PositionsOutsideTheirRangeLeaveTheQuestionAsItWas) {
    Modulo1 stato = statoCon(0, 0, 6, 7);
    stato.rispostaAttesa = "12";
    stato.elencoOperazioni(1) = " 3 x  4 =  ?";
    FakeRandom random;
    FakeClock clock;
    const Domanda d = componiDomanda(stato, random, clock);
    EXPECT_FALSE(d.nuova);
    EXPECT_EQ(stato.rispostaAttesa, "12");
    EXPECT_EQ(stato.elencoOperazioni(1), " 3 x  4 =  ?");
    EXPECT_EQ(stato.inizioOperazione, 36000.0);
}
