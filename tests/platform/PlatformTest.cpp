#include <gtest/gtest.h>
#include <QApplication>
#include <QDate>
#include <QDir>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <functional>
#include <tuple>

#include "platform/QtClock.h"
#include "platform/QtDialogs.h"
#include "platform/QtLauncher.h"
#include "platform/Twips.h"
#include "platform/VbColor.h"
#include "support/ProgrammaTemporaneo.h"

TEST(QtClock, ShortDateOfTheSystemAndItalianWhereTheSystemHasNoLocale) {
    const QDate data(2026, 12, 8);
    // A machine without a language set: C, or POSIX, its other name.
    EXPECT_EQ(QtClock::shortDate(QLocale::c(), data), "08/12/26");
    EXPECT_EQ(QtClock::shortDate(QLocale("POSIX"), data), "08/12/26");
    EXPECT_EQ(QtClock::shortDate(QLocale(QLocale::Italian, QLocale::Italy), data), "08/12/26");
    // A system with a locale of its own keeps its own format.
    EXPECT_EQ(QtClock::shortDate(QLocale(QLocale::English, QLocale::UnitedStates), data),
              "12/8/26");
    EXPECT_EQ(QtClock::shortDate(QLocale(QLocale::German, QLocale::Germany), data), "08.12.26");

    QtClock clock;
    EXPECT_EQ(clock.shortDate(), QtClock::shortDate(QLocale::system(), QDate::currentDate()));
}

TEST(Twips, FifteenTwipsToALogicalPixel) {
    EXPECT_EQ(twips(1440), 96);
    EXPECT_EQ(twips(-30), -2);
    EXPECT_EQ(twipsRect(90, 1080, 11535, 2265), QRect(6, 72, 769, 151));
}

TEST(VbColor, ReadsTheStoredBlueGreenRedForm) {
    EXPECT_EQ(vbColor(0x00C0FFC0), QColor(0xC0, 0xFF, 0xC0));
    EXPECT_EQ(vbColor(0x000000FF), QColor(255, 0, 0));
    EXPECT_EQ(vbColor(0x00004080), QColor(128, 64, 0));
    EXPECT_EQ(rgb(240, 220, 150), 0x0096DCF0u);
    EXPECT_EQ(rgb(240, 220, 150), 9886960u);
    EXPECT_EQ(vbColor(0x80000005), QGuiApplication::palette().color(QPalette::Base));
}

namespace {

struct MostratoBox {
    QString title, text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QStringList buttons;
};

}  // namespace

TEST(QtDialogs, StylesTitlesAndLineBreaks) {
    QtDialogs dialogs;
    MostratoBox copia;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        copia.title = box->windowTitle();
        copia.text = box->text();
        copia.icon = box->icon();
        for (QAbstractButton* b : box->buttons())
            copia.buttons << b->text();
        for (QAbstractButton* b : box->buttons())
            if (b->text() == "No")
                b->click();
    });
    const QString testo = "Hai eseguito 4 esercizi.      \r\rVuoi visualizzare?";
    EXPECT_EQ(dialogs.messageBox(testo, 68, "FINE ESERCITAZIONE"), Dialogs::No);
    EXPECT_EQ(copia.title, "FINE ESERCITAZIONE");
    EXPECT_EQ(copia.text, "Hai eseguito 4 esercizi.      \n\nVuoi visualizzare?");
    EXPECT_EQ(copia.icon, QMessageBox::Information);
    copia.buttons.sort();
    EXPECT_EQ(copia.buttons, QStringList({"No", "Sì"}));

    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        copia.title = box->windowTitle();
        copia.icon = box->icon();
        copia.buttons.clear();
        for (QAbstractButton* b : box->buttons())
            copia.buttons << b->text();
        box->buttons().first()->click();
    });
    EXPECT_EQ(dialogs.messageBox("File mancante", 0, ""), Dialogs::Ok);
    EXPECT_EQ(copia.title, "ROVOROREZOVERED.1");
    EXPECT_EQ(copia.icon, QMessageBox::NoIcon);
    EXPECT_EQ(copia.buttons, QStringList({"OK"}));

    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        for (QAbstractButton* b : box->buttons())
            if (b->text() == "Sì")
                b->click();
    });
    EXPECT_EQ(dialogs.messageBox("?", 68, "t"), Dialogs::Yes);
}

