#pragma once

#include <QString>

class Clock;
class Random;
struct Modulo1;

// The three places of the question row, by left edge in twips.
constexpr int kSlotSinistro = 100;
constexpr int kSlotCentrale = 4000;
constexpr int kSlotDestro = 8000;

// What the exercise window shows for a new operation.
struct Domanda {
    bool nuova = false;       // false when no valid hidden position could be chosen: the window
                              // keeps what it showed before
    QString testoNumero1;     // caption of LblNumero1
    QString testoNumero2;     // caption of LblNumero2
    int sinistraNumero1 = 0;  // left edges in twips
    int sinistraNumero2 = 0;
    int sinistraRisultato = 0;
};

// Turns the factors just drawn into a question: chooses the hidden term within
// posizioneDa..posizioneA, sets valoreAtteso, rispostaAttesa and spazioAtteso, writes the
// operation part of record contatoreOperazioni, empties rispostaDigitata and starts the
// answer clock (inizioOperazione).
Domanda componiDomanda(Modulo1& stato, Random& random, Clock& clock);
