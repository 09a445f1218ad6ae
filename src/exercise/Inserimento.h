#pragma once

#include <QString>

// Answers typed on the keyboard (or pasted) take at most this many characters; the keypad
// has no limit.
constexpr int kMassimoDaTastiera = 3;

// Whether `testo` is made of the digits 0..9 only (and is not empty).
bool soloCifre(const QString& testo);

// Whether `inserito`, typed or pasted into a result box holding `attuale` with `selezionati`
// characters selected (which it replaces), may go in: digits only, and at most
// kMassimoDaTastiera characters in the box afterwards.
bool inserimentoAmmesso(const QString& attuale, qsizetype selezionati, const QString& inserito);
