#include "support/ServerX.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QThread>

#include "support/ProcessoFiglio.h"

ServerX::ServerX(QSize schermo) {
    if (!cartella_.isValid()) {
        errore_ = "no temporary folder: " + cartella_.errorString();
        return;
    }
    const QDir dir(cartella_.path());
    dir.mkpath("home");
    dir.mkpath("config");
    ambiente_ = QProcessEnvironment::systemEnvironment();
    ambiente_.insert("HOME", dir.filePath("home"));
    ambiente_.insert("XDG_CONFIG_HOME", dir.filePath("config"));
    ambiente_.remove("DBUS_SESSION_BUS_ADDRESS");
    if (avviaServer(schermo))
        avviaGestore();
}

ServerX::~ServerX() {
    fermaProcesso(gestore_);
    fermaProcesso(xvfb_);
}

// Xvfb picks a free display number and writes it on its standard output once it accepts
// clients (-displayfd).
bool ServerX::avviaServer(QSize schermo) {
    xvfb_.setProcessEnvironment(ambiente_);
    xvfb_.setStandardErrorFile(QDir(cartella_.path()).filePath("xvfb.log"));
    terminaColTest(xvfb_);
    xvfb_.start("Xvfb", {"-displayfd", "1", "-screen", "0",
                         QStringLiteral("%1x%2x24").arg(schermo.width()).arg(schermo.height()),
                         "-nolisten", "tcp", "-noreset"});
    if (!xvfb_.waitForStarted(10000)) {
        errore_ =
            "Xvfb did not start (" + xvfb_.errorString() + "); tools/install-deps installs it";
        return false;
    }
    const QDeadlineTimer scadenza(15000);
    QByteArray numero;
    while (!numero.contains('\n') && !scadenza.hasExpired()) {
        if (xvfb_.waitForReadyRead(100))
            numero += xvfb_.readAllStandardOutput();
        else if (xvfb_.state() != QProcess::Running)
            break;
    }
    if (!numero.contains('\n')) {
        errore_ = "Xvfb gave no display number:\n" + registro("xvfb.log");
        return false;
    }
    display_ = ':' + QString::fromLatin1(numero.trimmed());
    ambiente_.insert("DISPLAY", display_);
    return true;
}

// The window manager is up once it has announced itself on the root window.
bool ServerX::avviaGestore() {
    gestore_.setProcessEnvironment(ambiente_);
    gestore_.setProcessChannelMode(QProcess::MergedChannels);
    gestore_.setStandardOutputFile(QDir(cartella_.path()).filePath("openbox.log"));
    terminaColTest(gestore_);
    gestore_.start("openbox", {"--sm-disable"});
    if (!gestore_.waitForStarted(10000)) {
        errore_ = "openbox did not start (" + gestore_.errorString() +
                  "); tools/install-deps installs it";
        return false;
    }
    const QDeadlineTimer scadenza(15000);
    while (!scadenza.hasExpired()) {
        if (gestore_.state() != QProcess::Running) {
            errore_ = "openbox exited at start:\n" + registro("openbox.log");
            return false;
        }
        QString uscita;
        if (esegui("xprop", {"-root", "_NET_SUPPORTING_WM_CHECK", "_NET_SUPPORTED"}, &uscita) &&
            uscita.contains("window id") && uscita.contains("_NET_FRAME_EXTENTS"))
            return true;
        QThread::msleep(50);
    }
    errore_ = "openbox did not take over the screen within 15 s:\n" + registro("openbox.log");
    return false;
}

bool ServerX::esegui(const QString& programma, const QStringList& argomenti,
                     QString* uscita) const {
    return eseguiStrumento(programma, argomenti, ambiente_, uscita);
}

QRect ServerX::area(unsigned long id) const {
    QString info;
    if (!esegui("xwininfo", {"-id", QString::number(id)}, &info) || !info.contains("IsViewable"))
        return {};
    const auto valore = [&](const char* campo) {
        const QRegularExpression re(QString::fromLatin1(campo) + R"(:\s+(-?\d+))");
        return re.match(info).captured(1).toInt();
    };
    return QRect(valore("Absolute upper-left X"), valore("Absolute upper-left Y"), valore("Width"),
                 valore("Height"));
}

QRect ServerX::cornice(unsigned long id) const {
    // The window manager announces the widths of the frame's sides (left, right, top, bottom)
    // once it has framed the window.
    QString estensioni;
    if (!esegui("xprop", {"-id", QString::number(id), "_NET_FRAME_EXTENTS"}, &estensioni))
        return {};
    const QRegularExpression quattro(R"(=\s*(\d+),\s*(\d+),\s*(\d+),\s*(\d+))");
    const QRegularExpressionMatch lati = quattro.match(estensioni);
    const QRect cliente = lati.hasMatch() ? area(id) : QRect();
    if (cliente.isEmpty())
        return {};
    return cliente.adjusted(-lati.captured(1).toInt(), -lati.captured(3).toInt(),
                            lati.captured(2).toInt(), lati.captured(4).toInt());
}

QString ServerX::registro(const QString& nome) const {
    QFile file(QDir(cartella_.path()).filePath(nome));
    if (!file.open(QIODevice::ReadOnly))
        return "(no log)";
    return QString::fromLocal8Bit(file.readAll().right(4000));
}
