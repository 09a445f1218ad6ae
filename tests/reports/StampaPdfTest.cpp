#include <gtest/gtest.h>
#include <QImage>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <cstdlib>

#include "platform/QtPrinter.h"
#include "reports/FrmAttestato.h"
#include "reports/FrmStampa.h"
#include "reports/PaginaOperazioni.h"
#include "shell/Finestre.h"
#include "shell/Modulo1.h"
#include "shell/RecordOperazione.h"
#include "support/FakePlatform.h"

// The real Qt printer, writing PDF files that poppler's tools read back.

namespace {

// Runs one of poppler's tools and returns its standard output.
QByteArray esegui(const QString& programma, const QStringList& argomenti) {
    QProcess p;
    p.start(programma, argomenti);
    EXPECT_TRUE(p.waitForFinished(60000)) << programma.toStdString();
    EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
    return p.readAllStandardOutput();
}

// The poppler tools these tests read the pages with that are not on PATH.
QStringList strumentiMancanti() {
    QStringList mancanti;
    for (const char* s : {"pdftotext", "pdfinfo", "pdftoppm"})
        if (QStandardPaths::findExecutable(QString::fromLatin1(s)).isEmpty())
            mancanti << QString::fromLatin1(s);
    return mancanti;
}

// Equal colours, give or take what the compression of the page image changes.
bool vicino(QRgb a, QRgb b) {
    return std::abs(qRed(a) - qRed(b)) <= 8 && std::abs(qGreen(a) - qGreen(b)) <= 8 &&
           std::abs(qBlue(a) - qBlue(b)) <= 8;
}

QString testoPdf(const QString& file) {
    return QString::fromUtf8(esegui("pdftotext", {"-layout", file, "-"}));
}

// A whole practice, with real records of every shape: products and factors hidden, right and
// wrong answers, quick and slow ones.
Modulo1 praticaCompleta() {
    Modulo1 stato;
    stato.contatoreOperazioni = 40;
    for (int k = 1; k <= 40; ++k) {
        const int f1 = 2 + k % 11;
        const int f2 = 3 + k % 7;
        const int posizione = 1 + k % 3;
        const int atteso = posizione == 1 ? f1 * f2 : f2;
        const QString digitato = QString::number(k % 4 == 0 ? atteso + 1 : atteso);
        const int tempo = k % 5 == 0 ? 12 : 4;
        stato.elencoOperazioni(k) =
            parteOperazione(posizione, f1, f2) +
            parteRisposta(spazioRispostaPer(digitato.size(), QString()), digitato,
                          k % 4 == 0 ? "*" : " ", tempo < 10 ? " " : "",
                          " " + QString::number(tempo));
    }
    stato.testoTempoEsercizio(1) = " 95";
    stato.testoTempoEsercizio(2) = " 61";
    stato.testoTempoEsercizio(3) = " 70";
    stato.testoTempoEsercizio(4) = " 102";
    return stato;
}

class PdfPrinter : public testing::Test {
  protected:
    void SetUp() override {
        // Without them the pages cannot be read: a failure, never a silent pass.
        const QStringList mancanti = strumentiMancanti();
        ASSERT_TRUE(mancanti.isEmpty())
            << mancanti.join(", ").toStdString()
            << " not found: poppler-utils is missing (tools/install-deps installs it)";
        ASSERT_TRUE(cartella.isValid());
    }
    QString file(const char* nome) const { return cartella.filePath(QString::fromLatin1(nome)); }

    QTemporaryDir cartella;
};

}  // namespace

TEST_F(PdfPrinter, ThePageHoldsTheHeaderEveryRecordAndTheTimes) {
    const QString pdf = file("operazioni.pdf");
    std::unique_ptr<QtPrinter> printer = QtPrinter::toPdf(pdf);
    ASSERT_FALSE(carattereStampante(*printer).isEmpty());
    Modulo1 stato = praticaCompleta();
    EXPECT_EQ(stampa(stato, *printer), Printer::Result::Printed);

    EXPECT_TRUE(
        QString::fromUtf8(esegui("pdfinfo", {pdf})).contains(QRegularExpression("Pages: +1\n")));
    // pdftotext lays the text out again with spaces of its own: compare words.
    QStringList righe;
    for (const QString& r : testoPdf(pdf).split('\n'))
        righe << r.simplified();
    const auto rigaCon = [&](const QString& testo) {
        for (const QString& r : righe)
            if (r.contains(testo.simplified()))
                return r;
        return QString();
    };
    const auto record = [&](int k) { return stato.elencoOperazioni(k).simplified(); };

    EXPECT_EQ(righe.first(), "SCUOLA ELEMENTARE DI_____________________");
    for (int k = 1; k <= 40; ++k)
        EXPECT_FALSE(rigaCon(record(k)).isEmpty()) << k << " " << record(k).toStdString();

    // Two blocks side by side: each row of exercise 1 carries the same row of exercise 2 to
    // its right, and the same for exercises 3 and 4.
    for (int k : {1, 10, 21, 30}) {
        const QString riga = rigaCon(record(k));
        EXPECT_EQ(riga, record(k) + " " + record(k + 10));
    }
    // The lower blocks stand under the upper ones, the times under the grid.
    const QString testo = righe.join('\n');
    EXPECT_LT(testo.indexOf(record(10)), testo.indexOf(record(21)));
    EXPECT_TRUE(
        righe.contains("Eser. n.1: Tempo tot. 95 secondi Eser. n.2: Tempo tot. 61 secondi"));
    EXPECT_TRUE(
        righe.contains("Eser. n.3: Tempo tot. 70 secondi Eser. n.4: Tempo tot. 102 secondi"));
    EXPECT_LT(testo.indexOf(record(40)), testo.indexOf("Eser. n.1"));
    EXPECT_LT(testo.indexOf("Eser. n.1"), testo.indexOf("Eser. n.3"));
}

