#include <gtest/gtest.h>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFontMetricsF>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <cmath>
#include <optional>

#include "exercise/FrmOperativoMeno.h"
#include "platform/QtDialogs.h"
#include "platform/Twips.h"
#include "platform/VbColor.h"
#include "reports/FrmAttestato.h"
#include "reports/FrmStampa.h"
#include "shell/Finestre.h"
#include "shell/Modulo1.h"
#include "support/Controlli.h"
#include "support/FakePlatform.h"
#include "support/StampaQString.h"

namespace {

// The keypad, caption by caption.
const std::pair<const char*, const char*> kTasti[] = {
    {"1", "Command2"},  {"2", "Command3"},  {"3", "Command4"},   {"4", "Command5"},
    {"5", "Command6"},  {"6", "Command7"},  {"7", "Command8"},   {"8", "Command9"},
    {"9", "Command10"}, {"0", "Command13"}, {"00", "Command11"}, {"000", "Command12"},
};

QString nomeTasto(const QString& cifre) {
    for (const auto& [testo, nome] : kTasti)
        if (cifre == QLatin1String(testo))
            return QLatin1String(nome);
    ADD_FAILURE() << "no keypad button for " << cifre.toStdString();
    return {};
}

const QStringList kComandi = {"CmdVerifica", "CmdOperazione", "CmdEsercizio", "CmdStampa",
                              "CmdFine"};

}  // namespace

// The exercise window opened through the registry, with the session set up as the start
// window leaves it before its first access.
class FinestraEsercizio : public ::testing::Test {
  protected:
    FakePlatform f;
    Modulo1 stato;
    // The services the windows use: the fakes, unless a test puts real ones in.
    Platform* piattaforma = &f.platform;
    std::optional<Finestre> finestre;
    FrmOperativoMeno* w = nullptr;

    void SetUp() override { QGuiApplication::clipboard()->clear(); }

    void apri(int minimo, int massimo, int livello, int da, int a) {
        stato.numeroMinimo = minimo;
        stato.numeroMassimo = massimo;
        stato.livelloScelto = livello;
        stato.posizioneDa = da;
        stato.posizioneA = a;
        if (!finestre)
            finestre.emplace(stato, *piattaforma);
        w = &finestre->operativo();
        Finestre::mostra(*w);
        QApplication::setActiveWindow(w);
    }
    // A practice in mode "Calcolo del prodotto", range 1..99.
    void apri() { apri(1, 99, 4, 1, 1); }

    template <class T = QWidget>
    T* trova(const QString& nome) const {
        return controllo<T>(w, nome);
    }
    QLineEdit* casella() const { return trova<QLineEdit>("TxtRisultato"); }
    QString testo(const QString& etichetta) const { return trova<QLabel>(etichetta)->text(); }
    QAction* voce(const QString& nome) const { return trova<QAction>(nome); }
    bool visibile(const QString& nome) const { return trova(nome)->isVisibleTo(w); }
    QStringList comandiVisibili() const {
        QStringList visibili;
        for (const QString& nome : kComandi)
            if (visibile(nome))
                visibili << nome;
        return visibili;
    }
    QStringList segniVisibili() const {
        QStringList visibili;
        for (int k = 1; k <= 20; ++k)
            if (visibile(QStringLiteral("Image%1").arg(k)))
                visibili << QStringLiteral("Image%1").arg(k);
        return visibili;
    }

    void premi(const QString& nome) { QTest::mouseClick(trova<QPushButton>(nome), Qt::LeftButton); }
    void tastierino(const QStringList& tasti) {
        for (const QString& tasto : tasti)
            premi(nomeTasto(tasto));
    }
    // Types `risposta` on the keypad `secondi` after the operation was shown, and verifies.
    void rispondi(const QString& risposta, double secondi = 3) {
        rispondiAlle(risposta, stato.inizioOperazione + secondi);
    }
    // The same, verified when the clock reads `adesso`.
    void rispondiAlle(const QString& risposta, double adesso) {
        for (QChar cifra : risposta)
            premi(nomeTasto(cifra));
        f.clock.now = adesso;
        ASSERT_TRUE(visibile("CmdVerifica"));
        premi("CmdVerifica");
    }
    void rispondiGiusto(double secondi = 3) { rispondi(stato.rispostaAttesa, secondi); }
    void rispondiSbagliato(double secondi = 3) { rispondi(stato.rispostaAttesa + "0", secondi); }
    // The next operation or the next exercise, whichever is offered.
    void avanti() {
        const QString offerto = visibile("CmdOperazione") ? "CmdOperazione" : "CmdEsercizio";
        ASSERT_TRUE(visibile(offerto));
        premi(offerto);
    }
    // Answers operations until record `ultimo` has been verified.
    void giocaFinoA(int ultimo) {
        while (!testing::Test::HasFatalFailure()) {
            if (stato.contatoreOperazioni % 3 == 0)
                rispondiSbagliato();
            else
                rispondiGiusto();
            if (stato.contatoreOperazioni >= ultimo)
                return;
            avanti();
        }
    }
    void incolla(const QString& testo, QKeySequence::StandardKey comando = QKeySequence::Paste) {
        QGuiApplication::clipboard()->setText(testo);
        const QKeySequence tasti = QKeySequence::keyBindings(comando).value(0);
        QTest::keySequence(casella(), tasti);
    }
    void chiudiEliminate() { eliminaChiuse(); }
};

