#pragma once

#include <sys/prctl.h>
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <csignal>

// Has `processo`, once started, receive SIGTERM when the thread that started it ends: a service
// a test started then does not outlive a test that crashed or was killed before stopping it.
// Linux only, like the services that use it.
inline void terminaColTest(QProcess& processo) {
    processo.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });
}

// Stops a service the test started, by its process id: TERM, then KILL if it is still there
// after a few seconds.
inline void fermaProcesso(QProcess& processo) {
    if (processo.state() == QProcess::NotRunning)
        return;
    processo.terminate();
    if (!processo.waitForFinished(5000)) {
        processo.kill();
        processo.waitForFinished(5000);
    }
}

// Runs a client tool of a service to its end (at most `ms` milliseconds). Returns whether it
// exited 0; its output (standard output and error together) goes to `uscita` when given.
inline bool eseguiStrumento(const QString& programma, const QStringList& argomenti,
                            const QProcessEnvironment& ambiente, QString* uscita = nullptr,
                            int ms = 10000) {
    QProcess processo;
    processo.setProcessEnvironment(ambiente);
    processo.setProcessChannelMode(QProcess::MergedChannels);
    processo.start(programma, argomenti);
    if (!processo.waitForFinished(ms)) {
        const QString perche = processo.errorString();
        processo.kill();
        processo.waitForFinished();
        if (uscita)
            *uscita = programma + " did not finish: " + perche;
        return false;
    }
    if (uscita)
        *uscita = QString::fromLocal8Bit(processo.readAll());
    return processo.exitStatus() == QProcess::NormalExit && processo.exitCode() == 0;
}
