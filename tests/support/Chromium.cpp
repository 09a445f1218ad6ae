#include "support/Chromium.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QRegularExpression>
#include <QTest>

#include "support/ProcessoFiglio.h"

Chromium::Chromium(int larghezza, int altezza) {
    if (!profilo_.isValid()) {
        errore_ = "no temporary folder: " + profilo_.errorString();
        return;
    }
    QDir(profilo_.path()).mkpath("download");
    terminaColTest(processo_);
    processo_.setProcessChannelMode(QProcess::MergedChannels);
    // No connection but to the pages it is sent to: no updates, no sync, no first-run pages.
    processo_.start(
        QStringLiteral("chromium"),
        {"--headless=new", "--no-sandbox", "--enable-unsafe-swiftshader", "--no-first-run",
         "--no-default-browser-check", "--disable-background-networking",
         "--disable-component-update", "--disable-sync", "--disable-default-apps", "--disable-quic",
         "--user-data-dir=" + profilo_.filePath("profilo"), "--remote-debugging-port=0",
         QStringLiteral("--window-size=%1,%2").arg(larghezza).arg(altezza), "about:blank"});
    if (!processo_.waitForStarted(10000)) {
        errore_ = "chromium did not start (tools/install-deps --web installs it): " +
                  processo_.errorString();
        return;
    }
    // Chromium writes where its protocol listens into the profile.
    QString indirizzo;
    (void)QTest::qWaitFor(
        [&] {
            QFile porta(profilo_.filePath("profilo/DevToolsActivePort"));
            if (!porta.open(QIODevice::ReadOnly))
                return false;
            const QList<QByteArray> righe = porta.readAll().split('\n');
            if (righe.size() < 2 || righe[1].isEmpty())
                return false;
            indirizzo =
                "ws://127.0.0.1:" + QString::fromLatin1(righe[0]) + QString::fromLatin1(righe[1]);
            return true;
        },
        30000);
    if (indirizzo.isEmpty()) {
        errore_ =
            "chromium's DevTools did not answer: " + QString::fromLocal8Bit(processo_.readAll());
        return;
    }
    QObject::connect(&presa_, &QWebSocket::textMessageReceived, &presa_,
                     [this](const QString& m) { ricevi(m); });
    presa_.open(QUrl(indirizzo));
    if (!QTest::qWaitFor([&] { return presa_.state() == QAbstractSocket::ConnectedState; },
                         10000)) {
        errore_ = "no connection to chromium's DevTools at " + indirizzo;
        return;
    }
    // The tab, attached to this connection.
    QString tab;
    for (const QJsonValue t : comando("Target.getTargets")["targetInfos"].toArray())
        if (t["type"].toString() == "page")
            tab = t["targetId"].toString();
    sessione_ =
        comando("Target.attachToTarget", {{"targetId", tab}, {"flatten", true}})["sessionId"]
            .toString();
    if (sessione_.isEmpty()) {
        errore_ = "no tab to drive in chromium";
        return;
    }
    comando("Page.enable");
    comando("Runtime.enable");
    comando("Network.enable");
    dispositivo(larghezza, altezza, false);
    comando("Browser.setDownloadBehavior",
            {{"behavior", "allow"}, {"downloadPath", download()}, {"eventsEnabled", true}});
}

Chromium::~Chromium() {
    // Closed as a user closes it, so that none of its processes still writes in the profile
    // when the folder goes; stopped by process id if it does not end.
    if (presa_.state() == QAbstractSocket::ConnectedState) {
        comando("Browser.close", {}, 5000);
        processo_.waitForFinished(10000);
    }
    presa_.close();
    fermaProcesso(processo_);
    // Chromium leaves some files of its profile read-only: writable again, the folder can go.
    for (QDirIterator it(profilo_.path(), QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                         QDirIterator::Subdirectories);
         it.hasNext();)
        QFile::setPermissions(it.next(), QFile::permissions(it.filePath()) | QFile::WriteOwner);
}

void Chromium::ricevi(const QString& messaggio) {
    const QJsonObject m = QJsonDocument::fromJson(messaggio.toUtf8()).object();
    if (m.contains("id"))
        risposte_.insert(m["id"].toInt(), m);
    else
        eventi_ << m;
}

QJsonObject Chromium::comando(const QString& metodo, const QJsonObject& parametri, int ms) {
    const int id = ++ultimo_;
    QJsonObject m{{"id", id}, {"method", metodo}, {"params", parametri}};
    // Browser-wide commands go to the browser; the others to the tab.
    if (!sessione_.isEmpty() && !metodo.startsWith("Browser.") && !metodo.startsWith("Target."))
        m["sessionId"] = sessione_;
    presa_.sendTextMessage(QString::fromUtf8(QJsonDocument(m).toJson(QJsonDocument::Compact)));
    if (!QTest::qWaitFor([&] { return risposte_.contains(id); }, ms))
        return {{"error", metodo + " had no answer"}};
    const QJsonObject risposta = risposte_.take(id);
    if (risposta.contains("error"))
        return {{"error", risposta["error"]}};
    return risposta["result"].toObject();
}

