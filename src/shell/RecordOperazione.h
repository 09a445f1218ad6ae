#pragma once

#include <QString>

// The record of an operation: one line of the report, written in two steps.

// The operation part, written when the operation is shown. `posizione` is the hidden term:
// 1 the product, 2 the first written factor, 3 the second written factor.
// Examples: « 3 x  7 =  ?», « ? x  6 = 42», « 6 x  ? = 42».
QString parteOperazione(int posizione, int fattore1, int fattore2);

// The pad written before the typed answer: three spaces for one character, two for two, one
// for three; any other length keeps `precedente`, the pad of the previous verification.
QString spazioRispostaPer(qsizetype lunghezza, const QString& precedente);

// The answer part, appended when the answer is verified: «  (21)   4 Tp».
QString parteRisposta(const QString& spazioRisposta, const QString& digitato,
                      const QString& segnoEsito, const QString& spazioTempo,
                      const QString& testoTempoRisposta);
