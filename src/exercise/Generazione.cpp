#include "exercise/Generazione.h"

#include <cmath>

#include "platform/Clock.h"
#include "platform/Random.h"
#include "shell/Modulo1.h"
#include "shell/Testi.h"

namespace {

struct Regola {
    int ampiezza;  // a factor is Int(r * ampiezza) + base
    int base;
    int minimo;  // accepted products: minimo..massimo
    int massimo;
    bool reseedOgniTentativo;
};

const Regola* regolaDi(int livello) {
    static constexpr Regola regole[] = {
        {10, 1, 0, 30, false},
        {10, 5, 30, 60, true},
        {15, 5, 60, 98, false},
        {15, 5, 0, 98, false},
    };
    if (livello < 1 || livello > 4)
        return nullptr;
    return &regole[livello - 1];
}

int fattore(const Regola& regola, Random& random) {
    return int(std::floor(random.next() * regola.ampiezza)) + regola.base;
}

}  // namespace

void estraiFattori(Modulo1& stato, Clock& clock, Random& random) {
    random.reseed(clock.secondsSinceMidnight());
    if (const Regola* regola = regolaDi(stato.livelloScelto)) {
        for (;;) {
            if (regola->reseedOgniTentativo)
                random.reseed(clock.secondsSinceMidnight());
            stato.fattore1 = fattore(*regola, random);
            stato.fattore2 = fattore(*regola, random);
            const int prodotto = stato.fattore1 * stato.fattore2;
            if (prodotto >= regola->minimo && prodotto <= regola->massimo)
                break;
        }
    }
    stato.spazioFattore1 = padSotto10(stato.fattore1);
    stato.spazioFattore2 = padSotto10(stato.fattore2);
}
