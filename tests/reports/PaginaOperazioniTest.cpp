#include <gtest/gtest.h>

#include "reports/PaginaOperazioni.h"
#include "shell/Modulo1.h"
#include "shell/RecordOperazione.h"
#include "support/FakeServizi.h"

namespace {

const QString kIntestazione = "SCUOLA ELEMENTARE DI_____________________   ";

// A practice with `records` operations: each record is distinct (k x 3), the last one shown
// but not yet answered when the count ends inside an exercise.
Modulo1 praticaCon(int records) {
    Modulo1 stato;
    stato.contatoreOperazioni = records;
    for (int k = 1; k <= records; ++k) {
        stato.elencoOperazioni(k) = parteOperazione(1, k, 3);
        if (k < records || records % 10 == 0)
            stato.elencoOperazioni(k) +=
                parteRisposta("  ", QString::number(3 * k), " ", " ", " 4");
    }
    stato.testoTempoEsercizio(1) = " 95";
    if (records > 10)
        stato.testoTempoEsercizio(2) = " 120";
    return stato;
}

// The page as the printer must receive it: its name, the header never bold, then the records in
// four blocks of ten (exercise 1 upper left, 2 upper right, 3 lower left, 4 lower right), then the
// four times under the grid.
QStringList paginaAttesa(const Modulo1& stato, const QString& font) {
    QStringList calls{
        "name STAMPA DELLE OPERAZIONI", "font " + font, "x 1000", "y 1000",  "size 18", "bold 0",
        "line " + kIntestazione,        "x 1000",       "y 1500", "size 12", "size 12", "bold 1"};
    const int origini[4][2] = {{1000, 2000}, {6000, 2000}, {1000, 6400}, {6000, 6400}};
    for (int k = 1; k <= stato.contatoreOperazioni; ++k) {
        const int blocco = (k - 1) / 10;
        calls << QStringLiteral("x %1").arg(origini[blocco][0])
              << QStringLiteral("y %1").arg(origini[blocco][1] + ((k - 1) % 10) * 400)
              << "line " + stato.elencoOperazioni(k);
    }
    const int tempi[4][2] = {{1000, 11000}, {6000, 11000}, {1000, 12000}, {6000, 12000}};
    for (int e = 1; e <= 4; ++e)
        calls << QStringLiteral("x %1").arg(tempi[e - 1][0])
              << QStringLiteral("y %1").arg(tempi[e - 1][1])
              << QStringLiteral("line Eser. n.%1: Tempo tot. %2 secondi")
                     .arg(e)
                     .arg(stato.testoTempoEsercizio(e));
    calls << "end";
    return calls;
}

class PrintedPage : public testing::TestWithParam<int> {};

}  // namespace

TEST_P(PrintedPage, HeaderRecordsAndTimesInOrder) {
    Modulo1 stato = praticaCon(GetParam());
    FakePrinter printer;
    const std::optional<Printer::Result> esito = stampa(stato, printer);
    ASSERT_TRUE(esito.has_value());
    EXPECT_EQ(*esito, Printer::Result::Printed);
    EXPECT_EQ(printer.calls, paginaAttesa(stato, "Courier New"));
    EXPECT_EQ(stato.indiceRiga, 5);
}

INSTANTIATE_TEST_SUITE_P(Records, PrintedPage, testing::Values(10, 11, 25, 40, 0));

TEST(PrintedPage, TimeLinesKeepTheirSpaces) {
    Modulo1 stato = praticaCon(10);
    FakePrinter printer;
    stampa(stato, printer);
    EXPECT_TRUE(printer.calls.contains("line Eser. n.1: Tempo tot.  95 secondi"));
    EXPECT_TRUE(printer.calls.contains("line Eser. n.2: Tempo tot.  secondi"));
    EXPECT_TRUE(printer.calls.contains("line Eser. n.4: Tempo tot.  secondi"));
}

