#include "exercise/Pratica.h"

#include "shell/Modulo1.h"

void iniziaPratica(Modulo1& stato) {
    stato.totaleEsatte = 0;
    stato.contatoreOperazioni = 1;
    stato.numeroEsercizio = 1;
    stato.numeroOperazione = 1;
    // The times of all four exercises, not only of the first: the report lists four time
    // lines, and those of a practice played before must not show beside this one's records.
    for (int esercizio = 1; esercizio <= kEserciziPerPratica; ++esercizio) {
        stato.tempoEsercizio(esercizio) = 0;
        stato.testoTempoEsercizio(esercizio).clear();
    }
    stato.errateEsercizio = 0;
    stato.esatteEsercizio = 0;
}

void avanzaOperazione(Modulo1& stato) {
    stato.rispostaDigitata.clear();
    ++stato.contatoreOperazioni;
    ++stato.numeroOperazione;
}

void avanzaEsercizio(Modulo1& stato) {
    ++stato.numeroEsercizio;
    ++stato.contatoreOperazioni;
    stato.numeroOperazione = 1;
    stato.tempoRisposta = 0;
    stato.tempoEsercizio(stato.numeroEsercizio) = 0;
    stato.testoTempoRisposta.clear();
    stato.testoTempoEsercizio(stato.numeroEsercizio).clear();
    stato.esatteEsercizio = 0;
    stato.errateEsercizio = 0;
}

bool praticaConclusa(const Modulo1& stato) {
    // The verification of record 40 sets numeroEsercizio to 0; a practice being restarted
    // passes through numeroEsercizio 0 too, but with no record yet.
    return stato.numeroEsercizio == 0 && stato.contatoreOperazioni == kUltimoRecord;
}

void svuotaRecord(Modulo1& stato) {
    for (int i = kPrimoRecord; i <= kUltimoRecord; ++i)
        stato.elencoOperazioni(i).clear();
}
