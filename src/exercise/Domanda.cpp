#include "exercise/Domanda.h"

#include <cmath>

#include "platform/Clock.h"
#include "platform/Random.h"
#include "shell/Modulo1.h"
#include "shell/RecordOperazione.h"
#include "shell/Testi.h"

Domanda componiDomanda(Modulo1& stato, Random& random, Clock& clock) {
    const int ampiezza = stato.posizioneA - (stato.posizioneDa - 1);
    stato.posizioneIncognita = int(std::floor(random.next() * ampiezza)) + stato.posizioneDa;

    Domanda domanda;
    const int prodotto = stato.fattore1 * stato.fattore2;
    switch (stato.posizioneIncognita) {
        case 1:
            domanda = {true,
                       QString::number(stato.fattore1),
                       QString::number(stato.fattore2),
                       kSlotSinistro,
                       kSlotCentrale,
                       kSlotDestro};
            stato.valoreAtteso = prodotto;
            break;
        case 2:
        case 3:
            domanda = {true,
                       QString::number(stato.fattore1),
                       QString::number(prodotto),
                       stato.posizioneIncognita == 2 ? kSlotCentrale : kSlotSinistro,
                       kSlotDestro,
                       stato.posizioneIncognita == 2 ? kSlotSinistro : kSlotCentrale};
            stato.valoreAtteso = stato.fattore2;
            stato.spazioAtteso = padSotto10(prodotto);
            break;
        default:
            break;
    }
    if (domanda.nuova) {
        stato.rispostaAttesa = Trim(Str(stato.valoreAtteso));
        stato.elencoOperazioni(stato.contatoreOperazioni) =
            parteOperazione(stato.posizioneIncognita, stato.fattore1, stato.fattore2);
    }
    stato.rispostaDigitata.clear();
    stato.inizioOperazione = clock.secondsSinceMidnight();
    return domanda;
}
