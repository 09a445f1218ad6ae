#include <gtest/gtest.h>
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTest>

#include "platform/Twips.h"
#include "reports/FrmAttestato.h"
#include "reports/FrmStampa.h"
#include "shell/Finestre.h"
#include "shell/Modulo1.h"
#include "shell/RecordOperazione.h"
#include "support/Controlli.h"
#include "support/FakePlatform.h"

namespace {

class ReportWindow : public testing::Test {
  protected:
    FakePlatform f;
    Modulo1 stato;
    Finestre finestre{stato, f.platform};

    // The first exercise done, the first operation of the second one on screen.
    void SetUp() override {
        stato.contatoreOperazioni = 11;
        for (int k = 1; k <= 10; ++k)
            stato.elencoOperazioni(k) = parteOperazione(1, k, 7) +
                                        parteRisposta(" ", QString::number(7 * k), " ", " ", " 4");
        stato.elencoOperazioni(11) = parteOperazione(3, 6, 7);
        stato.testoTempoEsercizio(1) = " 95";
    }

    QLabel* etichetta(FrmStampa& w, const QString& nome) { return controllo<QLabel>(&w, nome); }
    QPushButton* pulsante(QWidget& w, const char* nome) { return controllo<QPushButton>(&w, nome); }
};

}  // namespace

TEST_F(ReportWindow, ListsTheRecordsUpToTheCurrentOperation) {
    FrmStampa& w = finestre.stampa();
    for (int i = 1; i <= 11; ++i)
        EXPECT_EQ(etichetta(w, QStringLiteral("LblOp%1").arg(i))->text(),
                  stato.elencoOperazioni(i));
    EXPECT_EQ(etichetta(w, "LblOp11")->text(), " 6 x  ? = 42");
    for (int i = 12; i <= 40; ++i)
        EXPECT_EQ(etichetta(w, QStringLiteral("LblOp%1").arg(i))->text(), "");

    EXPECT_EQ(etichetta(w, "Label1")->text(), "Tempo totale:     95 sec.");
    EXPECT_EQ(etichetta(w, "Label2")->text(), "Tempo totale:     sec.");
    EXPECT_EQ(etichetta(w, "Label4")->text(), "Tempo totale:     sec.");
    EXPECT_EQ(etichetta(w, "Label6")->text(), "Courier New");
    EXPECT_TRUE(f.dialogs.boxes.empty());
    EXPECT_TRUE(f.printer.calls.isEmpty());
    EXPECT_EQ(stato.indiceRiga, 5);
}

TEST_F(ReportWindow, FourColumnsOfTenOnePerExercise) {
    FrmStampa& w = finestre.stampa();
    EXPECT_EQ(etichetta(w, "LblOp1")->geometry(), twipsRect(180, 900, 2895, 435));
    EXPECT_EQ(etichetta(w, "LblOp10")->geometry(), twipsRect(180, 900 + 9 * 450, 2895, 435));
    EXPECT_EQ(etichetta(w, "LblOp11")->geometry(), twipsRect(3105, 900, 2895, 435));
    EXPECT_EQ(etichetta(w, "LblOp21")->geometry(), twipsRect(6030, 900, 2895, 435));
    EXPECT_EQ(etichetta(w, "LblOp40")->geometry(), twipsRect(8955, 900 + 9 * 450, 2895, 435));
    EXPECT_EQ(etichetta(w, "LblOp31")->accessibleDescription(), "Operazione 31");
}

TEST_F(ReportWindow, TheListTakesTheFontFoundOnlyForTheOperationsDone) {
    FrmStampa& w = finestre.stampa();
    const QFont f1 = etichetta(w, "LblOp1")->font();
    EXPECT_EQ(f1.family(), "Courier New");
    EXPECT_EQ(f1.pointSizeF(), 9);
    EXPECT_TRUE(f1.bold());
    EXPECT_EQ(etichetta(w, "LblOp11")->font().family(), "Courier New");
    const QFont f12 = etichetta(w, "LblOp12")->font();
    EXPECT_EQ(f12.family(), "Courier");
    EXPECT_EQ(f12.pointSizeF(), 9.75);
}

TEST_F(ReportWindow, CourierFirstInThePrintersList) {
    f.printer.fonts = {"Arial", "Courier", "Courier New"};
    FrmStampa& w = finestre.stampa();
    const QFont f1 = etichetta(w, "LblOp1")->font();
    EXPECT_EQ(f1.family(), "Courier");
    EXPECT_EQ(f1.pointSizeF(), 10);
    EXPECT_FALSE(f1.bold());
    EXPECT_EQ(etichetta(w, "Label6")->text(), "Courier");
}

