#include "reports/PaginaOperazioni.h"

#include <algorithm>

#include "platform/Dialogs.h"
#include "shell/Modulo1.h"

const QString kMessaggioCarattereMancante =
    QStringLiteral("Devi installare il font Courier o il font Courier New");

namespace {

// The first row of the records, in twips from the top of the page.
constexpr double kPrimaRiga = 2000;
constexpr double kPassoRiga = 400;
constexpr double kColonnaSinistra = 1000;
constexpr double kColonnaDestra = 6000;

}  // namespace

QString carattereStampante(Printer& printer) {
    const QString courier = QStringLiteral("Courier");
    const QString courierNew = QStringLiteral("Courier New");
    const int quanti = printer.fontCount();
    for (int i = 0; i < quanti; ++i) {
        const QString nome = printer.fontName(i);
        if (nome == courier || nome == courierNew)
            return nome;
    }
    return QString();
}

PosizioneStampa posizioneRecord(int k) {
    // Exercises 1 and 2 side by side in the upper half, 3 and 4 in the lower half, which
    // begins one empty row below the upper one.
    const int esercizio = (k - 1) / kOperazioniPerEsercizio;  // 0..3
    const int riga = (k - 1) % kOperazioniPerEsercizio;
    const double x = esercizio % 2 == 0 ? kColonnaSinistra : kColonnaDestra;
    const double y = kPrimaRiga + (riga + (esercizio >= 2 ? 11 : 0)) * kPassoRiga;
    return {x, y};
}

void intestazione(Printer& printer) {
    printer.setCurrentX(1000);
    printer.setCurrentY(1000);
    printer.setFontSize(18);
    printer.setFontBold(false);
    printer.printLine(QStringLiteral("SCUOLA ELEMENTARE DI_____________________   "));
    printer.setCurrentX(1000);
    printer.setCurrentY(1500);
    printer.setFontSize(12);
}

std::optional<Printer::Result> stampa(Modulo1& stato, Printer& printer) {
    const QString carattere = carattereStampante(printer);
    if (carattere.isEmpty())
        return std::nullopt;

    // The teacher tells the page from others in the print queue by its name.
    printer.setDocName(QStringLiteral("STAMPA DELLE OPERAZIONI"));
    printer.setFontName(carattere);
    intestazione(printer);
    printer.setFontSize(12);
    printer.setFontBold(true);

    const int records = std::clamp(stato.contatoreOperazioni, 0, kUltimoRecord);
    for (stato.indiceRiga = kPrimoRecord; stato.indiceRiga <= records; ++stato.indiceRiga) {
        const PosizioneStampa p = posizioneRecord(stato.indiceRiga);
        printer.setCurrentX(p.x);
        printer.setCurrentY(p.y);
        printer.printLine(stato.elencoOperazioni(stato.indiceRiga));
    }

    // Always the four times, also of the exercises not done yet, under the grid.
    for (stato.indiceRiga = 1; stato.indiceRiga <= kEserciziPerPratica; ++stato.indiceRiga) {
        const int e = stato.indiceRiga;
        printer.setCurrentX(e % 2 == 1 ? kColonnaSinistra : kColonnaDestra);
        printer.setCurrentY(e <= 2 ? 11000 : 12000);
        printer.printLine(QStringLiteral("Eser. n.%1: Tempo tot. ").arg(e) +
                          stato.testoTempoEsercizio(e) + QStringLiteral(" secondi"));
    }
    return printer.endDoc();
}

QString messaggioEsitoStampa(Printer::Result esito) {
    switch (esito) {
        case Printer::Result::NoPrinter:
            return QStringLiteral("Nessuna stampante installata");
        case Printer::Result::Failed:
            return QStringLiteral("Stampa non riuscita");
        case Printer::Result::Printed:
            break;
    }
    return QString();
}

void mostraEsitoStampa(Printer::Result esito, Dialogs& dialogs) {
    const QString messaggio = messaggioEsitoStampa(esito);
    if (!messaggio.isEmpty())
        dialogs.messageBox(messaggio, Dialogs::OkOnly, QString());
}
