#include "support/PulseAudioPrivato.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QProcessEnvironment>
#include <QRandomGenerator>
#include <QThread>

#include "support/ProcessoFiglio.h"

namespace {

void ripristina(const char* nome, const QByteArray& valore) {
    if (valore.isNull())
        qunsetenv(nome);
    else
        qputenv(nome, valore);
}

}  // namespace

PulseAudioPrivato::PulseAudioPrivato()
    : serverPrima_(qgetenv("PULSE_SERVER")), cookiePrima_(qgetenv("PULSE_COOKIE")) {
    if (!prepara())
        return;

    QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
    const QDir dir(cartella_.path());
    ambiente.insert("HOME", dir.filePath("home"));
    ambiente.insert("XDG_RUNTIME_DIR", dir.filePath("runtime"));
    ambiente.insert("XDG_CONFIG_HOME", dir.filePath("config"));
    ambiente.insert("XDG_STATE_HOME", dir.filePath("state"));
    // No session bus and no display: the daemon finds neither and asks neither.
    ambiente.remove("DBUS_SESSION_BUS_ADDRESS");
    ambiente.remove("DISPLAY");
    ambiente.remove("PULSE_SERVER");
    server_.setProcessEnvironment(ambiente);
    server_.setProcessChannelMode(QProcess::MergedChannels);
    server_.setStandardOutputFile(dir.filePath("pulseaudio.log"));
    terminaColTest(server_);
    server_.start("pulseaudio",
                  {"--daemonize=no", "--system=false", "-n", "--use-pid-file=no",
                   "--exit-idle-time=-1", "--realtime=no", "--high-priority=no", "-L",
                   "module-native-protocol-unix auth-anonymous=1 socket=" + dir.filePath("native"),
                   "-L", "module-null-sink sink_name=" + sink() + " rate=44100 channels=2"});
    if (!server_.waitForStarted(10000)) {
        errore_ = "pulseaudio did not start (" + server_.errorString() +
                  "); tools/install-deps installs it";
        return;
    }

    qputenv("PULSE_SERVER", "unix:" + QFile::encodeName(dir.filePath("native")));
    qputenv("PULSE_COOKIE", QFile::encodeName(dir.filePath("cookie")));
    attendiRisposta();
}

PulseAudioPrivato::~PulseAudioPrivato() {
    ferma();
    ripristina("PULSE_SERVER", serverPrima_);
    ripristina("PULSE_COOKIE", cookiePrima_);
}

// The folders of the daemon, its runtime folder for its owner only, and the cookie the
// clients send (any 256 bytes: the socket accepts anonymous clients).
bool PulseAudioPrivato::prepara() {
    if (!cartella_.isValid()) {
        errore_ = "no temporary folder: " + cartella_.errorString();
        return false;
    }
    QDir dir(cartella_.path());
    for (const char* nome : {"home", "runtime", "config", "state"}) {
        if (!dir.mkpath(nome)) {
            errore_ = "cannot create " + dir.filePath(nome);
            return false;
        }
    }
    QFile::setPermissions(dir.filePath("runtime"),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QFile cookie(dir.filePath("cookie"));
    QByteArray byte(256, '\0');
    QRandomGenerator::global()->fillRange(reinterpret_cast<quint32*>(byte.data()), byte.size() / 4);
    if (!cookie.open(QIODevice::WriteOnly) || cookie.write(byte) != byte.size()) {
        errore_ = "cannot write the cookie " + cookie.fileName();
        return false;
    }
    return true;
}

// The daemon is up once `pactl info` answers; if it exits first, its log says why.
bool PulseAudioPrivato::attendiRisposta() {
    const QDeadlineTimer scadenza(15000);
    while (!scadenza.hasExpired()) {
        if (server_.state() != QProcess::Running) {
            errore_ = "pulseaudio exited at start:\n" + registro();
            return false;
        }
        if (pactl({"info"}))
            return true;
        QThread::msleep(50);
    }
    errore_ = "pulseaudio did not answer pactl info within 15 s:\n" + registro();
    return false;
}

bool PulseAudioPrivato::pactl(const QStringList& argomenti, QString* uscita) const {
    return eseguiStrumento("pactl", argomenti, QProcessEnvironment::systemEnvironment(), uscita);
}

QString PulseAudioPrivato::registro() const {
    QFile file(QDir(cartella_.path()).filePath("pulseaudio.log"));
    if (!file.open(QIODevice::ReadOnly))
        return "(no log)";
    return QString::fromLocal8Bit(file.readAll().right(4000));
}

void PulseAudioPrivato::ferma() {
    fermaProcesso(server_);
}
