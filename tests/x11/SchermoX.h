#pragma once

#include <QRect>
#include <QTest>
#include <QWidget>

#include "support/ServerX.h"

// The private X server the test main has started for this process.
struct ServerDelTest {
    static ServerX* server;
};

// The frame round `finestra` once the window manager has mapped and framed it, and the program
// has heard of it as a pupil's program would have by the time the pupil acts again (waits up to
// five seconds); empty if it never is.
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
    // Qt learns of the frame from events that may still be on their way.
    (void)QTest::qWaitFor([&] { return finestra.frameGeometry() == cornice; }, 2000);
    return cornice;
}
