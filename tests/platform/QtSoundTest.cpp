#include <gtest/gtest.h>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QPointer>
#include <QSoundEffect>
#include <QTest>

#include "platform/QtSound.h"

// The sound service where Qt Multimedia plays it: one effect per play, found as a child.

namespace {

// The sound effect of the adapter's latest play, while it lives.
QSoundEffect* ultimoEffetto(QtSound& sound) {
    const QList<QSoundEffect*> effetti = sound.findChildren<QSoundEffect*>();
    return effetti.isEmpty() ? nullptr : effetti.last();
}

}  // namespace

TEST(QtSound, TheShippedChimeLoads) {
    const QString file = QCoreApplication::applicationDirPath() + "/positivo.wav";
    ASSERT_TRUE(QFile::exists(file));
    QtSound sound;
    ASSERT_TRUE(sound.play(file, Sound::Async));
    QPointer<QSoundEffect> effetto = ultimoEffetto(sound);
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
    EXPECT_EQ(ultimoEffetto(sound), nullptr);
}

TEST(QtSound, ANewPlayReplacesTheOldOne) {
    const QString file = QCoreApplication::applicationDirPath() + "/positivo.wav";
    QtSound sound;
    sound.play(file, Sound::Async);
    QPointer<QSoundEffect> primo = ultimoEffetto(sound);
    sound.play(file, Sound::Async);
    EXPECT_NE(ultimoEffetto(sound), primo.data());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(primo.isNull());
}
