#include <gtest/gtest.h>
#include <QApplication>

#include "shell/Aspetto.h"
#include "shell/Finestre.h"

// Test main: a QApplication on the offscreen platform with the program's look, then every test.
// On a real platform (Windows' own, under Wine) the program's scale for the screen too.
int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    preparaAspetto();
    if (QGuiApplication::platformName() != QLatin1String("offscreen"))
        Finestre::adattaAlloSchermo();
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
