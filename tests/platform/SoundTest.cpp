#include <gtest/gtest.h>
#include <QCoreApplication>
#include <QDir>

#include "platform/SystemServices.h"

// The service the program plays its chime with, whichever the system's is.
TEST(SystemSound, PlaysTheShippedChimeAndNothingForAMissingFile) {
    SystemSound sound;
    EXPECT_TRUE(sound.play(QCoreApplication::applicationDirPath() + "/positivo.wav", Sound::Async));
    // No system sound in its place either: the play is refused before it starts.
    EXPECT_FALSE(sound.play(QDir::tempPath() + "/nessuna-cartella/positivo.wav", Sound::Async));
}
