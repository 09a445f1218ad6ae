#include <gtest/gtest.h>
#include <QApplication>

#include "shell/Aspetto.h"

// Test main: a QApplication on the offscreen platform with the program's look, then every test.
int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    preparaAspetto();
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
