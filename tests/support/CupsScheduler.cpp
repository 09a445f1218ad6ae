#include "support/CupsScheduler.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QThread>

#include <cups/cups.h>

#include "support/ProcessoFiglio.h"

#include <algorithm>

namespace {

// Filters and the scheduler's helpers run as user lp: the folder and every folder above it
// must be readable and searchable by others.
constexpr QFileDevice::Permissions kSearchable =
    QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner |
    QFileDevice::ReadGroup | QFileDevice::ExeGroup | QFileDevice::ReadOther | QFileDevice::ExeOther;

bool write(const QString& file, const QString& text) {
    QFile f(file);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(text.toUtf8()) >= 0;
}

}  // namespace

CupsScheduler::CupsScheduler() {
    for (const char* name : {"CUPS_SERVER", "LPDEST", "PRINTER"}) {
        savedEnvironment_.append(
            {name, qEnvironmentVariableIsSet(name) ? std::optional(qgetenv(name)) : std::nullopt});
    }
    // The default destination is the scheduler's own, not one named by the environment.
    qunsetenv("LPDEST");
    qunsetenv("PRINTER");
    qputenv("CUPS_SERVER", QFile::encodeName(path("cups.sock")));
    // libcups reads the server once per thread and keeps it: make this thread read it again.
    cupsSetServer(nullptr);
}

CupsScheduler::~CupsScheduler() {
    stop();
    for (const auto& [name, value] : savedEnvironment_) {
        if (value)
            qputenv(name.constData(), *value);
        else
            qunsetenv(name.constData());
    }
    cupsSetServer(nullptr);
}

QString CupsScheduler::path(const QString& name) const {
    return folder_.filePath(name);
}

QString CupsScheduler::start() {
    if (!folder_.isValid())
        return QStringLiteral("no temporary folder: ") + folder_.errorString();
    const QString root = folder_.path();
    if (!QDir(root).mkpath(QStringLiteral("spool/tmp")) || !QDir(root).mkpath("cache") ||
        !QDir(root).mkpath("state"))
        return QStringLiteral("cannot make the scheduler's folders in ") + root;
    for (const QString& folder :
         {root, path("spool"), path("spool/tmp"), path("cache"), path("state")})
        QFile::setPermissions(folder, kSearchable);

    const bool files = write(path("cups-files.conf"), QStringLiteral(R"(ServerRoot %1
RequestRoot %1/spool
TempDir %1/spool/tmp
CacheDir %1/cache
StateDir %1/state
ServerKeychain %1/ssl
Printcap %1/printcap
AccessLog %1/access_log
ErrorLog %1/error_log
PageLog %1/page_log
SystemGroup root
FileDevice Yes
)")
                                                          .arg(root));
    // Jobs keep their document, and their control file is written at once.
    const bool server = write(path("cupsd.conf"), QStringLiteral(R"(Listen %1/cups.sock
Browsing No
WebInterface No
DefaultAuthType None
LogLevel warn
PreserveJobFiles Yes
DirtyCleanInterval 0
<Location />
  Order allow,deny
  Allow all
</Location>
)")
                                                      .arg(root));
    if (!files || !server)
        return QStringLiteral("cannot write the scheduler's configuration in ") + root;

    cupsd_.setProgram(QStringLiteral("cupsd"));
    cupsd_.setArguments({"-f", "-c", path("cupsd.conf"), "-s", path("cups-files.conf")});
    cupsd_.setProcessChannelMode(QProcess::MergedChannels);
    terminaColTest(cupsd_);
    cupsd_.start();
    if (!cupsd_.waitForStarted(5000))
        return QStringLiteral(
                   "cupsd does not start (%1): the package cups-daemon is missing? "
                   "tools/install-deps installs it")
            .arg(cupsd_.errorString());

    // lpstat -r exits 0 also when nothing answers: its text tells.
    const QDeadlineTimer deadline(10000);
    while (!deadline.hasExpired()) {
        if (cupsd_.state() != QProcess::Running)
            return why(QStringLiteral("cupsd ended at start"));
        QString answer;
        if (!eseguiStrumento(QStringLiteral("lpstat"), {QStringLiteral("-r")},
                             QProcessEnvironment::systemEnvironment(), &answer))
            return QStringLiteral(
                       "lpstat does not run (%1): the package cups-client is missing? "
                       "tools/install-deps installs it")
                .arg(answer);
        if (answer.contains(QStringLiteral("scheduler is running")))
            return QString();
        QThread::msleep(20);
    }
    return why(QStringLiteral("cupsd does not answer after 10 s"));
}

void CupsScheduler::stop() {
    fermaProcesso(cupsd_);
}

QString CupsScheduler::why(const QString& what) {
    return what + QStringLiteral("\ncupsd: ") + QString::fromLocal8Bit(cupsd_.readAll()) +
           QStringLiteral("\nerror log:\n") + errorLog();
}

QString CupsScheduler::run(const QString& program, const QStringList& arguments) {
    // In the environment as it is now, with the scheduler's socket in it.
    QString output;
    if (eseguiStrumento(program, arguments, QProcessEnvironment::systemEnvironment(), &output))
        return QString();
    return program + ' ' + arguments.join(' ') + QStringLiteral(" failed: ") + output;
}

QString CupsScheduler::addDefaultQueue(const QString& name) {
    // With no model the queue is raw: the document a client sends is the one it keeps.
    QString failed = run(QStringLiteral("lpadmin"),
                         {"-p", name, "-E", "-v", QStringLiteral("file:///dev/null")});
    if (failed.isEmpty())
        failed = run(QStringLiteral("lpadmin"), {"-d", name});
    return failed;
}

QString CupsScheduler::removeQueue(const QString& name) {
    return run(QStringLiteral("lpadmin"), {"-x", name});
}

QString CupsScheduler::reject(const QString& name) {
    return run(QStringLiteral("cupsreject"), {name});
}

QString CupsScheduler::accept(const QString& name) {
    return run(QStringLiteral("cupsaccept"), {name});
}

QString CupsScheduler::disable(const QString& name) {
    return run(QStringLiteral("cupsdisable"), {name});
}

QString CupsScheduler::enable(const QString& name) {
    return run(QStringLiteral("cupsenable"), {name});
}

QList<CupsScheduler::Job> CupsScheduler::jobs() {
    cups_job_t* list = nullptr;
    const int count = cupsGetJobs2(CUPS_HTTP_DEFAULT, &list, nullptr, 0, CUPS_WHICHJOBS_ALL);
    QList<Job> result;
    for (int i = 0; i < count; ++i)
        result.append({list[i].id, QString::fromUtf8(list[i].title), list[i].state});
    cupsFreeJobs(count, list);
    std::sort(result.begin(), result.end(), [](const Job& a, const Job& b) { return a.id < b.id; });
    return result;
}

bool CupsScheduler::waitForJob(int id, ipp_jstate_t state, int milliseconds) {
    const QDeadlineTimer deadline(milliseconds);
    do {
        for (const Job& job : jobs())
            if (job.id == id && job.state == state)
                return true;
        QThread::msleep(20);
    } while (!deadline.hasExpired());
    return false;
}

QByteArray CupsScheduler::document(int id) const {
    QFile file(path(QStringLiteral("spool/d%1-001").arg(id, 5, 10, QLatin1Char('0'))));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString CupsScheduler::errorLog() const {
    QFile file(path(QStringLiteral("error_log")));
    return file.open(QIODevice::ReadOnly) ? QString::fromLocal8Bit(file.readAll()) : QString();
}
