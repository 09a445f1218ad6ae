#include <gtest/gtest.h>
#include <QGuiApplication>

// Test main of the program in a browser: a QGuiApplication (offscreen) to read the pages'
// pictures with the fonts the program draws in, then every test.
int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