TEST_F(PdfPrinter, TheCertificatePageAtTrueSizeWithoutTheButtons) {
    const QString pdf = file("attestato.pdf");
    std::unique_ptr<QtPrinter> printer = QtPrinter::toPdf(pdf);
    FakePlatform f;
    Platform platform = f.con(*printer);
    Modulo1 stato;
    stato.nomeAlunno = "mARIO rossi";
    stato.numeroMinimo = 1;
    stato.numeroMassimo = 30;
    stato.rigaModalita = " Calcola il prodotto";
    stato.contatoreOperazioni = 40;
    stato.totaleEsatte = 33;
    Finestre finestre(stato, platform);
    FrmAttestato& w = finestre.attestato();
    Finestre::mostra(w);
    QTest::mouseClick(w.findChild<QPushButton*>("Command2"), Qt::LeftButton);
    EXPECT_TRUE(f.dialogs.boxes.empty());

    const QString testo = testoPdf(pdf);
    for (const char* atteso : {"ATTESTATO", "Mario rossi", "DISTINTO", "Numeri da 1 a 30",
                               "Per aver dato 33 risposte esatte su 40", "Data"})
        EXPECT_TRUE(testo.simplified().contains(QString::fromUtf8(atteso))) << atteso << "\n"
                                                                            << testo.toStdString();
    for (const char* pulsante : {"STAMPA", "FINE SESSIONE", "ESCI"})
        EXPECT_FALSE(testo.contains(QString::fromUtf8(pulsante))) << pulsante;

    // At 100 dots per inch. The window, 12000 x 9000 twips, is wider than an upright page: the
    // page lies across and holds the whole window, its background the same colour to the edges.
    esegui("pdftoppm", {"-r", "100", "-png", "-singlefile", pdf, file("pagina")});
    const QImage pagina(file("pagina.png"));
    ASSERT_FALSE(pagina.isNull());
    EXPECT_GT(pagina.width(), pagina.height());
    const auto estensione = [&](QRgb colore) {
        QRect area;
        for (int y = 0; y < pagina.height(); ++y)
            for (int x = 0; x < pagina.width(); ++x)
                if (vicino(pagina.pixel(x, y), colore))
                    area |= QRect(x, y, 1, 1);
        return area;
    };
    const QRect finestra = estensione(qRgb(0xFF, 0xC0, 0xC0));
    EXPECT_NEAR(finestra.width(), 833, 833 * 0.02);
    EXPECT_NEAR(finestra.height(), 625, 625 * 0.02);
    EXPECT_TRUE(pagina.rect().adjusted(1, 1, -1, -1).contains(finestra));
    // In the middle of the page.
    EXPECT_NEAR(finestra.center().x(), pagina.rect().center().x(), 10);
    EXPECT_NEAR(finestra.center().y(), pagina.rect().center().y(), 10);

    // The sheet, in its own colour, measures 5205 x 6840 twips on paper: 3.6 x 4.75 inches, to
    // be cut out and glued in.
    const QRect foglio = estensione(qRgb(0xC0, 0xFF, 0xFF));
    EXPECT_NEAR(foglio.width(), 361, 361 * 0.02);
    EXPECT_NEAR(foglio.height(), 475, 475 * 0.02);
}

// The system's default printer on a machine that has none (ctest points the print system at a
// scheduler that is not there).
TEST(NoPrinter, TheReportStillListsAndPrintingSaysSo) {
    QtPrinter printer;
    FakePlatform f;
    Platform platform = f.con(printer);
    Modulo1 stato = praticaCompleta();
    Finestre finestre(stato, platform);
    FrmStampa& w = finestre.stampa();
    EXPECT_TRUE(f.dialogs.boxes.empty());
    EXPECT_EQ(w.findChild<QLabel*>("LblOp40")->text(), stato.elencoOperazioni(40));

    QTest::mouseClick(w.findChild<QPushButton*>("cmdStampaS"), Qt::LeftButton);
    ASSERT_EQ(f.dialogs.boxes.size(), 1u);
    EXPECT_EQ(f.dialogs.boxes[0].text, "Nessuna stampante installata");
}
