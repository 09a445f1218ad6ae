#pragma once

#include <sys/prctl.h>
#include <QProcess>
#include <csignal>

// Has `processo`, once started, receive SIGTERM when the thread that started it ends: a service
// a test started then does not outlive a test that crashed or was killed before stopping it.
// Linux only, like the services that use it.
inline void terminaColTest(QProcess& processo) {
    processo.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });
}
