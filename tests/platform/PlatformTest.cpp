#include <gtest/gtest.h>
#include <QApplication>
#include <QDate>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QSoundEffect>
#include <QTest>
#include <QTimer>

#include "platform/QtClock.h"
#include "platform/QtDialogs.h"
#include "platform/QtLauncher.h"
#include "platform/QtSound.h"
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

TEST(QtLauncher, StartsAProgramFromThePathByBareName) {
    QtLauncher launcher;
    EXPECT_FALSE(launcher.startProgram("nessun-programma-con-questo-nome.exe"));

#ifdef Q_OS_UNIX
    ProgrammaTemporaneo vetrina("vetrina.exe");
    ASSERT_TRUE(vetrina.pronto());
    EXPECT_TRUE(launcher.startProgram("vetrina.exe"));
    EXPECT_TRUE(vetrina.partito());
#endif
}

TEST(QtSound, TheShippedChimeLoads) {
    const QString file = QCoreApplication::applicationDirPath() + "/positivo.wav";
    ASSERT_TRUE(QFile::exists(file));
    QtSound sound;
    ASSERT_TRUE(sound.play(file, Sound::Async));
    QPointer<QSoundEffect> effetto = sound.lastEffect();
    ASSERT_TRUE(effetto);
    QElapsedTimer attesa;
    attesa.start();
    bool pronto = false;
    while (effetto && attesa.elapsed() < 5000) {
        if (effetto->status() == QSoundEffect::Ready) {
            pronto = true;
            break;
        }
        QTest::qWait(10);
    }
    EXPECT_TRUE(pronto) << "the chime did not load";
}

TEST(QtSound, AMissingFileIsASilentNoOp) {
    QtSound sound;
    EXPECT_FALSE(sound.play("/nessuna/cartella/positivo.wav", Sound::Async));
    EXPECT_EQ(sound.lastEffect(), nullptr);
}

TEST(QtSound, ANewPlayReplacesTheOldOne) {
    const QString file = QCoreApplication::applicationDirPath() + "/positivo.wav";
    QtSound sound;
    sound.play(file, Sound::Async);
    QPointer<QSoundEffect> primo = sound.lastEffect();
    sound.play(file, Sound::Async);
    EXPECT_NE(sound.lastEffect(), primo.data());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(primo.isNull());
}
