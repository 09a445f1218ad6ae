#pragma once

#include <QString>
#include <optional>

#include "platform/Printer.h"

class Dialogs;
struct Modulo1;

// The message shown when the printer offers neither fixed-pitch font the report needs.
extern const QString kMessaggioCarattereMancante;

// The printer font of the report: the first of "Courier" and "Courier New" in the printer's
// font list, in the list's order; empty when it offers neither.
QString carattereStampante(Printer& printer);

// Where record k (1..40) of the practice is printed, in twips: exercise 1 in the upper left
// block, 2 upper right, 3 lower left, 4 lower right, ten rows per block.
struct PosizioneStampa {
    double x;
    double y;
};
PosizioneStampa posizioneRecord(int k);

// The header line of the page, in the font name already set: never bold, whatever the
// previous page left. Leaves the pen at X 1000, Y 1500 with size 12.
void intestazione(Printer& printer);

// Prints the page of the operations, named "STAMPA DELLE OPERAZIONI" in the print queue: the
// header, records 1..contatoreOperazioni and the four exercise times, then ends the document.
// Without a report font nothing is printed and no document is started: the answer is then empty.
// Counts its loops in indiceRiga.
std::optional<Printer::Result> stampa(Modulo1& stato, Printer& printer);

// The message that tells the pupil a print did not reach the paper; empty when it did.
QString messaggioEsitoStampa(Printer::Result esito);
// Shows that message, if any, in a plain box with the program's title.
void mostraEsitoStampa(Printer::Result esito, Dialogs& dialogs);
