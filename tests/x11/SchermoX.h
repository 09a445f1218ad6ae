#pragma once

#include <QRect>
#include <QTest>
#include <QWidget>
#include <cstdlib>

#include "support/ServerX.h"

// The private X server the test main has started for this process.
struct ServerDelTest {
    static ServerX* server;
};

// The frame round `finestra` once the window manager has mapped and framed it, and the program
// has heard of it as a pupil's program would have by the time the pupil acts again (waits up to
// five seconds), in the program's logical pixels (the X server's, divided by the program's
// scale); empty if it never is.
inline QRect corniceDi(const QWidget& finestra) {
    QRect cornice;
    const bool inquadrata = QTest::qWaitFor(
        [&] {
            cornice = ServerDelTest::server->cornice(finestra.winId());
            return !cornice.isEmpty();
        },
        5000);
    if (!inquadrata)
        return {};
    const qreal scala = finestra.devicePixelRatioF();
    const QRect logica(qRound(cornice.x() / scala), qRound(cornice.y() / scala),
                       qRound(cornice.width() / scala), qRound(cornice.height() / scala));
    // Qt learns of the frame from events that may still be on their way.
    (void)QTest::qWaitFor(
        [&] {
            const QRect qt = finestra.frameGeometry();
            return (qt.topLeft() - logica.topLeft()).manhattanLength() <= 2 &&
                   std::abs(qt.width() - logica.width()) <= 1 &&
                   std::abs(qt.height() - logica.height()) <= 1;
        },
        2000);
    return logica;
}
