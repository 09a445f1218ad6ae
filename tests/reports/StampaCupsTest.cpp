#include <gtest/gtest.h>
#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "platform/QtPrinter.h"
#include "reports/FrmAttestato.h"
#include "reports/FrmStampa.h"
#include "shell/Finestre.h"
#include "shell/Modulo1.h"
#include "support/Controlli.h"
#include "support/CupsScheduler.h"
#include "support/FakePlatform.h"

// Both printouts through the real Qt printer to a real CUPS scheduler of the test's own: what
// the teacher finds in the print queue, and what the pupil is told when the page did not get
// there.

namespace {

const QString kCoda = QStringLiteral("Aula");

// The text of a PDF document, as pdftotext reads it.
QString testoPdf(const QByteArray& documento) {
    QTemporaryDir cartella;
    QFile file(cartella.filePath(QStringLiteral("documento.pdf")));
    if (!file.open(QIODevice::WriteOnly) || file.write(documento) != documento.size())
        return QStringLiteral("(cannot write the document)");
    file.close();
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), {file.fileName(), QStringLiteral("-")});
    if (!pdftotext.waitForFinished(30000) || pdftotext.exitCode() != 0)
        return QStringLiteral("(pdftotext failed: %1)").arg(pdftotext.errorString());
    return QString::fromUtf8(pdftotext.readAllStandardOutput()).simplified();
}

class StampaSuCups : public testing::Test {
  protected:
    void SetUp() override {
        const QString avvio = cups.start();
        ASSERT_TRUE(avvio.isEmpty()) << avvio.toStdString();
        const QString coda = cups.addDefaultQueue(kCoda);
        ASSERT_TRUE(coda.isEmpty()) << coda.toStdString();

        stato.nomeAlunno = QStringLiteral("mARIO rossi");
        stato.numeroMinimo = 1;
        stato.numeroMassimo = 30;
        stato.rigaModalita = QStringLiteral(" Calcola il prodotto");
        stato.contatoreOperazioni = 10;
        stato.totaleEsatte = 9;
        for (int k = 1; k <= 10; ++k)
            stato.elencoOperazioni(k) = QStringLiteral("%1 x 3 = %2").arg(k).arg(3 * k);
        stato.testoTempoEsercizio(1) = QStringLiteral(" 95");
    }

    QPushButton* pulsante(QWidget& finestra, const char* nome) {
        return controllo<QPushButton>(&finestra, nome);
    }
    void stampaOperazioni() {
        FrmStampa& w = finestre.stampa();
        QTest::mouseClick(pulsante(w, "cmdStampaS"), Qt::LeftButton);
    }
    FrmAttestato& stampaAttestato() {
        FrmAttestato& w = finestre.attestato();
        Finestre::mostra(w);
        QTest::mouseClick(pulsante(w, "Command2"), Qt::LeftButton);
        return w;
    }
    // The text of the document of the one job in the queue, named `nome`, once it has printed.
    QString testoDellUnicoLavoro(const QString& nome) {
        const QList<CupsScheduler::Job> jobs = cups.jobs();
        if (jobs.size() != 1) {
            ADD_FAILURE() << jobs.size() << " jobs in the queue, not one";
            return QString();
        }
        EXPECT_EQ(jobs[0].name, nome);
        EXPECT_TRUE(cups.waitForJob(jobs[0].id, IPP_JSTATE_COMPLETED))
            << cups.errorLog().toStdString();
        return testoPdf(cups.document(jobs[0].id));
    }
    QStringList messaggi() const {
        QStringList testi;
        for (const FakeDialogs::Box& box : f.dialogs.boxes)
            testi << box.text;
        return testi;
    }

    // First: every CUPS client of the process talks to this scheduler from here on.
    CupsScheduler cups;
    QtPrinter printer;
    FakePlatform f;
    Platform platform = f.con(printer);
    Modulo1 stato;
    Finestre finestre{stato, platform};
};

}  // namespace

TEST_F(StampaSuCups, TheOperationsPageReachesTheQueueUnderItsName) {
    stampaOperazioni();
    EXPECT_TRUE(f.dialogs.boxes.empty()) << messaggi().join('\n').toStdString();

    const QString testo = testoDellUnicoLavoro("STAMPA DELLE OPERAZIONI");
    EXPECT_TRUE(testo.contains("SCUOLA ELEMENTARE DI")) << testo.toStdString();
    EXPECT_TRUE(testo.contains("7 x 3 = 21")) << testo.toStdString();
    EXPECT_TRUE(testo.contains("Eser. n.1: Tempo tot. 95 secondi")) << testo.toStdString();
}

