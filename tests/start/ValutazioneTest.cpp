#include <gtest/gtest.h>
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenuBar>
#include <QPointer>
#include <QTest>

#include "platform/Twips.h"
#include "platform/VbColor.h"
#include "shell/Finestre.h"
#include "shell/Modulo1.h"
#include "start/FrmInizio.h"
#include "start/frmValutazione.h"
#include "support/FakePlatform.h"

namespace {

class Scala : public testing::Test {
  protected:
    void SetUp() override {
        Finestre::mostra(inizio);
        voce = inizio.findChild<QAction*>("mnuValutazione");
        ASSERT_NE(voce, nullptr);
        EXPECT_EQ(voce->text(), "Scala di valutazione");
    }

    // A click on the entry of the menu bar: it acts at once, with no drop-down.
    frmValutazione* apri() {
        QMenuBar* barra = inizio.menuBar();
        QTest::mouseClick(barra, Qt::LeftButton, {}, barra->actionGeometry(voce).center());
        return finestre.valutazioneSeCaricato();
    }

    FakePlatform f;
    Modulo1 stato;
    Finestre finestre{stato, f.platform};
    FrmInizio& inizio = finestre.inizio();
    QAction* voce = nullptr;
};

TEST_F(Scala, ShowsTheFixedTexts) {
    frmValutazione* w = apri();
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->windowTitle(), "SCALA  DI  VALUTAZIONE");
    EXPECT_EQ(w->size(), QSize(twips(7215), twips(4620)));
    EXPECT_EQ(w->palette().color(QPalette::Window), vbColor(0x00FFFFC0));
    const char* testi[][3] = {
        {"Frame1", "Label9", "SCALA DI VALUTAZIONE"},
        {"Frame1", "Label1", "10/10 ottimo"},
        {"Frame1", "Label7", " 9/10 ottimo"},
        {"Frame1", "Label6", " 8/10 distinto"},
        {"Frame1", "Label5", " 7/10 buono"},
        {"Frame1", "Label3", " 6/10 sufficiente"},
        {"Frame1", "Label2", " 5/10 sufficiente (!)"},
        {"Frame2", "Label8", "ATTESTATO DI VALUTAZIONE"},
        {"Frame2", "Label4",
         "Puoi stampare l'attestato  dopo aver eseguito per intero almeno un esercizio"},
        {"frmValutazione", "Label10",
         "L'attesto di valutazione va ritagliato e incollato sul quaderno accanto alle "
         "operazioni eseguite"},
    };
    for (const auto& [pannello, nome, testo] : testi) {
        auto* label = w->findChild<QLabel*>(nome);
        ASSERT_NE(label, nullptr) << nome;
        EXPECT_EQ(label->text(), QString(testo)) << nome;
        EXPECT_EQ(label->parentWidget()->objectName(), pannello) << nome;
    }
    auto* voto = w->findChild<QLabel*>("Label3");
    EXPECT_EQ(voto->font().family(), "Arial");
    EXPECT_DOUBLE_EQ(voto->font().pointSizeF(), 12);
    EXPECT_TRUE(voto->font().bold());
    EXPECT_EQ(voto->palette().color(QPalette::WindowText), vbColor(0x00FF0000));
    EXPECT_EQ(w->findChild<QLabel*>("Label8")->palette().color(QPalette::WindowText),
              vbColor(0x00800080));
    EXPECT_EQ(w->findChild<QWidget*>("Frame2")->geometry(), twipsRect(3645, 90, 3345, 3300));
    EXPECT_EQ(w->findChild<QWidget*>("Frame1")->palette().color(QPalette::Window),
              vbColor(0x00FFFF80));
}

TEST_F(Scala, ChosenTwiceItIsOneWindowInFront) {
    QPointer<frmValutazione> prima = apri();
    ASSERT_FALSE(prima.isNull());
    EXPECT_TRUE(prima->isVisible());
    Finestre::mostra(inizio);
    QPointer<frmValutazione> seconda = apri();
    EXPECT_EQ(prima, seconda);
    int quante = 0;
    for (QWidget* finestra : QApplication::topLevelWidgets())
        quante += qobject_cast<frmValutazione*>(finestra) != nullptr;
    EXPECT_EQ(quante, 1);
    EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == prima; }, 2000));
    // The start window stays usable.
    EXPECT_TRUE(inizio.isVisible());
    EXPECT_TRUE(inizio.isEnabled());
}

TEST_F(Scala, ClicksOnTextsAndPanelsLeaveItOpenTheBareBackgroundClosesIt) {
    QPointer<frmValutazione> w = apri();
    ASSERT_FALSE(w.isNull());
    const char* controlli[] = {"Label1",  "Label2", "Label4", "Label9",
                               "Label10", "Frame1", "Frame2"};
    for (const char* nome : controlli) {
        auto* controllo = w->findChild<QWidget*>(nome);
        ASSERT_NE(controllo, nullptr) << nome;
        QTest::mouseClick(controllo, Qt::LeftButton, {}, QPoint(3, 3));
        QTest::mouseDClick(controllo, Qt::LeftButton, {}, QPoint(3, 3));
        QTest::qWait(0);
        ASSERT_FALSE(w.isNull()) << nome;
        EXPECT_TRUE(w->isVisible()) << nome;
    }
    // Between the two panels.
    QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(twips(3615), twips(1500)));
    QTest::qWait(0);
    EXPECT_TRUE(w.isNull());

    // Opened again it shows the same and closes with its close box too.
    w = apri();
    ASSERT_FALSE(w.isNull());
    EXPECT_EQ(w->findChild<QLabel*>("Label7")->text(), " 9/10 ottimo");
    w->close();
    QTest::qWait(0);
    EXPECT_TRUE(w.isNull());
    EXPECT_TRUE(inizio.isVisible());
}

}  // namespace
