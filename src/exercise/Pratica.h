#pragma once

struct Modulo1;

// The counters of a practice: four exercises of ten operations, whose records are 1..40.

// The start of a practice (the exercise window's load): exercise 1, operation 1, record 1, no
// answer counted and no time spent in any of the four exercises.
void iniziaPratica(Modulo1& stato);

// The next operation of the exercise: the next record, the typed answer forgotten.
void avanzaOperazione(Modulo1& stato);

// The next exercise: the next record, operation 1, its counts and its time from zero.
void avanzaEsercizio(Modulo1& stato);

// Whether the fortieth operation has been verified, which ends the practice.
bool praticaConclusa(const Modulo1& stato);

// Empties records 1..40, before a new practice starts in their place.
void svuotaRecord(Modulo1& stato);
