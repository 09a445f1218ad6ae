#include <gtest/gtest.h>
#include <QApplication>
#include <iostream>

#include "shell/Aspetto.h"
#include "shell/Finestre.h"
#include "support/ServerX.h"
#include "x11/SchermoX.h"

ServerX* ServerDelTest::server = nullptr;

// Test main for the windows on a real X server: a private Xvfb with openbox, of the size given
// by --schermo WxH (1024x768 where not given), then a QApplication on it at the program's scale
// for that screen (QT_SCALE_FACTOR in the environment stands for a desktop's display scaling),
// then every test.
int main(int argc, char* argv[]) {
    QSize schermo(1024, 768);
    for (int i = 1; i + 1 < argc; ++i) {
        if (QByteArray(argv[i]) == "--schermo") {
            const QList<QByteArray> lati = QByteArray(argv[i + 1]).split('x');
            if (lati.size() == 2)
                schermo = QSize(lati[0].toInt(), lati[1].toInt());
        }
    }
    ServerX server(schermo);
    if (!server.avviato()) {
        std::cerr << "The private X server with its window manager did not start: "
                  << server.errore().toStdString() << "\n";
        return 1;
    }
    qputenv("DISPLAY", server.display().toLocal8Bit());
    qputenv("QT_QPA_PLATFORM", "xcb");
    ServerDelTest::server = &server;

    int esito = 1;
    {
        QApplication app(argc, argv);
        preparaAspetto();
        Finestre::adattaAlloSchermo();
        testing::InitGoogleTest(&argc, argv);
        esito = RUN_ALL_TESTS();
    }
    return esito;
}
