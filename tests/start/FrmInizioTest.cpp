#include <gtest/gtest.h>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFontMetricsF>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QTest>

#include "platform/Twips.h"
#include "platform/VbColor.h"
#include "shell/Finestre.h"
#include "shell/Modulo1.h"
#include "start/FrmInizio.h"
#include "support/Controlli.h"
#include "support/FakePlatform.h"

namespace {

// The start window on its own, shown and active, with the fakes.
class Inizio : public testing::Test {
  protected:
    void SetUp() override {
        Finestre::mostra(w);
        QApplication::setActiveWindow(&w);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    }

    template <class T>
    T* c(const char* nome) {
        return controllo<T>(&w, QString::fromLatin1(nome));
    }
    QLineEdit* nome() { return c<QLineEdit>("txtNome"); }

    void incolla(const QString& testo) { QGuiApplication::clipboard()->setText(testo); }

    FakePlatform f;
    Modulo1 stato;
    Finestre finestre{stato, f.platform};
    FrmInizio& w = finestre.inizio();
};

TEST_F(Inizio, TheLoadStepSetsTitleAndModeList) {
    EXPECT_EQ(w.windowTitle(), "ROVOROREZOVERED.1");
    auto* titolo = c<QLabel>("Label5");
    EXPECT_EQ(titolo->text(), "ROVOROREZOVERED.1");
    // Whole, on one line, in bold Arial as large as its band allows up to 44.25 points.
    EXPECT_FALSE(titolo->wordWrap());
    EXPECT_LE(QFontMetricsF(titolo->font()).horizontalAdvance(titolo->text()), titolo->width());
    EXPECT_LE(titolo->font().pointSizeF(), 44.25);
    EXPECT_GE(titolo->font().pointSizeF(), 30);
    EXPECT_EQ(titolo->font().family(), "Arial");
    EXPECT_TRUE(titolo->font().bold());
    EXPECT_EQ(titolo->palette().color(QPalette::WindowText), vbColor(0x000000C0));
    auto* lista = c<QComboBox>("Combo1");
    ASSERT_EQ(lista->count(), 3);
    EXPECT_EQ(lista->itemText(0), "Calcolo del prodotto");
    EXPECT_EQ(lista->itemText(1), "Calcolo del fattore");
    EXPECT_EQ(lista->itemText(2), "Calcolo del prodotto o fattore senza casualità");
    EXPECT_EQ(lista->currentIndex(), 0);
    EXPECT_FALSE(lista->isEditable());
    EXPECT_EQ(w.centralWidget()->size(), QSize(twips(11880), twips(8310)));
}

// The first frame of the start window: the title at the size that stepping down from 44.25
// points by 0.75 finds for 96 % of its band, and the window pixel for pixel as with that size.
TEST_F(Inizio, TheFirstFrameHasTheTitleTheSteppingRuleGives) {
    auto* titolo = c<QLabel>("Label5");
    QFont aPassi = titolo->font();
    aPassi.setPointSizeF(44.25);
    while (aPassi.pointSizeF() > 12 &&
           QFontMetricsF(aPassi).horizontalAdvance(titolo->text()) > titolo->width() * 0.96)
        aPassi.setPointSizeF(aPassi.pointSizeF() - 0.75);
    EXPECT_EQ(titolo->font().pointSizeF(), aPassi.pointSizeF());

    const QImage primo = w.grab().toImage();
    titolo->setFont(aPassi);
    EXPECT_TRUE(w.grab().toImage() == primo);
}

TEST_F(Inizio, TheNamePanelLiesOverTheRangePanel) {
    QWidget* area = w.centralWidget();
    const QPoint mezzo = c<QWidget>("Command1")->mapTo(area, QPoint(5, 5));
    QWidget* sopra = area->childAt(mezzo);
    ASSERT_NE(sopra, nullptr);
    EXPECT_TRUE(sopra == c<QWidget>("Frame2") || c<QWidget>("Frame2")->isAncestorOf(sopra));
    // The range panel peeks out above it, as designed.
    EXPECT_EQ(c<QWidget>("Frame1")->geometry().top() + 7, c<QWidget>("Frame2")->geometry().top());
}

TEST_F(Inizio, TextsAndTheHandOverTheButtons) {
    const char* testi[][2] = {
        {"cmdAvanti", "AVANTI"},
        {"cmdFine", "E S C I"},
        {"Command9", "E S C I"},
        {"Command1", "NUMERO MAX DA 1 A 30"},
        {"Command2", "NUMERO MAX DA 30 A 60"},
        {"Command3", "NUMERO MAX DA 60 A 99"},
        {"Command4", "NUMERO MAX DA 1 A 99"},
    };
    for (const auto& [p, testo] : testi) {
        EXPECT_EQ(c<QPushButton>(p)->text(), testo);
        EXPECT_EQ(c<QPushButton>(p)->cursor().shape(), Qt::PointingHandCursor) << p;
    }
    EXPECT_EQ(c<QLabel>("Label4")->text(), "   IMMETTI   IL  TUO  NOME");
    EXPECT_EQ(c<QLabel>("Label9")->text(),
              "Attività di controllo     Stampa operazioni Stampa valutazione");
    EXPECT_EQ(c<QLabel>("Label7")->text(),
              "Il nome viene troncato automaticamente alla 15a lettera");
    EXPECT_EQ(c<QLabel>("Label3")->text(), "Presta attenzione all'ortografia");
    EXPECT_EQ(c<QLabel>("Label8")->text(), "Buon lavoro");
    EXPECT_EQ(c<QPushButton>("Command3")->palette().color(QPalette::Button), vbColor(0x0080FFFF));
}

TEST_F(Inizio, TheMenuBarAndItsEmptyEntries) {
    QStringList voci, nomi;
    for (QAction* a : w.menuBar()->actions()) {
        voci << a->text();
        nomi << (a->menu() ? a->menu()->objectName() : a->objectName());
    }
    EXPECT_EQ(voci, QStringList({"File", "?", "", "Scala di valutazione"}));
    EXPECT_EQ(nomi, QStringList({"mnuFile", "mnuInfo", "voce", "mnuValutazione"}));
    auto* file = c<QMenu>("mnuFile");
    ASSERT_EQ(file->actions().size(), 2);
    EXPECT_EQ(file->actions()[0]->text(), "Esci");
    EXPECT_EQ(file->actions()[1]->objectName(), "mnuVuoto");
    EXPECT_EQ(file->actions()[1]->text(), "");

    // The two empty entries do nothing.
    c<QAction>("voce")->trigger();
    c<QAction>("mnuVuoto")->trigger();
    QTest::qWait(0);
    EXPECT_TRUE(w.isVisible());
    EXPECT_TRUE(f.dialogs.boxes.empty());
    EXPECT_TRUE(f.launcher.started.isEmpty());
    EXPECT_EQ(finestre.valutazioneSeCaricato(), nullptr);
}

TEST_F(Inizio, TheTitleShapesArePaintedBehindTheLabels) {
    auto* titolo = c<QWidget>("frmTitolo");
    const QImage immagine = titolo->grab().toImage();
    auto colore = [&](double x, double y) {
        return immagine.pixelColor(QPoint(twips(x), twips(y)) * titolo->devicePixelRatioF());
    };
    EXPECT_EQ(colore(3000, 180), vbColor(0x00FFFF80));   // the light shape, above the title
    EXPECT_EQ(colore(5000, 1590), vbColor(0x00C0C000));  // the darker one peeks out below
    EXPECT_EQ(colore(5000, 20), vbColor(0x00C0FFC0));    // the band itself
    EXPECT_EQ(colore(400, 400), vbColor(0x00FFFF00));    // the title's own background on top
}

TEST_F(Inizio, TabOrderAndFocusAtOpening) {
    EXPECT_EQ(QApplication::focusWidget(), nome());
    c<QWidget>("Frame1")->setEnabled(true);  // as after the name, to walk the whole chain
    const char* ordine[] = {"Combo1",   "Command1", "Command2",  "Command3",
                            "Command4", "Command9", "cmdAvanti", "cmdFine"};
    for (const char* atteso : ordine) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        ASSERT_NE(QApplication::focusWidget(), nullptr);
        EXPECT_EQ(QApplication::focusWidget()->objectName(), atteso);
    }
}