TEST(PrintedPage, PositionsOfTheBlockCorners) {
    EXPECT_EQ(posizioneRecord(1).x, 1000);
    EXPECT_EQ(posizioneRecord(1).y, 2000);
    EXPECT_EQ(posizioneRecord(10).y, 5600);
    EXPECT_EQ(posizioneRecord(11).x, 6000);
    EXPECT_EQ(posizioneRecord(11).y, 2000);
    EXPECT_EQ(posizioneRecord(21).x, 1000);
    EXPECT_EQ(posizioneRecord(21).y, 6400);
    EXPECT_EQ(posizioneRecord(31).x, 6000);
    EXPECT_EQ(posizioneRecord(31).y, 6400);
    EXPECT_EQ(posizioneRecord(40).x, 6000);
    EXPECT_EQ(posizioneRecord(40).y, 10000);
}

TEST(PrintedPage, TwoPrintsAreTwoIdenticalDocuments) {
    Modulo1 stato = praticaCon(40);
    FakePrinter printer;
    stampa(stato, printer);
    const QStringList prima = printer.calls;
    printer.calls.clear();
    stampa(stato, printer);
    EXPECT_EQ(printer.calls, prima);
    EXPECT_EQ(prima.count("end"), 1);
}

TEST(PrintedPage, TheAnswerIsThePrintersOwn) {
    Modulo1 stato = praticaCon(10);
    FakePrinter printer;
    printer.result = Printer::Result::Failed;
    EXPECT_EQ(stampa(stato, printer), Printer::Result::Failed);
    printer.result = Printer::Result::NoPrinter;
    EXPECT_EQ(stampa(stato, printer), Printer::Result::NoPrinter);
}

TEST(FontSearch, FirstFixedPitchFontOfThePrintersList) {
    struct Caso {
        QStringList fonts;
        QString trovato;
    };
    const Caso casi[] = {
        {{"Arial", "Courier"}, "Courier"},
        {{"Courier New", "Times New Roman"}, "Courier New"},
        {{"Arial", "Courier New", "Courier"}, "Courier New"},
        {{"Courier", "Arial", "Courier New"}, "Courier"},
        // Exact names only.
        {{"courier new", "Courier New Bold", "Courier10 Pitch", " Courier"}, ""},
        {{}, ""},
    };
    for (const Caso& c : casi) {
        FakePrinter printer;
        printer.fonts = c.fonts;
        EXPECT_EQ(carattereStampante(printer), c.trovato) << c.fonts.join(',').toStdString();
    }
}

TEST(FontSearch, ThePageIsPrintedInTheFontFound) {
    Modulo1 stato = praticaCon(11);
    FakePrinter printer;
    printer.fonts = {"Courier", "Courier New"};
    stampa(stato, printer);
    EXPECT_EQ(printer.calls, paginaAttesa(stato, "Courier"));
}

TEST(FontSearch, WithoutEitherFontNothingIsPrinted) {
    Modulo1 stato = praticaCon(40);
    FakePrinter printer;
    printer.fonts = {"Arial", "Times New Roman"};
    EXPECT_FALSE(stampa(stato, printer).has_value());
    EXPECT_TRUE(printer.calls.isEmpty());
}

TEST(PrintOutcome, MessagesForWhatDidNotReachThePaper) {
    EXPECT_EQ(messaggioEsitoStampa(Printer::Result::NoPrinter), "Nessuna stampante installata");
    EXPECT_EQ(messaggioEsitoStampa(Printer::Result::Failed), "Stampa non riuscita");
    EXPECT_EQ(messaggioEsitoStampa(Printer::Result::Printed), "");

    FakeDialogs dialogs;
    mostraEsitoStampa(Printer::Result::Printed, dialogs);
    EXPECT_TRUE(dialogs.boxes.empty());
    mostraEsitoStampa(Printer::Result::Failed, dialogs);
    ASSERT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_EQ(dialogs.boxes[0].text, "Stampa non riuscita");
    EXPECT_EQ(dialogs.boxes[0].style, 0);
    EXPECT_EQ(dialogs.boxes[0].title, "");
}