TEST_F(ReportWindow, WithoutThePrinterFontTheListStaysEmpty) {
    f.printer.fonts = {"Arial", "Times New Roman"};
    FrmStampa& w = finestre.stampa();
    ASSERT_EQ(f.dialogs.boxes.size(), 1u);
    EXPECT_EQ(f.dialogs.boxes[0].text, "Devi installare il font Courier o il font Courier New");
    EXPECT_EQ(f.dialogs.boxes[0].style, 0);
    EXPECT_EQ(f.dialogs.boxes[0].title, "");
    EXPECT_EQ(etichetta(w, "LblOp1")->text(), "");
    EXPECT_EQ(etichetta(w, "Label1")->text(), "Tempo totale");
    EXPECT_EQ(etichetta(w, "Label4")->text(), "Tempo totale");
    EXPECT_EQ(etichetta(w, "Label6")->text(), "");

    // Opening it again while loaded asks nothing more; printing says the same and prints
    // nothing.
    finestre.stampa();
    EXPECT_EQ(f.dialogs.boxes.size(), 1u);
    QTest::mouseClick(pulsante(w, "cmdStampaS"), Qt::LeftButton);
    ASSERT_EQ(f.dialogs.boxes.size(), 2u);
    EXPECT_EQ(f.dialogs.boxes[1].text, "Devi installare il font Courier o il font Courier New");
    EXPECT_TRUE(f.printer.calls.isEmpty());
}

TEST_F(ReportWindow, EsciClearsTheExerciseTimes) {
    stato.testoTempoEsercizio(2) = " 30";
    FrmStampa& w = finestre.stampa();
    Finestre::mostra(w);
    QTest::mouseClick(pulsante(w, "Command1"), Qt::LeftButton);
    for (int e = 1; e <= 4; ++e)
        EXPECT_EQ(stato.testoTempoEsercizio(e), "") << e;
    eliminaChiuse();
    EXPECT_EQ(finestre.stampaSeCaricato(), nullptr);

    // Opened again, the same list and times without numbers.
    FrmStampa& nuova = finestre.stampa();
    EXPECT_EQ(etichetta(nuova, "LblOp10")->text(), stato.elencoOperazioni(10));
    EXPECT_EQ(etichetta(nuova, "Label1")->text(), "Tempo totale:     sec.");
}

TEST_F(ReportWindow, MenuAndCloseBoxKeepTheTimes) {
    FrmStampa& w = finestre.stampa();
    Finestre::mostra(w);
    auto* esci = w.findChild<QAction*>("MnuEsci");
    ASSERT_NE(esci, nullptr);
    ASSERT_NE(w.findChild<QMenu*>("MnuFile"), nullptr);
    EXPECT_EQ(esci->text(), "Esci");
    esci->trigger();
    EXPECT_EQ(stato.testoTempoEsercizio(1), " 95");
    eliminaChiuse();
    EXPECT_EQ(finestre.stampaSeCaricato(), nullptr);

    FrmStampa& nuova = finestre.stampa();
    Finestre::mostra(nuova);
    nuova.close();
    EXPECT_EQ(stato.testoTempoEsercizio(1), " 95");
    eliminaChiuse();
    EXPECT_EQ(finestre.stampaSeCaricato(), nullptr);
}

TEST_F(ReportWindow, PrintButtonPrintsThePage) {
    FrmStampa& w = finestre.stampa();
    QTest::mouseClick(pulsante(w, "cmdStampaS"), Qt::LeftButton);
    ASSERT_GE(f.printer.calls.size(), 2);
    EXPECT_EQ(f.printer.calls.at(0), "name STAMPA DELLE OPERAZIONI");
    EXPECT_EQ(f.printer.calls.at(1), "font Courier New");
    EXPECT_TRUE(f.printer.calls.contains("line " + stato.elencoOperazioni(11)));
    EXPECT_EQ(f.printer.calls.last(), "end");
    EXPECT_TRUE(f.dialogs.boxes.empty());
}

TEST_F(ReportWindow, PrintFailuresAreReported) {
    FrmStampa& w = finestre.stampa();
    f.printer.result = Printer::Result::NoPrinter;
    QTest::mouseClick(pulsante(w, "cmdStampaS"), Qt::LeftButton);
    f.printer.result = Printer::Result::Failed;
    QTest::mouseClick(pulsante(w, "cmdStampaS"), Qt::LeftButton);
    ASSERT_EQ(f.dialogs.boxes.size(), 2u);
    EXPECT_EQ(f.dialogs.boxes[0].text, "Nessuna stampante installata");
    EXPECT_EQ(f.dialogs.boxes[1].text, "Stampa non riuscita");
    EXPECT_EQ(f.dialogs.boxes[1].style, 0);
    EXPECT_EQ(f.dialogs.boxes[1].title, "");
}

TEST_F(ReportWindow, OpensTheCertificateAndStaysOpen) {
    FrmStampa& w = finestre.stampa();
    Finestre::mostra(w);
    EXPECT_EQ(pulsante(w, "Command2")->text(), "Visualizza attestato");
    QTest::mouseClick(pulsante(w, "Command2"), Qt::LeftButton);
    FrmAttestato* attestato = finestre.attestatoSeCaricato();
    ASSERT_NE(attestato, nullptr);
    EXPECT_TRUE(attestato->isVisible());
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(finestre.stampaSeCaricato(), &w);
}

TEST_F(ReportWindow, FocusToThePrintButtonOnRequest) {
    FrmStampa& w = finestre.stampa();
    Finestre::mostra(w);
    QApplication::setActiveWindow(&w);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    w.mettiFuocoSuStampa();
    EXPECT_EQ(QApplication::focusWidget(), pulsante(w, "cmdStampaS"));
}