TEST_F(StampaSuCups, TheCertificateReachesTheQueueUnderItsName) {
    FrmAttestato& w = stampaAttestato();
    EXPECT_TRUE(f.dialogs.boxes.empty()) << messaggi().join('\n').toStdString();
    EXPECT_TRUE(pulsante(w, "Command2")->isVisible());

    const QString testo = testoDellUnicoLavoro("ATTESTATO");
    EXPECT_TRUE(testo.contains("Mario rossi")) << testo.toStdString();
    EXPECT_TRUE(testo.contains("OTTIMO")) << testo.toStdString();
    EXPECT_FALSE(testo.contains("FINE SESSIONE")) << testo.toStdString();
}

TEST_F(StampaSuCups, AQueueThatRefusesJobsIsReportedForBothPrintouts) {
    ASSERT_TRUE(cups.reject(kCoda).isEmpty());
    bool pulsantiAlMessaggio = false;
    f.dialogs.onShow = [&](const FakeDialogs::Box&) {
        if (FrmAttestato* w = finestre.attestatoSeCaricato())
            pulsantiAlMessaggio = pulsante(*w, "Command2")->isVisible() &&
                                  pulsante(*w, "Command1")->isVisible() &&
                                  pulsante(*w, "CmdFine")->isVisible();
    };

    stampaOperazioni();
    stampaAttestato();

    EXPECT_EQ(messaggi(), QStringList({"Stampa non riuscita", "Stampa non riuscita"}));
    for (const FakeDialogs::Box& box : f.dialogs.boxes) {
        EXPECT_EQ(box.style, Dialogs::OkOnly);
        EXPECT_EQ(box.title, "");
    }
    EXPECT_TRUE(pulsantiAlMessaggio);
    EXPECT_TRUE(cups.jobs().isEmpty());
}

// The queue still took jobs when the document began; the submission at its end is refused.
TEST_F(StampaSuCups, ARefusedSubmissionIsAFailureAndTheNextJobPrints) {
    printer.setDocName(QStringLiteral("Rifiutato"));
    printer.printLine(QStringLiteral("Rifiutato"));
    ASSERT_TRUE(printer.isPrinting());
    ASSERT_TRUE(cups.reject(kCoda).isEmpty());
    EXPECT_EQ(printer.endDoc(), Printer::Result::Failed);
    EXPECT_TRUE(cups.jobs().isEmpty());

    ASSERT_TRUE(cups.accept(kCoda).isEmpty());
    printer.setDocName(QStringLiteral("Accettato"));
    printer.printLine(QStringLiteral("Accettato"));
    EXPECT_EQ(printer.endDoc(), Printer::Result::Printed);
    const QList<CupsScheduler::Job> jobs = cups.jobs();
    ASSERT_EQ(jobs.size(), 1);
    EXPECT_EQ(jobs[0].name, "Accettato");
}

TEST_F(StampaSuCups, ASchedulerGoneBeforeTheSubmissionIsAFailure) {
    printer.printLine(QStringLiteral("Perso"));
    ASSERT_TRUE(printer.isPrinting());
    cups.stop();
    EXPECT_EQ(printer.endDoc(), Printer::Result::Failed);
}

TEST_F(StampaSuCups, APausedQueueHoldsThePageWithoutComplaintAndPrintsItWhenResumed) {
    ASSERT_TRUE(cups.disable(kCoda).isEmpty());
    stampaOperazioni();
    EXPECT_TRUE(f.dialogs.boxes.empty()) << messaggi().join('\n').toStdString();

    const QList<CupsScheduler::Job> jobs = cups.jobs();
    ASSERT_EQ(jobs.size(), 1);
    EXPECT_EQ(jobs[0].state, IPP_JSTATE_PENDING);
    // Held, not lost: it is still waiting a moment later.
    QTest::qWait(200);
    EXPECT_EQ(cups.jobs().value(0).state, IPP_JSTATE_PENDING);

    ASSERT_TRUE(cups.enable(kCoda).isEmpty());
    EXPECT_TRUE(cups.waitForJob(jobs[0].id, IPP_JSTATE_COMPLETED)) << cups.errorLog().toStdString();
    EXPECT_TRUE(testoPdf(cups.document(jobs[0].id)).contains("SCUOLA ELEMENTARE DI"));
}

TEST_F(StampaSuCups, WithoutAnyQueueThePupilIsToldThereIsNoPrinter) {
    ASSERT_TRUE(cups.removeQueue(kCoda).isEmpty());
    stampaOperazioni();
    FrmAttestato& w = stampaAttestato();
    EXPECT_EQ(messaggi(),
              QStringList({"Nessuna stampante installata", "Nessuna stampante installata"}));
    EXPECT_TRUE(pulsante(w, "CmdFine")->isVisible());
    EXPECT_TRUE(cups.jobs().isEmpty());
}
