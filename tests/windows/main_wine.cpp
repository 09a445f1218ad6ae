#include <gtest/gtest.h>
#include <QApplication>
#include <iostream>

#include "support/Schermo.h"
#include "support/ServerX.h"
#include "support/WinePrivato.h"
#include "windows/SuWine.h"

WinePrivato* SuWine::wine = nullptr;

// Test main for the Windows program under Wine: a private Xvfb with openbox at 1024x768, a Wine
// prefix of the test's own on it, then a QApplication on the same server (it reads the screen
// and the clipboard as the pupil would see them), then every test.
int main(int argc, char* argv[]) {
    ServerX server(QSize(1024, 768));
    if (!server.avviato()) {
        std::cerr << "The private X server with its window manager did not start: "
                  << server.errore().toStdString() << "\n";
        return 1;
    }
    WinePrivato wine(server.display());
    if (!wine.pronto()) {
        std::cerr << wine.errore().toStdString() << "\n";
        return 1;
    }
    qputenv("DISPLAY", server.display().toLocal8Bit());
    qputenv("QT_QPA_PLATFORM", "xcb");
    schermo::server = &server;
    SuWine::wine = &wine;

    QApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
