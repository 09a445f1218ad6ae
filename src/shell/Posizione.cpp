#include "shell/Posizione.h"

#include <algorithm>

namespace {

// The start of a length `lunghezza` centred on the span from `inizio` of `spazio`, kept inside
// it where it fits, else at its start.
int centrata(int inizio, int spazio, int lunghezza) {
    const int centro = inizio + (spazio - lunghezza) / 2;
    return std::max(inizio, std::min(centro, inizio + spazio - lunghezza));
}

}  // namespace

QPoint posizioneIniziale(const QRect& disponibile, const QSize& finestra, const QMargins& cornice) {
    const QSize esterno = finestra.grownBy(cornice);
    return {centrata(disponibile.left(), disponibile.width(), esterno.width()),
            centrata(disponibile.top(), disponibile.height(), esterno.height())};
}

QPoint posizioneDentro(const QRect& disponibile, const QRect& cornice) {
    const auto dentro = [](int inizio, int spazio, int posto, int lunghezza) {
        return std::max(inizio, std::min(posto, inizio + spazio - lunghezza));
    };
    return {dentro(disponibile.left(), disponibile.width(), cornice.left(), cornice.width()),
            dentro(disponibile.top(), disponibile.height(), cornice.top(), cornice.height())};
}