namespace {

// Runs `passi` on the message box as soon as it is open, inside its modal loop.
void quandoAperto(std::function<void(QMessageBox*)> passi) {
    QTimer::singleShot(0, [passi] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr) << "no message box open";
        passi(box);
    });
}

QAbstractButton* pulsante(QMessageBox* box, const QString& testo) {
    for (QAbstractButton* b : box->buttons())
        if (b->text() == testo)
            return b;
    ADD_FAILURE() << "no button " << testo.toStdString();
    return nullptr;
}

// Escape, as the pupil's keyboard sends it: to whatever has the focus in the box.
void premiEsc(QMessageBox* box) {
    QWidget* fuoco = box->focusWidget();
    QTest::keyClick(fuoco ? fuoco : box, Qt::Key_Escape);
}

}  // namespace

// The end-of-practice question has no way out: a stray Escape or a click on the close box must
// not answer No and throw forty answers away.
TEST(QtDialogs, AQuestionIsAnsweredOnlyByItsButtons) {
    QtDialogs dialogs;
    for (const auto& [scelta, codice] : {std::pair{"Sì", Dialogs::Yes}, {"No", Dialogs::No}}) {
        bool apertaDopoEsc = false;
        bool apertaDopoChiusura = false;
        quandoAperto([&, scelta = QString::fromUtf8(scelta)](QMessageBox* box) {
            premiEsc(box);
            apertaDopoEsc = box->isVisible();
            apertaDopoChiusura = !box->close() && box->isVisible();
            if (QAbstractButton* b = pulsante(box, scelta))
                b->click();
            else
                box->done(0);
        });
        EXPECT_EQ(dialogs.messageBox("Vuoi visualizzare le operazioni eseguite?", 68,
                                     "FINE ESERCITAZIONE"),
                  codice)
            << scelta;
        EXPECT_TRUE(apertaDopoEsc) << scelta;
        EXPECT_TRUE(apertaDopoChiusura) << scelta;
    }

    // A box with one button takes Escape, and its close box, as that button.
    quandoAperto([](QMessageBox* box) { premiEsc(box); });
    EXPECT_EQ(dialogs.messageBox("Hai dimenticato il risultato", 0, "distrazione"), Dialogs::Ok);
    quandoAperto([](QMessageBox* box) { box->close(); });
    EXPECT_EQ(dialogs.messageBox("Stampa non riuscita", 0, ""), Dialogs::Ok);
}

// Window managers centre the title over the whole title bar and cut what does not fit: each box
// is as wide as its title in the usual title font (bold sans, 8 points) and the bar's icon and
// buttons need.
TEST(QtDialogs, EveryBoxIsWideEnoughForItsWholeTitle) {
    QFont titolo(QStringLiteral("Sans"));
    titolo.setPointSizeF(8);
    titolo.setBold(true);
    const QFontMetrics misura(titolo);
    QtDialogs dialogs;
    const std::tuple<const char*, const char*, int> scatole[] = {
        {"Hai dimenticato il risultato", "distrazione", 0},
        {"File mancante", "", 0},
        {"Hai eseguito 4 esercizi.      \r\rVuoi visualizzare le operazioni eseguite?\r"
         "(Se rispondi NO l'esercizio sarà perso)",
         "FINE ESERCITAZIONE", 68},
        {"?", "distrazione", 0},
        {"?", "FINE ESERCITAZIONE", 68},
    };
    for (const auto& [testo, titoloBox, stile] : scatole) {
        int larghezza = 0;
        QString mostrato;
        quandoAperto([&](QMessageBox* box) {
            larghezza = box->width();
            mostrato = box->windowTitle();
            box->buttons().first()->click();
        });
        dialogs.messageBox(QString::fromUtf8(testo), stile, QString::fromUtf8(titoloBox));
        EXPECT_GE(larghezza, misura.horizontalAdvance(mostrato) + 110)
            << mostrato.toStdString() << " in a box of style " << stile;
    }
    EXPECT_GE(QtDialogs::minimumWidth("distrazione"),
              misura.horizontalAdvance("distrazione") + 110);
}

TEST(QtLauncher, StartsAProgramFromThePathByBareName) {
    QtLauncher launcher;
    EXPECT_FALSE(launcher.startProgram("nessun-programma-con-questo-nome.exe"));

    ProgrammaTemporaneo vetrina("vetrina.exe");
    ASSERT_TRUE(vetrina.pronto());
    EXPECT_TRUE(launcher.startProgram("vetrina.exe"));
    EXPECT_TRUE(vetrina.partito());
}
