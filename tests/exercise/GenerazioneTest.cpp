#include <gtest/gtest.h>

#include <map>
#include <set>
#include <utility>

#include "exercise/Generazione.h"
#include "platform/StdRandom.h"
#include "shell/Modulo1.h"
#include "support/FakeServizi.h"

namespace {

struct Livello {
    int livello;
    int minimo, massimo;                // accepted products
    int fattoreMinimo, fattoreMassimo;  // factors that occur
    int coppie;                         // accepted pairs
};

class OgniLivello : public testing::TestWithParam<Livello> {};

}  // namespace

TEST_P(OgniLivello, ProductsFactorsAndPairsWithTheRealSource) {
    const Livello atteso = GetParam();
    Modulo1 stato;
    stato.livelloScelto = atteso.livello;
    FakeClock clock;
    clock.passo = 0.001;
    StdRandom random;

    std::set<std::pair<int, int>> coppie;
    std::set<int> fattori;
    for (int i = 0; i < 20000; ++i) {
        estraiFattori(stato, clock, random);
        const int p = stato.fattore1 * stato.fattore2;
        ASSERT_GE(p, atteso.minimo);
        ASSERT_LE(p, atteso.massimo);
        coppie.insert({stato.fattore1, stato.fattore2});
        fattori.insert(stato.fattore1);
        fattori.insert(stato.fattore2);
        ASSERT_EQ(stato.spazioFattore1, stato.fattore1 < 10 ? " " : "");
        ASSERT_EQ(stato.spazioFattore2, stato.fattore2 < 10 ? " " : "");
    }
    EXPECT_EQ(int(coppie.size()), atteso.coppie);
    EXPECT_EQ(*fattori.begin(), atteso.fattoreMinimo);
    EXPECT_EQ(*fattori.rbegin(), atteso.fattoreMassimo);
    EXPECT_EQ(int(fattori.size()), atteso.fattoreMassimo - atteso.fattoreMinimo + 1);
}

INSTANTIATE_TEST_SUITE_P(Generazione, OgniLivello,
                         testing::Values(Livello{1, 1, 30, 1, 10, 61},
                                         Livello{2, 30, 60, 5, 12, 26},
                                         Livello{3, 60, 98, 5, 19, 54},
                                         Livello{4, 25, 98, 5, 19, 77}));

TEST(Generazione, ScriptedDrawsFollowTheFormulasUntilAPairIsAccepted) {
    Modulo1 stato;
    FakeClock clock;
    FakeRandom random;

    // Level 3: 9 x 5 = 45 is rejected, 9 x 8 = 72 accepted.
    stato.livelloScelto = 3;
    random.listed = {0.31, 0.02, 0.27, 0.2};
    estraiFattori(stato, clock, random);
    EXPECT_EQ(stato.fattore1, 9);
    EXPECT_EQ(stato.fattore2, 8);
    EXPECT_EQ(stato.spazioFattore1, " ");
    EXPECT_EQ(stato.spazioFattore2, " ");
    EXPECT_EQ(random.log,
              QStringList({"reseed 36000.000", "next 0.31", "next 0.02", "next 0.27", "next 0.2"}));

    // Level 1: Int(r * 10) + 1, so 0.99 gives 10 and 0.0 gives 1.
    stato.livelloScelto = 1;
    random.log.clear();
    random.listed = {0.99, 0.0};
    estraiFattori(stato, clock, random);
    EXPECT_EQ(stato.fattore1, 10);
    EXPECT_EQ(stato.fattore2, 1);
    EXPECT_EQ(stato.spazioFattore1, "");
    EXPECT_EQ(random.log, QStringList({"reseed 36000.000", "next 0.99", "next 0"}));

    // Level 4: 9 x 11 = 99 is rejected.
    stato.livelloScelto = 4;
    random.listed = {0.27, 0.4, 0.0, 0.0};
    estraiFattori(stato, clock, random);
    EXPECT_EQ(stato.fattore1, 5);
    EXPECT_EQ(stato.fattore2, 5);
}

TEST(Generazione, LevelTwoReseedsBeforeEveryAttempt) {
    Modulo1 stato;
    stato.livelloScelto = 2;
    FakeClock clock;
    clock.passo = 0.5;
    FakeRandom random;
    // 5 x 5 = 25 rejected, then 5 x 6 = 30 accepted.
    random.listed = {0.0, 0.0, 0.0, 0.1};
    estraiFattori(stato, clock, random);
    EXPECT_EQ(stato.fattore1, 5);
    EXPECT_EQ(stato.fattore2, 6);
    EXPECT_EQ(random.log, QStringList({"reseed 36000.000", "reseed 36000.500", "next 0", "next 0",
                                       "reseed 36001.000", "next 0", "next 0.1"}));
}

TEST(Generazione, LevelOutsideTheRangeKeepsTheFactorsAndRecomputesThePads) {
    Modulo1 stato;
    FakeClock clock;
    FakeRandom random;
    estraiFattori(stato, clock, random);  // no range chosen yet: empty factors count as 0
    EXPECT_EQ(stato.fattore1, 0);
    EXPECT_EQ(stato.spazioFattore1, " ");
    EXPECT_EQ(stato.spazioFattore2, " ");

    stato.livelloScelto = 5;
    stato.fattore1 = 12;
    stato.fattore2 = 3;
    random.log.clear();
    estraiFattori(stato, clock, random);
    EXPECT_EQ(stato.fattore1, 12);
    EXPECT_EQ(stato.fattore2, 3);
    EXPECT_EQ(stato.spazioFattore1, "");
    EXPECT_EQ(stato.spazioFattore2, " ");
    EXPECT_EQ(random.log, QStringList({"reseed 36000.000"}));
}

// The program's generator, counting its draws. Past `limite` it reports a failure and gives
// draws that end any drawing of level 2 (two factors of 6, whose product 36 is in its range),
// so a generator that traps the drawing fails the test at once instead of hanging it.
class GeneratoreContato final : public Random {
  public:
    GeneratoreContato(Random& vero, long limite) : vero_(vero), limite_(limite) {}
    double next() override {
        if (++estrazioni_ <= limite_)
            return vero_.next();
        if (estrazioni_ == limite_ + 1)
            ADD_FAILURE() << "more than " << limite_ << " draws: the drawing is trapped";
        return 0.1;
    }
    void reseed(double seed) override { vero_.reseed(seed); }

  private:
    Random& vero_;
    long limite_;
    long estrazioni_ = 0;
};

TEST(Generazione, AStillClockDoesNotTrapLevelTwo) {
    // Reseeding with the same reading many times in a row must not bring the same rejected
    // pair back: the calls all end, and still give varied pairs.
    Modulo1 stato;
    stato.livelloScelto = 2;
    FakeClock clock;  // never moves
    StdRandom programma;
    // About one pair in four is accepted: some 16,000 draws in all.
    GeneratoreContato random(programma, 400000);
    std::set<std::pair<int, int>> coppie;
    for (int i = 0; i < 2000; ++i) {
        estraiFattori(stato, clock, random);
        coppie.insert({stato.fattore1, stato.fattore2});
    }
    EXPECT_EQ(coppie.size(), 26u);
}

TEST(StdRandom, ReseedMixesTheNumberIntoTheState) {
    StdRandom random;
    std::set<double> primi;
    for (int i = 0; i < 100; ++i) {
        random.reseed(36000.25);
        primi.insert(random.next());
    }
    EXPECT_EQ(primi.size(), 100u);

    for (int i = 0; i < 100000; ++i) {
        const double r = random.next();
        ASSERT_GE(r, 0.0);
        ASSERT_LT(r, 1.0);
    }
}
