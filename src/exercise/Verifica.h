#pragma once

#include <QString>

#include "platform/Dialogs.h"

struct Modulo1;

// The time labels show at most these values; the stored times, the records and the report
// keep the real ones.
constexpr int kMassimoTempoParziale = 99;
constexpr int kMassimoTempoTotale = 999;

// Buttons and icon of the question at the end of a practice.
constexpr int kStileFinePratica = Dialogs::YesNo | Dialogs::Information;

// Whole seconds from one clock reading to a later one. The clock restarts at midnight, so a
// negative difference means that midnight fell in between: a day is added.
int secondiTrascorsi(double inizio, double fine);

// What the exercise window shows once an answer has been verified.
struct EsitoVerifica {
    bool esatta = false;
    QString testoEsito;          // LblEsito
    QString segnoEsito;          // " " after a right answer, "*" after a wrong one
    int immagine = 0;            // the mark to show: Image1..Image10 right, Image11..Image20
                                 // wrong; 0 for none
    bool fineEsercizio = false;  // the tenth operation of the exercise: the next exercise is
                                 // offered instead of the next operation
    QString istruzione;          // LblIstruzione
    QString tempoParziale;       // LblTempoParziale
    QString tempoTotale;         // LblTempoTotale
    bool menuAbilitati = false;  // from the eleventh operation on the report and the
                                 // certificate can be opened from the menu
    bool finePratica = false;    // the fortieth operation: the question in testoMessaggio and
                                 // titoloMessaggio is to be asked
};

// Verifies the answer to the operation on screen. `rispostaDigitata` is judged against
// `rispostaAttesa` as text (so «07» is not «7»); the answer is counted, timed from
// `inizioOperazione` to `adesso` (a clock reading) and added to the exercise's time, and the
// answer part, with `digitato` (the text of the result box), is appended to the current
// record. After the fortieth operation `numeroEsercizio` becomes 0 and the question that ends
// the practice is put in the message fields.
EsitoVerifica verificaRisposta(Modulo1& stato, const QString& digitato, double adesso);
