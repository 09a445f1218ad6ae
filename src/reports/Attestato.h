#pragma once

#include <QString>

class Clock;
struct Modulo1;

// What the certificate says, line by line; the window only places these texts on the sheet.
struct Attestato {
    QString rigaData;         // "Data" and today's date
    QString nome;             // the pupil's name, normalised
    QString rigaMotivo;       // why the certificate is given
    QString rigaObiettivo1;   // the skill practised
    QString rigaModalita;     // what was computed (the exercise window's mode line)
    QString rigaNumeri;       // the range of the numbers
    int voto = 0;             // 0..10
    QString giudizio;         // the grade word
    QString rigaPerche;       // the count behind the grade
    bool stampabile = false;  // false when the practice is not graded
};

// The grade word of a score 0..10; any other score is not graded.
QString giudizioDelVoto(int voto);

// Score 0..10: the share of correct answers among the operations presented, rounded down.
// No operation presented gives 0.
int votoDi(int totaleEsatte, int contatoreOperazioni);

// The name with its first character in upper case and all the others in lower case.
QString normalizzaNome(const QString& nome);

// Builds the certificate of the session: writes the normalised name back into nomeAlunno
// (with its length in lunghezzaNome) and the grade into voto and giudizio. `rigaModalita`
// is the mode line the exercise window shows.
Attestato compilaAttestato(Modulo1& stato, const QString& rigaModalita, Clock& clock);
