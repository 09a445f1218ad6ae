#include "exercise/Verifica.h"

#include <cmath>

#include "shell/Modulo1.h"
#include "shell/RecordOperazione.h"
#include "shell/Testi.h"

int secondiTrascorsi(double inizio, double fine) {
    constexpr double kSecondiPerGiorno = 86400.0;
    double differenza = fine - inizio;
    if (differenza < 0)
        differenza += kSecondiPerGiorno;
    return int(std::floor(differenza));
}

EsitoVerifica verificaRisposta(Modulo1& stato, const QString& digitato, double adesso) {
    EsitoVerifica esito;

    // The judgement: character by character, no numeric conversion.
    esito.esatta = stato.rispostaDigitata == stato.rispostaAttesa;
    if (esito.esatta) {
        esito.testoEsito = QStringLiteral("E S A T T O");
        ++stato.esatteEsercizio;
        ++stato.totaleEsatte;
        esito.segnoEsito = QStringLiteral(" ");
        if (stato.esatteEsercizio >= 1 && stato.esatteEsercizio <= kOperazioniPerEsercizio)
            esito.immagine = stato.esatteEsercizio;
    } else {
        esito.testoEsito = QStringLiteral("E R R A T O");
        ++stato.errateEsercizio;
        esito.segnoEsito = QStringLiteral("*");
        if (stato.errateEsercizio >= 1 && stato.errateEsercizio <= kOperazioniPerEsercizio)
            esito.immagine = kOperazioniPerEsercizio + stato.errateEsercizio;
    }

    esito.fineEsercizio = stato.numeroOperazione == kOperazioniPerEsercizio;
    esito.istruzione = esito.fineEsercizio
                           ? QStringLiteral("Clicca sul pulsante Nuovo esercizio")
                           : QStringLiteral("Clicca sul pulsante Nuova sottrazione");

    // The times: the answer's, and the exercise's so far.
    stato.fineOperazione = adesso;
    stato.tempoRisposta = secondiTrascorsi(stato.inizioOperazione, stato.fineOperazione);
    stato.testoTempoRisposta = Str(stato.tempoRisposta);
    int& tempoEsercizio = stato.tempoEsercizio(stato.numeroEsercizio);
    tempoEsercizio += stato.tempoRisposta;
    stato.testoTempoEsercizio(stato.numeroEsercizio) = Str(tempoEsercizio);
    esito.tempoParziale = stato.tempoRisposta <= kMassimoTempoParziale
                              ? stato.testoTempoRisposta
                              : QString::number(kMassimoTempoParziale);
    esito.tempoTotale = tempoEsercizio <= kMassimoTempoTotale
                            ? stato.testoTempoEsercizio(stato.numeroEsercizio)
                            : QString::number(kMassimoTempoTotale);

    // The answer part of the record.
    stato.spazioRisposta = spazioRispostaPer(digitato.size(), stato.spazioRisposta);
    stato.spazioTempo = padSotto10(stato.tempoRisposta);
    stato.elencoOperazioni(stato.contatoreOperazioni) +=
        parteRisposta(stato.spazioRisposta, digitato, esito.segnoEsito, stato.spazioTempo,
                      stato.testoTempoRisposta);

    esito.menuAbilitati = stato.contatoreOperazioni > kOperazioniPerEsercizio;

    if (stato.contatoreOperazioni == kUltimoRecord) {
        esito.finePratica = true;
        stato.numeroEsercizio = 0;
        stato.testoMessaggio = QStringLiteral(
            "Hai eseguito 4 esercizi.      \r\rVuoi visualizzare le operazioni eseguite?\r"
            "(Se rispondi NO l'esercizio sarà perso)");
        stato.titoloMessaggio = QStringLiteral("FINE ESERCITAZIONE");
    }
    return esito;
}