TEST_F(FinestraEsercizio, AfterLoadingOnlyEsciAndTheFirstOperation) {
    // What an earlier practice left in the session.
    stato.totaleEsatte = 7;
    stato.contatoreOperazioni = 33;
    stato.numeroEsercizio = 4;
    stato.esatteEsercizio = 3;
    stato.testoTempoEsercizio(3) = " 80";
    stato.rispostaDigitata = "12";
    f.random.listed = {0.0, 0.0, 0.0};  // 5 x 5, the product hidden
    apri();

    EXPECT_EQ(w->windowTitle(), "ESERCIZI SULLE ROVOROREZOVERED.1");
    EXPECT_EQ(testo("Label2"), " Operazione con numero massimo da 1 a 99");
    EXPECT_EQ(comandiVisibili(), QStringList{"CmdFine"});
    EXPECT_EQ(casella()->text(), "");
    EXPECT_FALSE(casella()->isReadOnly());
    EXPECT_TRUE(trova("fraTastierino")->isEnabled());
    EXPECT_EQ(testo("LblEsercizio"), "1");
    EXPECT_EQ(testo("LblOperazione"), "1");
    EXPECT_EQ(testo("LblNumero1"), "5");
    EXPECT_EQ(testo("LblNumero2"), "5");
    EXPECT_EQ(testo("LblTempoParziale"), "");
    EXPECT_EQ(testo("LblTempoTotale"), "");
    EXPECT_EQ(testo("LblEsito"), "");
    EXPECT_EQ(testo("LblIstruzione"), " Digita il risultato");
    EXPECT_EQ(trova("LblNumero1")->x(), twips(100));
    EXPECT_EQ(trova("LblNumero2")->x(), twips(4000));
    EXPECT_EQ(casella()->x(), twips(8000));
    EXPECT_EQ(segniVisibili(), QStringList());
    EXPECT_FALSE(voce("mnuStampa")->isEnabled());
    EXPECT_FALSE(voce("mnuAttestato")->isEnabled());
    EXPECT_TRUE(voce("MnuEsci")->isEnabled());

    EXPECT_EQ(stato.elencoOperazioni(1), " 5 x  5 =  ?");
    EXPECT_EQ(stato.rispostaAttesa, "25");
    EXPECT_EQ(stato.rispostaDigitata, "");
    EXPECT_EQ(stato.contatoreOperazioni, 1);
    EXPECT_EQ(stato.numeroEsercizio, 1);
    EXPECT_EQ(stato.numeroOperazione, 1);
    EXPECT_EQ(stato.totaleEsatte, 0);
    EXPECT_EQ(stato.esatteEsercizio, 0);
    EXPECT_EQ(stato.testoTempoEsercizio(3), "");
    EXPECT_EQ(stato.inizioOperazione, f.clock.now);
}

TEST_F(FinestraEsercizio, AFactorHiddenPutsTheBoxInItsSlot) {
    f.random.listed = {0.07, 0.14, 0.8};  // 6 x 7, the second written factor hidden
    apri(30, 60, 4, 2, 3);
    EXPECT_EQ(testo("Label2"), " Operazione con numero massimo da 30 a 60");
    EXPECT_EQ(testo("LblNumero1"), "6");
    EXPECT_EQ(testo("LblNumero2"), "42");
    EXPECT_EQ(trova("LblNumero1")->x(), twips(100));
    EXPECT_EQ(casella()->x(), twips(4000));
    EXPECT_EQ(trova("LblNumero2")->x(), twips(8000));
    EXPECT_EQ(stato.elencoOperazioni(1), " 6 x  ? = 42");
    EXPECT_EQ(stato.rispostaAttesa, "7");
}

TEST_F(FinestraEsercizio, CaptionsMenusAndAccessibleNames) {
    apri();
    const std::pair<const char*, const char*> didascalie[] = {
        {"CmdVerifica", "V e r i f i c a "},
        {"CmdOperazione", "N u o v a   s o t t r a z i o n e"},
        {"CmdEsercizio", "Nuovo esercizio"},
        {"CmdStampa", "Visualizza  esercizio"},
        {"CmdFine", "Esci"},
        {"cmdCancella", "Cancella"},
    };
    for (const auto& [nome, didascalia] : didascalie)
        EXPECT_EQ(trova<QPushButton>(nome)->text(), didascalia) << nome;
    for (const auto& [didascalia, nome] : kTasti)
        EXPECT_EQ(trova<QPushButton>(nome)->text(), didascalia) << nome;
    EXPECT_FALSE(visibile("cmdSfondo"));
    for (QPushButton* pulsante : w->findChildren<QPushButton*>())
        EXPECT_EQ(pulsante->cursor().shape(), Qt::PointingHandCursor)
            << pulsante->objectName().toStdString();

    EXPECT_EQ(testo("LblSegno"), "X");
    EXPECT_EQ(testo("LblUguale"), "=");
    EXPECT_EQ(testo("LblContatore"),
              "  1      2       3      4      5      6      7      8      9     10");
    EXPECT_EQ(testo("Label4"), "Risp. esatte");
    EXPECT_EQ(testo("Label8"), "Esercizio n.");
    EXPECT_EQ(testo("Label6"), "Risp. errate");
    EXPECT_EQ(testo("Label5"), " Eser.    Oper.   Tempo      Tempo ");
    EXPECT_EQ(testo("Label3"), "                        parziale    totale");
    EXPECT_EQ(trova<QGroupBox>("fraTastierino")->title(), "TASTIERINO");
    EXPECT_EQ(trova<QGroupBox>("frmValutazione")->title(), "VALUTAZIONE");
    EXPECT_EQ(trova<QGroupBox>("frmElaborazione")->title(), "ELABORAZIONE");
    EXPECT_EQ(trova("LblTempoParziale")->toolTip(), "Secondi impiegati per ogni risposta");
    EXPECT_EQ(trova("LblTempoTotale")->toolTip(), "Secondi impiegati per ogni esercizio");

    auto* file = trova<QMenu>("MnuFile");
    EXPECT_EQ(file->title(), "File");
    QStringList voci;
    for (QAction* azione : file->actions())
        voci << azione->objectName() + (azione->isSeparator() ? "|-" : "|" + azione->text());
    EXPECT_EQ(voci,
              QStringList({"mnuStampa|Visualizza operazioni", "mnuAttestato|Visualizza attestato",
                           "mnuseparatore|-", "MnuEsci|Esci"}));

    EXPECT_EQ(casella()->accessibleName(), "Risultato");
    for (int k = 1; k <= 10; ++k) {
        EXPECT_EQ(trova(QStringLiteral("Image%1").arg(k))->accessibleName(),
                  QStringLiteral("Risposta esatta %1").arg(k));
        EXPECT_EQ(trova(QStringLiteral("Image%1").arg(k + 10))->accessibleName(),
                  QStringLiteral("Risposta errata %1").arg(k));
    }
}