QJsonValue Chromium::valuta(const QString& espressione) {
    const QJsonObject valore =
        comando("Runtime.evaluate",
                {{"expression", espressione}, {"awaitPromise", true}, {"returnByValue", true}});
    return valore["result"].toObject()["value"];
}

bool Chromium::attendiEvento(const QString& metodo, qsizetype da, int ms) {
    return QTest::qWaitFor(
        [&] {
            for (qsizetype i = da; i < eventi_.size(); ++i)
                if (eventi_[i]["method"].toString() == metodo)
                    return true;
            return false;
        },
        ms);
}

bool Chromium::apri(const QString& indirizzo, int ms) {
    const qsizetype prima = eventi_.size();
    comando("Page.navigate", {{"url", indirizzo}});
    return attendiEvento("Page.loadEventFired", prima, ms);
}

QImage Chromium::schermata() {
    const QString png = comando("Page.captureScreenshot", {{"format", "png"}})["data"].toString();
    return QImage::fromData(QByteArray::fromBase64(png.toLatin1()), "PNG")
        .convertToFormat(QImage::Format_RGB32);
}

void Chromium::tasti(const QStringList& nomi) {
    struct Speciale {
        const char* nome;
        int codice;
        const char* testo;
    };
    static const Speciale speciali[] = {{"Enter", 13, "\r"}, {"Tab", 9, ""}, {"Escape", 27, ""}};
    for (const QString& nome : nomi) {
        QJsonObject tasto{{"key", nome}};
        if (nome.size() == 1) {
            const QChar c = nome.at(0);
            tasto["code"] = c.isDigit() ? "Digit" + nome : "Key" + nome.toUpper();
            tasto["windowsVirtualKeyCode"] = c.toUpper().unicode();
            tasto["text"] = nome;
        } else {
            for (const Speciale& s : speciali)
                if (nome == QLatin1String(s.nome)) {
                    tasto["code"] = nome;
                    tasto["windowsVirtualKeyCode"] = s.codice;
                    if (*s.testo)
                        tasto["text"] = QString::fromLatin1(s.testo);
                }
        }
        QJsonObject giu = tasto, su = tasto;
        giu["type"] = tasto.contains("text") ? "keyDown" : "rawKeyDown";
        su["type"] = "keyUp";
        su.remove("text");
        comando("Input.dispatchKeyEvent", giu);
        comando("Input.dispatchKeyEvent", su);
        QTest::qWait(40);
    }
}

void Chromium::tocca(QPoint punto) {
    const QJsonArray dito{QJsonObject{{"x", punto.x()}, {"y", punto.y()}}};
    comando("Input.dispatchTouchEvent", {{"type", "touchStart"}, {"touchPoints", dito}});
    comando("Input.dispatchTouchEvent", {{"type", "touchEnd"}, {"touchPoints", QJsonArray()}});
    QTest::qWait(60);
}

void Chromium::dispositivo(int larghezza, int altezza, bool tablet) {
    const bool verticale = altezza > larghezza;
    comando("Emulation.setTouchEmulationEnabled", {{"enabled", tablet}, {"maxTouchPoints", 5}});
    comando("Emulation.setDeviceMetricsOverride",
            {{"width", larghezza},
             {"height", altezza},
             {"screenWidth", larghezza},
             {"screenHeight", altezza},
             {"deviceScaleFactor", 1},
             {"mobile", tablet},
             {"screenOrientation",
              QJsonObject{{"type", verticale ? "portraitPrimary" : "landscapePrimary"},
                          {"angle", verticale ? 0 : 90}}}});
}

ServerWeb::ServerWeb(const QString& cartella) {
    terminaColTest(processo_);
    processo_.setProcessChannelMode(QProcess::MergedChannels);
    processo_.start(QStringLiteral(DRILL_SOURCE_DIR "/tools/web/serve"), {cartella});
    QString uscita;
    const QRegularExpression indirizzo(QStringLiteral(R"(http://127\.0\.0\.1:\d+/)"));
    (void)QTest::qWaitFor(
        [&] {
            uscita += QString::fromLocal8Bit(processo_.readAll());
            indirizzo_ = indirizzo.match(uscita).captured();
            return !indirizzo_.isEmpty();
        },
        15000);
    if (indirizzo_.isEmpty())
        errore_ = "tools/web/serve did not start: " + uscita + processo_.errorString();
}

ServerWeb::~ServerWeb() {
    fermaProcesso(processo_);
}
