#pragma once

#include <QString>
#include <array>
#include <cassert>
#include <cstddef>

// Records of a practice: indexes 0..45, a practice uses 1..40.
constexpr int kPrimoRecord = 1;
constexpr int kUltimoRecord = 40;
// Per-exercise entries: indexes 0..5, a practice uses 1..4.
constexpr int kEserciziPerPratica = 4;
constexpr int kOperazioniPerEsercizio = 10;

// An array with the fixed index range lo..hi of the session state. Indexing outside it is a
// programming error, caught by the assertion in debug builds.
template <class T, int Lo, int Hi>
class Elenco {
  public:
    T& operator()(int i) {
        assert(i >= Lo && i <= Hi);
        return items_[std::size_t(i - Lo)];
    }
    const T& operator()(int i) const {
        assert(i >= Lo && i <= Hi);
        return items_[std::size_t(i - Lo)];
    }
    static constexpr int primo() { return Lo; }
    static constexpr int ultimo() { return Hi; }

  private:
    std::array<T, std::size_t(Hi - Lo + 1)> items_{};
};

// The session state: everything that carries one pupil's practice from window to window.
// One instance lives for the whole run and starts zeroed; nothing is ever saved.
struct Modulo1 {
    // Session setup, written by the start window.
    QString nomeAlunno;
    int numeroMinimo = 0;
    int numeroMassimo = 0;
    int livelloScelto = 0;  // 1..4; 0 while no range has been chosen
    int posizioneDa = 0;
    int posizioneA = 0;
    QString coloreModalita;  // decimal text of the mode's command colour
    QString rigaModalita;    // copy of the mode line shown by the exercise window

    // The current operation.
    int fattore1 = 0;
    int fattore2 = 0;
    QString spazioFattore1;
    QString spazioFattore2;
    int posizioneIncognita = 0;  // 1 product, 2 first written factor, 3 second written factor
    int valoreAtteso = 0;
    QString spazioAtteso;
    QString rispostaAttesa;
    QString rispostaDigitata;
    double inizioOperazione = 0;
    double fineOperazione = 0;

    // Progress counters.
    int contatoreOperazioni = 0;  // 1..40: the index of the current record
    int numeroOperazione = 0;     // 1..10 within the exercise
    int numeroEsercizio = 0;      // 1..4; 0 after the end of a practice
    int esatteEsercizio = 0;
    int errateEsercizio = 0;
    int totaleEsatte = 0;

    // Times.
    int tempoRisposta = 0;
    QString testoTempoRisposta;
    QString spazioTempo;
    Elenco<int, 0, 5> tempoEsercizio;
    Elenco<QString, 0, 5> testoTempoEsercizio;

    // Records: one line per operation.
    Elenco<QString, 0, 45> elencoOperazioni;
    QString spazioRisposta;

    // Message box fields.
    QString testoMessaggio;
    QString titoloMessaggio;
    int stileMessaggio = 0;
    int rispostaMessaggio = 0;

    // Report and certificate scratch.
    int indiceRiga = 0;
    int lunghezzaNome = 0;
    int voto = 0;
    QString giudizio;
};