TEST_F(FinestraEsercizio, TabOrderStartsAtTheResultBox) {
    apri();
    const QStringList atteso = {"TxtRisultato", "CmdFine",   "CmdOperazione", "CmdVerifica",
                                "CmdEsercizio", "CmdStampa", "cmdCancella",   "Command12",
                                "Command11",    "Command10", "Command9",      "Command8",
                                "Command7",     "Command6",  "Command5",      "Command4",
                                "Command3",     "Command2",  "Command13"};
    QStringList ordine;
    QWidget* corrente = casella();
    do {
        if (corrente->focusPolicy() & Qt::TabFocus)
            ordine << corrente->objectName();
        corrente = corrente->nextInFocusChain();
    } while (corrente != casella());
    ordine.removeAll("cmdSfondo");
    EXPECT_EQ(ordine, atteso);
}

TEST_F(FinestraEsercizio, TabAndShiftTabLeaveTheBoxAlongTheTabOrder) {
    apri();
    casella()->setFocus();
    QTest::keyClick(casella(), Qt::Key_Tab);
    EXPECT_EQ(w->focusWidget(), trova("CmdFine"));
    QTest::keyClick(w->focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(w->focusWidget(), casella());
    // Backwards from the first place: the last of the order, the keypad's "0".
    QTest::keyClick(casella(), Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(w->focusWidget(), trova("Command13"));

    // With a digit typed, "Esci" has gone and "V e r i f i c a " is next.
    casella()->setFocus();
    QTest::keyClick(casella(), Qt::Key_4);
    QTest::keyClick(casella(), Qt::Key_Tab);
    EXPECT_EQ(w->focusWidget(), trova("CmdVerifica"));
    QTest::keyClick(w->focusWidget(), Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_EQ(w->focusWidget(), casella());
    EXPECT_EQ(casella()->text(), "4");
    EXPECT_EQ(stato.rispostaDigitata, "4");
    EXPECT_EQ(f.dialogs.beeps, 0);
}

TEST_F(FinestraEsercizio, EnterOnAFocusedKeypadButtonConfirmsTheAnswer) {
    f.random.listed = {0.07, 0.14, 0.0};  // 6 x 7, the product hidden
    apri();
    // Enter on the keypad with nothing typed: the reminder, and nothing verified.
    trova("Command2")->setFocus();
    QTest::keyClick(trova("Command2"), Qt::Key_Return);
    ASSERT_EQ(f.dialogs.boxes.size(), 1u);
    EXPECT_EQ(f.dialogs.boxes[0].text, "Hai dimenticato il risultato");
    EXPECT_EQ(f.dialogs.boxes[0].title, "distrazione");
    EXPECT_EQ(casella()->text(), "");
    EXPECT_EQ(testo("LblEsito"), "");
    EXPECT_EQ(w->focusWidget(), casella());

    // "1", "0" clicked, then Enter with the focus still on "0": the answer 10, judged once.
    premi("Command2");
    premi("Command13");
    ASSERT_EQ(w->focusWidget(), trova("Command13"));
    f.clock.now += 5;
    QTest::keyClick(w->focusWidget(), Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(stato.elencoOperazioni(1), " 6 x  7 =  ?  (10)*  5 Tp");
    EXPECT_EQ(testo("LblEsito"), "E R R A T O");
    EXPECT_EQ(w->focusWidget(), trova("CmdOperazione"));
    EXPECT_EQ(f.dialogs.boxes.size(), 1u);

    // Space and clicks still press a keypad button.
    premi("CmdOperazione");
    trova("Command4")->setFocus();
    QTest::keyClick(trova("Command4"), Qt::Key_Space);
    premi("cmdCancella");
    premi("Command5");
    EXPECT_EQ(casella()->text(), "4");
}

// The real question at the end of a practice: Escape and the close box leave it waiting, and the
// forty answers stay.
TEST_F(FinestraEsercizio, EscapeAtTheEndOfAPracticeKeepsEveryRecord) {
    QtDialogs veri;
    Platform conVeri{f.clock, f.random, f.sound, veri, f.launcher, f.printer, "/programma"};
    piattaforma = &conVeri;
    apri();
    giocaFinoA(39);
    avanti();

    bool apertaDopoEsc = false;
    bool apertaDopoChiusura = false;
    QStringList recordConLaDomandaAperta;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        QTest::keyClick(box->focusWidget() ? box->focusWidget() : box, Qt::Key_Escape);
        apertaDopoEsc = box->isVisible();
        box->close();
        apertaDopoChiusura = box->isVisible();
        for (int i = 1; i <= 40; ++i)
            recordConLaDomandaAperta << stato.elencoOperazioni(i);
        for (QAbstractButton* b : box->buttons())
            if (b->text() == "Sì")
                b->click();
    });
    rispondiGiusto();
    EXPECT_TRUE(apertaDopoEsc);
    EXPECT_TRUE(apertaDopoChiusura);
    EXPECT_EQ(stato.rispostaMessaggio, Dialogs::Yes);
    ASSERT_EQ(recordConLaDomandaAperta.size(), 40);
    for (int i = 1; i <= 40; ++i) {
        EXPECT_TRUE(recordConLaDomandaAperta[i - 1].endsWith(" Tp")) << i;
        EXPECT_EQ(stato.elencoOperazioni(i), recordConLaDomandaAperta[i - 1]) << i;
    }
    EXPECT_EQ(stato.contatoreOperazioni, 40);
    EXPECT_NE(finestre->stampaSeCaricato(), nullptr);
}

// The headings of the progress board stand clear of its three lines, in whatever face the
// font fallback has given them.
TEST_F(FinestraEsercizio, EveryHeadingWordStandsInsideItsColumn) {
    apri();
    QWidget* tabella = trova("frmElaborazione");
    QList<int> linee;
    for (int k = 1; k <= 3; ++k)
        linee << trova(QStringLiteral("Line%1").arg(k))->geometry().left();
    ASSERT_EQ(linee, QList<int>({twips(840), twips(1560), twips(2400)}));
    const QList<int> bordi = {0, linee[0], linee[1], linee[2], tabella->width()};

    const std::pair<const char*, QStringList> righe[] = {
        {"Label5", {"Eser.", "Oper.", "Tempo", "Tempo"}},
        {"Label3", {"", "", "parziale", "totale"}}};
    for (const auto& [nome, parole] : righe) {
        auto* etichetta = trova<QLabel>(nome);
        const QFontMetricsF misura(etichetta->font());
        const QString testo = etichetta->text();
        qsizetype da = 0;
        for (int colonna = 0; colonna < 4; ++colonna) {
            const QString parola = parole[colonna];
            if (parola.isEmpty())
                continue;
            const qsizetype dove = testo.indexOf(parola, da);
            ASSERT_GE(dove, 0) << parola.toStdString();
            da = dove + parola.size();
            const double sinistra = etichetta->x() + misura.horizontalAdvance(testo.left(dove));
            const double destra = etichetta->x() + misura.horizontalAdvance(testo.left(da));
            EXPECT_GT(sinistra, bordi[colonna] + 1) << nome << " " << parola.toStdString();
            EXPECT_LT(destra, bordi[colonna + 1]) << nome << " " << parola.toStdString();
        }
        // Whole on its line.
        EXPECT_GE(etichetta->width(), std::ceil(misura.horizontalAdvance(testo))) << nome;
    }
    EXPECT_EQ(testo("Label5"), " Eser.    Oper.   Tempo      Tempo ");
    EXPECT_EQ(testo("Label3"), "                        parziale    totale");
}

TEST_F(FinestraEsercizio, TheModeColoursAndTheModeLine) {
    apri();
    const QColor sfondo = vbColor(rgb(200, 255, 255));
    const QColor comandi = vbColor(rgb(200, 200, 255));
    w->impostaSfondoFinestra(sfondo);
    w->impostaSfondoNumero(sfondo);
    w->impostaSfondoRisultato(sfondo);
    w->impostaTestoRisultato(vbColor(0x00004080));
    w->impostaColoreComandi(comandi);
    w->impostaRigaModalita(" Calcola il fattore");

    EXPECT_EQ(w->centralWidget()->palette().color(QPalette::Window), sfondo);
    EXPECT_EQ(trova("frmNumero")->palette().color(QPalette::Window), sfondo);
    EXPECT_EQ(casella()->palette().color(QPalette::Base), sfondo);
    EXPECT_EQ(casella()->palette().color(QPalette::Text), QColor(128, 64, 0));
    for (const char* nome : {"frmElaborazione", "frmValutazione"})
        EXPECT_EQ(trova(nome)->palette().color(QPalette::Window), comandi) << nome;
    for (const char* nome :
         {"CmdFine", "cmdSfondo", "CmdVerifica", "CmdOperazione", "CmdEsercizio", "CmdStampa"})
        EXPECT_EQ(trova(nome)->palette().color(QPalette::Button), comandi) << nome;
    // The keypad keeps its own colour.
    EXPECT_EQ(trova("Command2")->palette().color(QPalette::Button), vbColor(0x0080FFFF));
    EXPECT_EQ(testo("Label1"), " Calcola il fattore");
    EXPECT_EQ(w->rigaModalita(), " Calcola il fattore");
    EXPECT_EQ(stato.rigaModalita, " Calcola il fattore");
}

TEST_F(FinestraEsercizio, TheKeypadAppendsWithoutLimit) {
    apri();
    tastierino({"2", "5"});
    EXPECT_EQ(casella()->text(), "25");
    EXPECT_EQ(stato.rispostaDigitata, "25");
    EXPECT_EQ(comandiVisibili(), QStringList{"CmdVerifica"});
    EXPECT_EQ(testo("LblIstruzione"), "Clicca sul pulsante Verifica");

    premi("cmdCancella");
    EXPECT_EQ(casella()->text(), "");
    EXPECT_EQ(stato.rispostaDigitata, "");
    EXPECT_EQ(comandiVisibili(), QStringList{"CmdVerifica"});

    // Three zeros from the keyboard fill the box; the keypad goes on past them.
    QTest::keyClicks(casella(), "000");
    tastierino({"000"});
    EXPECT_EQ(casella()->text(), "000000");
    EXPECT_EQ(stato.rispostaDigitata, "000000");
    tastierino({"000"});
    EXPECT_EQ(casella()->text(), "000000000");
    premi("cmdCancella");
    tastierino({"1", "000"});
    EXPECT_EQ(casella()->text(), "1000");
    premi("cmdCancella");
    tastierino({"0", "7", "00", "3", "4", "6", "8", "9"});
    EXPECT_EQ(casella()->text(), "070034689");
    EXPECT_EQ(f.dialogs.beeps, 0);
}

TEST_F(FinestraEsercizio, KeyboardTypingFollowsItsRules) {
    apri();
    QTest::keyClicks(casella(), "1234");
    EXPECT_EQ(casella()->text(), "123");
    EXPECT_EQ(stato.rispostaDigitata, "123");
    EXPECT_EQ(f.dialogs.beeps, 1);
    EXPECT_EQ(comandiVisibili(), QStringList{"CmdVerifica"});

    QTest::keyClick(casella(), Qt::Key_Backspace);
    EXPECT_EQ(casella()->text(), "12");
    EXPECT_EQ(stato.rispostaDigitata, "12");
    // Letters, signs, spaces and other control keys never reach the box.
    QTest::keyClick(casella(), Qt::Key_A);
    QTest::keyClick(casella(), Qt::Key_Space);
    QTest::keyClick(casella(), Qt::Key_Minus);
    QTest::keyClick(casella(), Qt::Key_Escape);
    QTest::keyClick(casella(), Qt::Key_Tab, Qt::ControlModifier);
    QTest::keyClick(casella(), Qt::Key_4, Qt::KeypadModifier);
    EXPECT_EQ(casella()->text(), "124");
    EXPECT_EQ(f.dialogs.beeps, 6);

    // Past the keypad's six characters the keyboard adds nothing, but Backspace works.
    premi("cmdCancella");
    tastierino({"000", "000"});
    QTest::keyClick(casella(), Qt::Key_1);
    EXPECT_EQ(casella()->text(), "000000");
    EXPECT_EQ(f.dialogs.beeps, 7);
    QTest::keyClick(casella(), Qt::Key_Backspace);
    EXPECT_EQ(casella()->text(), "00000");
    EXPECT_EQ(stato.rispostaDigitata, "00000");

    // Typing over a selection replaces it.
    casella()->selectAll();
    QTest::keyClicks(casella(), "42");
    EXPECT_EQ(casella()->text(), "42");
    // An answer typed and erased leaves "V e r i f i c a " on screen.
    QTest::keyClick(casella(), Qt::Key_Backspace);
    QTest::keyClick(casella(), Qt::Key_Backspace);
    EXPECT_EQ(casella()->text(), "");
    EXPECT_EQ(comandiVisibili(), QStringList{"CmdVerifica"});
}

TEST_F(FinestraEsercizio, PastedTextFollowsTheTypingRules) {
    apri();
    incolla("42");
    EXPECT_EQ(casella()->text(), "42");
    EXPECT_EQ(stato.rispostaDigitata, "42");
    EXPECT_EQ(comandiVisibili(), QStringList{"CmdVerifica"});
    incolla("7", QKeySequence::Paste);
    EXPECT_EQ(casella()->text(), "427");
    incolla("1");
    EXPECT_EQ(casella()->text(), "427");
    EXPECT_EQ(f.dialogs.beeps, 1);

    premi("cmdCancella");
    for (const QString rifiutato : {"4a", "1234", " 12", "-5", "1.5"})
        incolla(rifiutato);
    EXPECT_EQ(casella()->text(), "");
    EXPECT_EQ(f.dialogs.beeps, 6);

    // Shift+Insert, where the platform has it, pastes the same way.
    QGuiApplication::clipboard()->setText("x9");
    QTest::keyClick(casella(), Qt::Key_Insert, Qt::ShiftModifier);
    EXPECT_EQ(casella()->text(), "");
}

TEST_F(FinestraEsercizio, TheContextMenuPastesByTheSameRules) {
    apri();
    auto incollaDalMenu = [&](const QString& testo) {
        QGuiApplication::clipboard()->setText(testo);
        QContextMenuEvent evento(QContextMenuEvent::Mouse, QPoint(5, 5),
                                 casella()->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(casella(), &evento);
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(menu, nullptr);
        QAction* incolla = nullptr;
        for (QAction* azione : menu->actions())
            if (azione->text().startsWith(QLineEdit::tr("&Paste")))
                incolla = azione;
        ASSERT_NE(incolla, nullptr);
        incolla->trigger();
        menu->close();
        chiudiEliminate();
    };
    incollaDalMenu("12345");
    EXPECT_EQ(casella()->text(), "");
    EXPECT_EQ(f.dialogs.beeps, 1);
    incollaDalMenu("56");
    EXPECT_EQ(casella()->text(), "56");
    EXPECT_EQ(stato.rispostaDigitata, "56");
}

TEST_F(FinestraEsercizio, NothingIsDroppedIntoTheBox) {
    apri();
    QMimeData dati;
    dati.setText("99");
    QDragEnterEvent entra(QPoint(5, 5), Qt::CopyAction, &dati, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(casella(), &entra);
    EXPECT_FALSE(entra.isAccepted());
    QDropEvent rilascio(QPointF(5, 5), Qt::CopyAction, &dati, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(casella(), &rilascio);
    EXPECT_EQ(casella()->text(), "");
    EXPECT_EQ(stato.rispostaDigitata, "");
}

TEST_F(FinestraEsercizio, EnterWithAnEmptyBoxReminds) {
    apri();
    const QString record = stato.elencoOperazioni(1);
    for (Qt::Key invio : {Qt::Key_Return, Qt::Key_Enter}) {
        QTest::keyClick(casella(), invio);
        ASSERT_FALSE(f.dialogs.boxes.empty());
        EXPECT_EQ(f.dialogs.boxes.back().text, "Hai dimenticato il risultato");
        EXPECT_EQ(f.dialogs.boxes.back().title, "distrazione");
        EXPECT_EQ(f.dialogs.boxes.back().style, 0);
    }
    EXPECT_EQ(f.dialogs.boxes.size(), 2u);
    EXPECT_EQ(stato.rispostaMessaggio, Dialogs::Ok);
    EXPECT_EQ(w->focusWidget(), casella());
    // Nothing was verified: the operation is still open.
    EXPECT_EQ(stato.elencoOperazioni(1), record);
    EXPECT_EQ(testo("LblEsito"), "");
    EXPECT_TRUE(trova("fraTastierino")->isEnabled());
    EXPECT_EQ(comandiVisibili(), QStringList{"CmdFine"});
    EXPECT_EQ(f.dialogs.beeps, 0);
}

TEST_F(FinestraEsercizio, EitherEnterKeyVerifies) {
    f.random.listed = {0.0, 0.0, 0.0};  // 5 x 5
    apri();
    QTest::keyClicks(casella(), "25");
    f.clock.now += 6;
    QTest::keyClick(casella(), Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(stato.elencoOperazioni(1), " 5 x  5 =  ?  (25)   6 Tp");
    EXPECT_EQ(testo("LblEsito"), "E S A T T O");
    EXPECT_EQ(comandiVisibili(), QStringList{"CmdOperazione"});
    EXPECT_EQ(w->focusWidget(), trova("CmdOperazione"));
    EXPECT_TRUE(f.dialogs.boxes.empty());

    // A second Enter presses the focused button: the next operation.
    QTest::keyClick(w->focusWidget(), Qt::Key_Return);
    EXPECT_EQ(testo("LblOperazione"), "2");
    EXPECT_EQ(w->focusWidget(), casella());
    QTest::keyClicks(casella(), "1");
    QTest::keyClick(casella(), Qt::Key_Return);
    EXPECT_TRUE(stato.elencoOperazioni(2).endsWith("   (1)*  0 Tp"));
    EXPECT_EQ(testo("LblEsito"), "E R R A T O");
}

TEST_F(FinestraEsercizio, EnterOnTheTenthOperationLeavesTheFocusOnNuovoEsercizio) {
    apri();
    giocaFinoA(9);
    avanti();
    QTest::keyClicks(casella(), stato.rispostaAttesa);
    QTest::keyClick(casella(), Qt::Key_Return);
    EXPECT_EQ(comandiVisibili(), QStringList({"CmdEsercizio", "CmdStampa", "CmdFine"}));
    EXPECT_EQ(w->focusWidget(), trova("CmdEsercizio"));
    EXPECT_EQ(testo("LblIstruzione"), "Clicca sul pulsante Nuovo esercizio");
    QTest::keyClick(w->focusWidget(), Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(testo("LblEsercizio"), "2");
}

TEST_F(FinestraEsercizio, AVerifiedAnswerStaysAsItWas) {
    apri();
    rispondiGiusto();
    const QString record = stato.elencoOperazioni(1);
    const QString risposta = casella()->text();
    // Neither the keyboard, nor a paste, nor the disabled keypad changes it, and Enter does
    // not count it a second time.
    QTest::keyClick(casella(), Qt::Key_5);
    QTest::keyClick(casella(), Qt::Key_Backspace);
    incolla("1");
    premi("Command2");
    QTest::keyClick(casella(), Qt::Key_Return);
    EXPECT_EQ(casella()->text(), risposta);
    EXPECT_EQ(stato.elencoOperazioni(1), record);
    EXPECT_EQ(stato.esatteEsercizio, 1);
    EXPECT_EQ(stato.totaleEsatte, 1);
    EXPECT_EQ(f.sound.plays.size(), 1u);
    EXPECT_EQ(comandiVisibili(), QStringList{"CmdOperazione"});
    EXPECT_EQ(f.dialogs.beeps, 4);
    // The next operation opens the box again.
    premi("CmdOperazione");
    EXPECT_FALSE(casella()->isReadOnly());
    EXPECT_EQ(w->focusWidget(), casella());
    QTest::keyClick(casella(), Qt::Key_5);
    EXPECT_EQ(casella()->text(), "5");
}

TEST_F(FinestraEsercizio, ClickingTheBoxAfterVerifyingGoesToTheNextOperation) {
    apri();
    QTest::mouseClick(casella(), Qt::LeftButton);
    EXPECT_EQ(w->focusWidget(), casella());
    rispondiGiusto();
    trova("CmdFine")->setFocus();
    QTest::mouseClick(casella(), Qt::LeftButton);
    EXPECT_EQ(w->focusWidget(), trova("CmdOperazione"));
}

TEST_F(FinestraEsercizio, RightAndWrongAnswersWithTheirRecords) {
    f.random.listed = {0.2, 0.6, 0.0};  // 3 x 7, the product hidden
    apri(1, 30, 1, 1, 1);
    rispondi("21", 4.5);
    EXPECT_EQ(stato.elencoOperazioni(1), " 3 x  7 =  ?  (21)   4 Tp");
    ASSERT_EQ(f.sound.plays.size(), 1u);
    EXPECT_EQ(f.sound.plays[0].file, "/programma/positivo.wav");
    EXPECT_EQ(f.sound.plays[0].flags, 1u);
    EXPECT_EQ(testo("LblEsito"), "E S A T T O");
    EXPECT_EQ(segniVisibili(), QStringList{"Image1"});
    EXPECT_EQ(testo("LblTempoParziale"), " 4");
    EXPECT_EQ(testo("LblTempoTotale"), " 4");
    EXPECT_FALSE(trova("fraTastierino")->isEnabled());
    EXPECT_EQ(comandiVisibili(), QStringList{"CmdOperazione"});
    EXPECT_EQ(w->focusWidget(), trova("CmdOperazione"));
    EXPECT_EQ(testo("LblIstruzione"), "Clicca sul pulsante Nuova sottrazione");

    // The next operation clears the answer's time but not the exercise's.
    stato.posizioneDa = 2;
    stato.posizioneA = 3;
    f.random.listed = {0.2, 0.6, 0.8};  // 3 x ? = 21
    premi("CmdOperazione");
    EXPECT_EQ(testo("LblTempoParziale"), "");
    EXPECT_EQ(testo("LblTempoTotale"), " 4");
    EXPECT_EQ(testo("LblOperazione"), "2");
    EXPECT_EQ(testo("LblEsito"), "");
    EXPECT_EQ(comandiVisibili(), QStringList());
    EXPECT_TRUE(trova("fraTastierino")->isEnabled());
    EXPECT_EQ(w->focusWidget(), casella());
    EXPECT_EQ(stato.elencoOperazioni(2), " 3 x  ? = 21");

    // «07» is not «7».
    rispondi("07", 15);
    EXPECT_EQ(stato.elencoOperazioni(2), " 3 x  ? = 21  (07)* 15 Tp");
    EXPECT_EQ(f.sound.plays.size(), 1u);
    EXPECT_EQ(testo("LblEsito"), "E R R A T O");
    EXPECT_EQ(segniVisibili(), QStringList({"Image1", "Image11"}));
    EXPECT_EQ(testo("LblTempoParziale"), " 15");
    EXPECT_EQ(testo("LblTempoTotale"), " 19");

    // Shown capped, recorded in full.
    premi("CmdOperazione");
    rispondiGiusto(120);
    EXPECT_EQ(testo("LblTempoParziale"), "99");
    EXPECT_EQ(testo("LblTempoTotale"), " 139");
    EXPECT_TRUE(stato.elencoOperazioni(3).endsWith(")  120 Tp"));
    EXPECT_EQ(segniVisibili(), QStringList({"Image1", "Image2", "Image11"}));
    EXPECT_EQ(f.sound.plays.size(), 2u);
}

TEST_F(FinestraEsercizio, AnExerciseTotalShowsAtMost999) {
    apri();
    rispondiGiusto(500);
    premi("CmdOperazione");
    rispondiGiusto(499);
    EXPECT_EQ(testo("LblTempoTotale"), " 999");
    premi("CmdOperazione");
    rispondiGiusto(1);
    EXPECT_EQ(testo("LblTempoTotale"), "999");
    EXPECT_EQ(stato.testoTempoEsercizio(1), " 1000");
}

TEST_F(FinestraEsercizio, AnAnswerAcrossMidnightGainsADay) {
    f.clock.now = 86398.0;  // 23:59:58
    apri();
    ASSERT_EQ(stato.inizioOperazione, 86398.0);
    rispondiAlle(stato.rispostaAttesa, 2.5);  // the clock restarted at midnight
    EXPECT_EQ(stato.tempoRisposta, 4);
    EXPECT_EQ(testo("LblTempoParziale"), " 4");
    EXPECT_EQ(testo("LblTempoTotale"), " 4");
    EXPECT_TRUE(stato.elencoOperazioni(1).endsWith(")   4 Tp"));
}

TEST_F(FinestraEsercizio, TheEndOfAnExerciseAndTheNext) {
    apri();
    giocaFinoA(9);
    EXPECT_EQ(comandiVisibili(), QStringList{"CmdOperazione"});
    EXPECT_EQ(testo("LblIstruzione"), "Clicca sul pulsante Nuova sottrazione");
    avanti();
    rispondiGiusto();
    EXPECT_EQ(comandiVisibili(), QStringList({"CmdEsercizio", "CmdStampa", "CmdFine"}));
    EXPECT_EQ(testo("LblIstruzione"), "Clicca sul pulsante Nuovo esercizio");
    EXPECT_FALSE(voce("mnuStampa")->isEnabled());
    EXPECT_FALSE(voce("mnuAttestato")->isEnabled());
    // Records 3, 6 and 9 were answered wrongly.
    EXPECT_EQ(segniVisibili(), QStringList({"Image1", "Image2", "Image3", "Image4", "Image5",
                                            "Image6", "Image7", "Image11", "Image12", "Image13"}));

    premi("CmdEsercizio");
    EXPECT_EQ(segniVisibili(), QStringList());
    EXPECT_EQ(testo("LblOperazione"), "1");
    EXPECT_EQ(testo("LblEsercizio"), "2");
    EXPECT_EQ(testo("LblTempoParziale"), "");
    EXPECT_EQ(testo("LblTempoTotale"), "");
    EXPECT_EQ(comandiVisibili(), QStringList{"CmdFine"});
    EXPECT_EQ(testo("LblIstruzione"), " Digita il risultato");
    EXPECT_EQ(w->focusWidget(), casella());
    EXPECT_EQ(stato.contatoreOperazioni, 11);
    EXPECT_EQ(stato.esatteEsercizio, 0);
    EXPECT_EQ(stato.errateEsercizio, 0);
    EXPECT_EQ(stato.totaleEsatte, 7);

    rispondiGiusto(8);
    EXPECT_TRUE(voce("mnuStampa")->isEnabled());
    EXPECT_TRUE(voce("mnuAttestato")->isEnabled());
    EXPECT_EQ(testo("LblTempoTotale"), " 8");
    EXPECT_EQ(stato.testoTempoEsercizio(1), " 30");
    EXPECT_EQ(stato.testoTempoEsercizio(2), " 8");
}

TEST_F(FinestraEsercizio, AWholePracticeThenANewSeriesThenTheReport) {
    apri();
    QString esitoAllaDomanda;
    QStringList segniAllaDomanda;
    f.dialogs.onShow = [&](const FakeDialogs::Box&) {
        esitoAllaDomanda = testo("LblEsito");
        segniAllaDomanda = segniVisibili();
    };
    f.dialogs.answers = {Dialogs::No};
    giocaFinoA(39);
    EXPECT_TRUE(f.dialogs.boxes.empty());
    avanti();
    rispondiGiusto();

    // The outcome of the fortieth operation is on screen when the question comes.
    ASSERT_EQ(f.dialogs.boxes.size(), 1u);
    EXPECT_EQ(f.dialogs.boxes[0].text,
              "Hai eseguito 4 esercizi.      \r\rVuoi visualizzare le operazioni eseguite?\r"
              "(Se rispondi NO l'esercizio sarà perso)");
    EXPECT_EQ(f.dialogs.boxes[0].style, 68);
    EXPECT_EQ(f.dialogs.boxes[0].title, "FINE ESERCITAZIONE");
    EXPECT_EQ(esitoAllaDomanda, "E S A T T O");
    EXPECT_EQ(segniAllaDomanda.size(), 10);
    EXPECT_EQ(stato.rispostaMessaggio, Dialogs::No);

    // No: the records are gone and a new series starts at once from record 1.
    EXPECT_EQ(stato.contatoreOperazioni, 1);
    EXPECT_EQ(stato.numeroEsercizio, 1);
    EXPECT_EQ(stato.numeroOperazione, 1);
    EXPECT_EQ(stato.totaleEsatte, 0);
    EXPECT_FALSE(stato.elencoOperazioni(1).isEmpty());
    EXPECT_FALSE(stato.elencoOperazioni(1).endsWith(" Tp"));
    for (int i = 2; i <= 40; ++i)
        EXPECT_EQ(stato.elencoOperazioni(i), "") << i;
    EXPECT_EQ(testo("LblEsercizio"), "1");
    EXPECT_EQ(testo("LblOperazione"), "1");
    EXPECT_EQ(testo("LblTempoTotale"), "");
    EXPECT_EQ(testo("LblEsito"), "");
    EXPECT_EQ(segniVisibili(), QStringList());
    EXPECT_EQ(comandiVisibili(), QStringList{"CmdFine"});
    EXPECT_TRUE(trova("fraTastierino")->isEnabled());
    EXPECT_FALSE(voce("mnuStampa")->isEnabled());
    EXPECT_EQ(w->focusWidget(), casella());
    EXPECT_EQ(finestre->stampaSeCaricato(), nullptr);

    // The new series also ends after record 40, and not before.
    f.dialogs.answers = {Dialogs::Yes};
    giocaFinoA(39);
    EXPECT_EQ(f.dialogs.boxes.size(), 1u);
    avanti();
    rispondiSbagliato();
    ASSERT_EQ(f.dialogs.boxes.size(), 2u);
    EXPECT_EQ(stato.rispostaMessaggio, Dialogs::Yes);

    // Yes: the report opens and everything stays for it.
    FrmStampa* report = finestre->stampaSeCaricato();
    ASSERT_NE(report, nullptr);
    EXPECT_TRUE(report->isVisible());
    EXPECT_EQ(stato.contatoreOperazioni, 40);
    EXPECT_EQ(stato.numeroEsercizio, 0);
    for (int i = 1; i <= 40; ++i)
        EXPECT_TRUE(stato.elencoOperazioni(i).endsWith(" Tp")) << i;
    EXPECT_EQ(comandiVisibili(), QStringList({"CmdEsercizio", "CmdStampa", "CmdFine"}));
    EXPECT_EQ(testo("LblEsito"), "E R R A T O");

    // "Nuovo esercizio" after the end starts a new practice, as No would have.
    premi("CmdEsercizio");
    EXPECT_EQ(f.dialogs.boxes.size(), 2u);
    EXPECT_EQ(stato.contatoreOperazioni, 1);
    EXPECT_EQ(stato.numeroEsercizio, 1);
    EXPECT_EQ(stato.numeroOperazione, 1);
    for (int i = 2; i <= 40; ++i)
        EXPECT_EQ(stato.elencoOperazioni(i), "") << i;
    EXPECT_EQ(testo("LblEsercizio"), "1");
    EXPECT_EQ(segniVisibili(), QStringList());
    EXPECT_EQ(comandiVisibili(), QStringList{"CmdFine"});
    f.dialogs.answers = {Dialogs::Yes};
    giocaFinoA(40);
    EXPECT_EQ(f.dialogs.boxes.size(), 3u);
}

TEST_F(FinestraEsercizio, NoCommandLeadsPastTheRecordsOfAPractice) {
    apri();
    giocaFinoA(10);
    // The next operation is not offered after the tenth, nor a fifth exercise.
    w->CmdOperazione_Click();
    EXPECT_EQ(stato.numeroOperazione, 10);
    EXPECT_EQ(stato.contatoreOperazioni, 10);
    premi("CmdEsercizio");
    giocaFinoA(35);
    w->CmdEsercizio_Click();
    EXPECT_EQ(stato.numeroEsercizio, 4);
    EXPECT_EQ(stato.contatoreOperazioni, 35);
}

TEST_F(FinestraEsercizio, TheReportAndTheCertificateOpenBesideTheWindow) {
    apri();
    giocaFinoA(10);
    premi("CmdStampa");
    FrmStampa* report = finestre->stampaSeCaricato();
    ASSERT_NE(report, nullptr);
    EXPECT_TRUE(report->isVisible());
    EXPECT_FALSE(voce("mnuAttestato")->isEnabled());

    premi("CmdEsercizio");
    rispondiGiusto();
    voce("mnuStampa")->trigger();
    EXPECT_EQ(finestre->stampaSeCaricato(), report);
    voce("mnuAttestato")->trigger();
    FrmAttestato* attestato = finestre->attestatoSeCaricato();
    ASSERT_NE(attestato, nullptr);
    EXPECT_TRUE(attestato->isVisible());
    EXPECT_EQ(finestre->operativoSeCaricato(), w);
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(stato.contatoreOperazioni, 11);
}

TEST_F(FinestraEsercizio, ClosingUnloadsWithoutAQuestionAndReopeningStartsAfresh) {
    apri();
    giocaFinoA(3);
    avanti();
    tastierino({"4"});
    // "Esci" of the menu in the middle of an operation.
    voce("MnuEsci")->trigger();
    chiudiEliminate();
    EXPECT_EQ(finestre->operativoSeCaricato(), nullptr);
    EXPECT_TRUE(f.dialogs.boxes.empty());
    EXPECT_EQ(stato.contatoreOperazioni, 4);
    EXPECT_EQ(stato.rispostaDigitata, "4");
    EXPECT_TRUE(stato.elencoOperazioni(3).endsWith(" Tp"));

    apri();
    EXPECT_EQ(stato.contatoreOperazioni, 1);
    EXPECT_EQ(testo("LblOperazione"), "1");
    EXPECT_EQ(segniVisibili(), QStringList());
    EXPECT_EQ(comandiVisibili(), QStringList{"CmdFine"});
    EXPECT_EQ(casella()->text(), "");
    premi("CmdFine");
    chiudiEliminate();
    EXPECT_EQ(finestre->operativoSeCaricato(), nullptr);

    // The close box, after a new series was started: the next opening is a first one again.
    f.dialogs.answers = {Dialogs::No};
    apri();
    giocaFinoA(39);
    avanti();
    rispondiGiusto();
    ASSERT_EQ(f.dialogs.boxes.size(), 1u);
    EXPECT_EQ(stato.contatoreOperazioni, 1);
    EXPECT_TRUE(w->close());
    chiudiEliminate();
    EXPECT_EQ(finestre->operativoSeCaricato(), nullptr);
    apri();
    EXPECT_EQ(comandiVisibili(), QStringList{"CmdFine"});
    EXPECT_EQ(stato.contatoreOperazioni, 1);
}