TEST_F(Inizio, TheHiddenRangeButtonsCannotBeReachedBeforeTheName) {
    QTest::keyClick(nome(), Qt::Key_Tab);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget()->objectName(), "cmdAvanti");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    EXPECT_EQ(QApplication::focusWidget(), nome());
    EXPECT_EQ(finestre.operativoSeCaricato(), nullptr);
}

TEST_F(Inizio, TypedDigitsBeepAndStayOut) {
    QTest::keyClicks(nome(), "Ma1r2io 9");
    EXPECT_EQ(nome()->text(), "Mario ");
    EXPECT_EQ(f.dialogs.beeps, 3);
    QTest::keyClick(nome(), Qt::Key_Backspace);
    QTest::keyClick(nome(), Qt::Key_Backspace);
    EXPECT_EQ(nome()->text(), "Mari");
    QTest::keyClick(nome(), Qt::Key_5, Qt::KeypadModifier);
    EXPECT_EQ(nome()->text(), "Mari");
    EXPECT_EQ(f.dialogs.beeps, 4);
    QTest::keyClicks(nome(), "'-.!");
    EXPECT_EQ(nome()->text(), "Mari'-.!");
    EXPECT_EQ(f.dialogs.beeps, 4);
}

TEST_F(Inizio, PastedDigitsBeepAndStayOutWhicheverWayThePasteComes) {
    incolla("Lu3ca");
    QTest::keyClick(nome(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(nome()->text(), "Luca");
    EXPECT_EQ(nome()->cursorPosition(), 4);
    EXPECT_EQ(f.dialogs.beeps, 1);

    incolla(" B1");
    QTest::keyClick(nome(), Qt::Key_Insert, Qt::ShiftModifier);
    EXPECT_EQ(nome()->text(), "Luca B");
    EXPECT_EQ(f.dialogs.beeps, 2);

    // The context menu's "Paste".
    incolla("2i");
    nome()->setCursorPosition(5);
    std::unique_ptr<QMenu> menu(nome()->createStandardContextMenu());
    QAction* incollaVoce = nullptr;
    for (QAction* a : menu->actions())
        if (a->text().startsWith("&Paste"))
            incollaVoce = a;
    ASSERT_NE(incollaVoce, nullptr);
    incollaVoce->trigger();
    EXPECT_EQ(nome()->text(), "Luca iB");
    EXPECT_EQ(nome()->cursorPosition(), 6);
    EXPECT_EQ(f.dialogs.beeps, 3);

    // A drop of text from elsewhere.
    nome()->clear();
    QMimeData dati;
    dati.setText("Anna 2000");
    const QPoint punto = nome()->rect().center();
    QDragEnterEvent entra(punto, Qt::CopyAction, &dati, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(nome(), &entra);
    QDragMoveEvent muovi(punto, Qt::CopyAction, &dati, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(nome(), &muovi);
    QDropEvent lascia(punto, Qt::CopyAction, &dati, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(nome(), &lascia);
    EXPECT_EQ(nome()->text(), "Anna ");
    EXPECT_EQ(f.dialogs.beeps, 4);

    // A paste without digits makes no sound.
    incolla("lisa");
    QTest::keyClick(nome(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(nome()->text(), "Anna lisa");
    EXPECT_EQ(f.dialogs.beeps, 4);
}

TEST_F(Inizio, FifteenCharactersAtMostTypedOrPasted) {
    QTest::keyClicks(nome(), "Massimilianoxyzw");
    EXPECT_EQ(nome()->text(), "Massimilianoxyz");
    QTest::keyClick(nome(), Qt::Key_Return);
    EXPECT_EQ(stato.nomeAlunno, "Massimilianoxyz");
}

TEST_F(Inizio, ALongerPasteIsCutAfterTheFifteenth) {
    QTest::keyClicks(nome(), "Ugo ");
    incolla("Bartolomeo Colleoni");
    QTest::keyClick(nome(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(nome()->text(), "Ugo Bartolomeo ");
    incolla("x");
    QTest::keyClick(nome(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(nome()->text(), "Ugo Bartolomeo ");
}

TEST_F(Inizio, AnEmptyNameIsAskedForOnceAndNothingElseChanges) {
    QWidget* avanti = c<QWidget>("cmdAvanti");
    QTest::mouseClick(avanti, Qt::LeftButton);
    ASSERT_EQ(f.dialogs.boxes.size(), 1u);
    EXPECT_EQ(f.dialogs.boxes[0].text, "Introduci il nome");
    EXPECT_EQ(f.dialogs.boxes[0].title, "distrazione");
    EXPECT_EQ(f.dialogs.boxes[0].style, 0);
    EXPECT_EQ(stato.testoMessaggio, "Introduci il nome");
    EXPECT_EQ(stato.titoloMessaggio, "distrazione");
    EXPECT_EQ(stato.rispostaMessaggio, Dialogs::Ok);
    EXPECT_TRUE(stato.nomeAlunno.isEmpty());
    EXPECT_TRUE(c<QWidget>("Frame2")->isVisible());
    EXPECT_EQ(QApplication::focusWidget(), nome());

    // Both Enter keys run the same check.
    QTest::keyClick(nome(), Qt::Key_Return);
    QTest::keyClick(nome(), Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(f.dialogs.boxes.size(), 3u);
    EXPECT_TRUE(c<QWidget>("Frame2")->isVisible());
    EXPECT_EQ(finestre.operativoSeCaricato(), nullptr);
}

TEST_F(Inizio, ANameOfSpacesOnlyIsAcceptedAsItIs) {
    QTest::keyClicks(nome(), "   ");
    QTest::keyClick(nome(), Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(stato.nomeAlunno, "   ");
    EXPECT_TRUE(f.dialogs.boxes.empty());
    EXPECT_FALSE(c<QWidget>("Frame2")->isVisible());
}

TEST_F(Inizio, AcceptingTheNameUncoversTheRangesForGood) {
    QTest::keyClicks(nome(), " dE sAnTiS ");
    QTest::mouseClick(c<QWidget>("cmdAvanti"), Qt::LeftButton);
    EXPECT_EQ(stato.nomeAlunno, " dE sAnTiS ");
    EXPECT_TRUE(f.dialogs.boxes.empty());
    EXPECT_FALSE(c<QWidget>("Frame2")->isVisible());
    EXPECT_TRUE(c<QWidget>("Frame1")->isVisible());
    EXPECT_EQ(QApplication::focusWidget(), c<QWidget>("Command1"));
    // The mode list stays usable and the name panel does not come back.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    EXPECT_EQ(QApplication::focusWidget(), c<QWidget>("Combo1"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    EXPECT_NE(QApplication::focusWidget(), nome());
    EXPECT_FALSE(c<QWidget>("Frame2")->isVisible());
}

}  // namespace
