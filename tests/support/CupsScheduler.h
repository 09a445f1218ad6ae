#pragma once

#include <QByteArray>
#include <QList>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <cups/ipp.h>

#include <optional>
#include <utility>

// A private CUPS scheduler: cupsd with its own configuration, spool, state and logs in a
// temporary folder, listening only on a Unix socket there. While the object lives, every CUPS
// client of this process (Qt's print support and libcups on this thread, and the cups commands
// it runs) talks to this scheduler and to no other; nothing of the machine's own CUPS is read
// or changed. The scheduler is stopped by its process id, and ends with the test's thread if the
// test dies first.
class CupsScheduler {
  public:
    struct Job {
        int id = 0;
        QString name;  // job-name
        ipp_jstate_t state = IPP_JSTATE_PENDING;
    };

    // Points this process's CUPS clients at the scheduler's socket; start() starts it.
    CupsScheduler();
    // Stops the scheduler and gives the process back the CUPS server it had.
    ~CupsScheduler();

    CupsScheduler(const CupsScheduler&) = delete;
    CupsScheduler& operator=(const CupsScheduler&) = delete;

    // Starts cupsd and waits until it answers: empty when it runs, else why it does not.
    QString start();
    // By its process id: TERM, then KILL when it has not ended after a few seconds.
    void stop();

    // Each of these runs a cups command and answers empty when it succeeded, else its output.
    // A raw queue on file:///dev/null, made the default destination (lpadmin).
    QString addDefaultQueue(const QString& name);
    QString removeQueue(const QString& name);  // lpadmin -x
    QString reject(const QString& name);       // cupsreject: new jobs are refused
    QString accept(const QString& name);       // cupsaccept: new jobs are taken again
    QString disable(const QString& name);      // cupsdisable: jobs are taken and held
    QString enable(const QString& name);       // cupsenable: held jobs print

    // Every job the scheduler knows, finished ones too, by job id.
    QList<Job> jobs();
    // Waits until job `id` is in `state`; false when it is not after `milliseconds`.
    bool waitForJob(int id, ipp_jstate_t state, int milliseconds = 5000);
    // The document a client submitted for job `id`, as the spool keeps it.
    QByteArray document(int id) const;
    // The scheduler's error log, to say why something failed.
    QString errorLog() const;

  private:
    QString path(const QString& name) const;
    QString run(const QString& program, const QStringList& arguments);
    QString why(const QString& what);

    QTemporaryDir folder_;
    QProcess cupsd_;
    // The variables that choose the server and the default destination, as the process had them.
    QList<std::pair<QByteArray, std::optional<QByteArray>>> savedEnvironment_;
};
