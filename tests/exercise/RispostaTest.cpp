#include <gtest/gtest.h>
#include <QApplication>
#include <QMimeData>
#include <QTest>

#include "FinestraEsercizio.h"
#include "shell/Modulo1.h"
#include "support/Controlli.h"
#include "support/FakePlatform.h"
#include "support/StampaQString.h"

// The answer as the pupil gives it in the exercise window: keypad, keyboard, paste, Enter and Tab.

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
    incollaDalMenu(casella(), "12345");
    EXPECT_EQ(casella()->text(), "");
    EXPECT_EQ(f.dialogs.beeps, 1);
    incollaDalMenu(casella(), "56");
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
