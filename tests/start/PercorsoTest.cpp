#include <gtest/gtest.h>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>

#include "exercise/FrmOperativoMeno.h"
#include "reports/FrmAttestato.h"
#include "reports/FrmStampa.h"
#include "shell/Finestre.h"
#include "shell/Modulo1.h"
#include "shell/frmSfondo.h"
#include "start/FrmInizio.h"
#include "support/Controlli.h"
#include "support/FakePlatform.h"

namespace {

// The whole road with the fakes: the program starts with the background window, the pupil
// types a name, picks a mode and a range and answers all forty operations, some wrongly; then
// the report lists and prints them, and the certificate grades the practice and prints itself.
TEST(Pratica, FromTheBackgroundWindowToTheFortiethAnswerTheReportAndTheCertificate) {
    FakePlatform f;
    f.clock.passo = 3;  // every reading of the clock is three seconds after the one before
    Modulo1 stato;
    Finestre finestre(stato, f.platform);

    QPointer<frmSfondo> sfondo = &finestre.sfondo();
    QPointer<FrmInizio> inizio = finestre.inizioSeCaricato();
    ASSERT_FALSE(inizio.isNull());
    ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == inizio; }, 2000));

    auto* nome = controllo<QLineEdit>(inizio, "txtNome");
    ASSERT_EQ(QApplication::focusWidget(), nome);
    QTest::keyClicks(nome, "Chiara");
    QTest::keyClick(nome, Qt::Key_Return);
    EXPECT_EQ(stato.nomeAlunno, "Chiara");
    controllo<QComboBox>(inizio, "Combo1")->setCurrentIndex(2);
    QTest::mouseClick(controllo(inizio, "Command2"), Qt::LeftButton);

    QPointer<FrmOperativoMeno> operativo = finestre.operativoSeCaricato();
    ASSERT_FALSE(operativo.isNull());
    EXPECT_EQ(operativo->rigaModalita(), " Calcola il prodotto o il fattore esecondo casualità");
    auto* risultato = controllo<QLineEdit>(operativo, "TxtRisultato");

    f.dialogs.answers = {Dialogs::Yes};
    int sbagliate = 0;
    for (int n = 1; n <= 40; ++n) {
        ASSERT_EQ(stato.contatoreOperazioni, n);
        ASSERT_EQ(stato.numeroEsercizio, (n - 1) / 10 + 1);
        ASSERT_GE(stato.posizioneIncognita, 1);
        ASSERT_LE(stato.posizioneIncognita, 3);
        const int prodotto = stato.fattore1 * stato.fattore2;
        ASSERT_GE(prodotto, 30);
        ASSERT_LE(prodotto, 60);

        const bool giusta = n % 7 != 0;
        sbagliate += !giusta;
        const QString risposta =
            giusta ? stato.rispostaAttesa : QString::number(stato.valoreAtteso + 1);
        risultato->setFocus();
        QTest::keyClicks(risultato, risposta);
        QTest::mouseClick(controllo(operativo, "CmdVerifica"), Qt::LeftButton);
        ASSERT_FALSE(operativo.isNull());
        EXPECT_EQ(controllo<QLabel>(operativo, "LblEsito")->text(),
                  giusta ? "E S A T T O" : "E R R A T O")
            << n;
        EXPECT_TRUE(stato.elencoOperazioni(n).endsWith(QStringLiteral("  3 Tp")))
            << n << " " << stato.elencoOperazioni(n).toStdString();
        EXPECT_EQ(stato.elencoOperazioni(n).contains(QStringLiteral(")*")), !giusta) << n;

        if (n == 40)
            break;
        if (n % 10 == 0)
            QTest::mouseClick(controllo(operativo, "CmdEsercizio"), Qt::LeftButton);
        else
            QTest::mouseClick(controllo(operativo, "CmdOperazione"), Qt::LeftButton);
    }

    // The end of the practice asks once whether to see the operations; Yes shows them.
    ASSERT_EQ(f.dialogs.boxes.size(), 1u);
    EXPECT_EQ(f.dialogs.boxes[0].title, "FINE ESERCITAZIONE");
    EXPECT_EQ(stato.totaleEsatte, 40 - sbagliate);
    EXPECT_EQ(stato.contatoreOperazioni, 40);
    EXPECT_EQ(stato.numeroEsercizio, 0);
    EXPECT_EQ(int(f.sound.plays.size()), 40 - sbagliate);
    FrmStampa* stampa = finestre.stampaSeCaricato();
    ASSERT_NE(stampa, nullptr);
    EXPECT_TRUE(stampa->isVisible());

    // Everything the practice leaves for the report and the certificate is in the session.
    EXPECT_EQ(stato.nomeAlunno, "Chiara");
    EXPECT_EQ(stato.rigaModalita, " Calcola il prodotto o il fattore esecondo casualità");
    EXPECT_EQ(stato.numeroMinimo, 30);
    EXPECT_EQ(stato.numeroMassimo, 60);
    for (int e = 1; e <= 4; ++e)
        EXPECT_EQ(stato.tempoEsercizio(e), 30) << e;

    // The windows opened along the way are all still there.
    EXPECT_FALSE(sfondo.isNull());
    EXPECT_TRUE(inizio->isVisible());
    EXPECT_TRUE(operativo->isVisible());
    EXPECT_TRUE(f.launcher.started.isEmpty());
    EXPECT_EQ(f.dialogs.beeps, 0);

    // The report lists every record with the four exercise times, and prints them on one page.
    for (int n = 1; n <= 40; ++n)
        EXPECT_EQ(controllo<QLabel>(stampa, QStringLiteral("LblOp%1").arg(n).toLatin1())->text(),
                  stato.elencoOperazioni(n))
            << n;
    EXPECT_EQ(controllo<QLabel>(stampa, "Label3")->text(), "Tempo totale:     30 sec.");
    f.printer.calls.clear();
    QTest::mouseClick(controllo(stampa, "cmdStampaS"), Qt::LeftButton);
    const QStringList pagina = f.printer.calls;
    EXPECT_TRUE(pagina.contains("line SCUOLA ELEMENTARE DI_____________________   "));
    for (int n = 1; n <= 40; ++n)
        EXPECT_TRUE(pagina.contains("line " + stato.elencoOperazioni(n))) << n;
    EXPECT_TRUE(pagina.contains("line Eser. n.4: Tempo tot.  30 secondi"));
    EXPECT_EQ(pagina.count("end"), 1);
    EXPECT_EQ(pagina.last(), "end");

    // Five wrong answers of forty: 35 right gives 8, "DISTINTO".
    ASSERT_EQ(sbagliate, 5);
    QTest::mouseClick(controllo(stampa, "Command2"), Qt::LeftButton);
    QPointer<FrmAttestato> attestato = finestre.attestatoSeCaricato();
    ASSERT_FALSE(attestato.isNull());
    EXPECT_EQ(controllo<QLabel>(attestato, "lblNome")->text(), "Chiara");
    EXPECT_EQ(controllo<QLabel>(attestato, "lblObiettivo3")->text(),
              " Calcola il prodotto o il fattore esecondo casualità");
    EXPECT_EQ(controllo<QLabel>(attestato, "lblObiettivo2")->text(), " Numeri da  30 a 60");
    EXPECT_EQ(controllo<QLabel>(attestato, "lblRapporto")->text(), "DISTINTO");
    EXPECT_EQ(controllo<QLabel>(attestato, "lblPerche")->text(),
              "Per aver dato 35 risposte esatte su 40");
    EXPECT_EQ(controllo<QLabel>(attestato, "lblData")->text(), "Data        " + f.clock.date);

    // The certificate prints as the image of its window, without its three buttons.
    f.printer.calls.clear();
    QStringList visibiliDuranteLaStampa;
    f.printer.onForm = [&](QWidget& finestra) {
        for (QPushButton* b : finestra.findChildren<QPushButton*>())
            if (b->isVisible())
                visibiliDuranteLaStampa << b->objectName();
    };
    QTest::mouseClick(controllo(attestato, "Command2"), Qt::LeftButton);
    EXPECT_EQ(f.printer.calls, QStringList({"name ATTESTATO", "form FrmAttestato", "end"}));
    EXPECT_TRUE(visibiliDuranteLaStampa.isEmpty())
        << visibiliDuranteLaStampa.join(' ').toStdString();
    for (const char* nome : {"Command2", "Command1", "CmdFine"})
        EXPECT_TRUE(controllo(attestato, nome)->isVisible()) << nome;
    EXPECT_EQ(f.dialogs.boxes.size(), 1u);  // nothing to report: both pages printed

    // "FINE SESSIONE" ends the program at once, every window with it.
    QTest::mouseClick(controllo(attestato, "Command1"), Qt::LeftButton);
    eliminaChiuse();
    EXPECT_TRUE(attestato.isNull());
    EXPECT_TRUE(operativo.isNull());
    EXPECT_TRUE(inizio.isNull());
    EXPECT_TRUE(sfondo.isNull());
    EXPECT_EQ(finestre.stampaSeCaricato(), nullptr);
}

}  // namespace
