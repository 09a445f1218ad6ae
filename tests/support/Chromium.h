#pragma once

#include <QImage>
#include <QJsonObject>
#include <QList>
#include <QPoint>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>
#include <QWebSocket>

// A private headless chromium, as a school's browser shows a page, driven through its DevTools
// protocol: a profile of its own in a temporary folder (no cookie, cache or download of it
// outlives the object), downloads into a folder of its own, WebGL on SwiftShader, nothing asked
// of the network but the pages it is sent to. Stopped by process id when the object goes, and
// with the test's thread if the test dies first. One tab, reached over a WebSocket.
class Chromium {
  public:
    // A window (viewport) of `larghezza` x `altezza` CSS pixels.
    Chromium(int larghezza, int altezza);
    ~Chromium();
    Chromium(const Chromium&) = delete;
    Chromium& operator=(const Chromium&) = delete;

    // Whether chromium runs and its tab answers; if not, errore() says why.
    bool pronto() const { return errore_.isEmpty(); }
    QString errore() const { return errore_; }

    // Sends a command of the protocol to the tab and waits for its answer (at most `ms`): its
    // "result", or an object with "error" when it failed or timed out.
    QJsonObject comando(const QString& metodo, const QJsonObject& parametri = {}, int ms = 30000);
    // The events the tab has sent so far, in order (each {"method", "params"}).
    const QList<QJsonObject>& eventi() const { return eventi_; }
    // Waits until the tab has sent an event `metodo` after its first `da` events (at most `ms`).
    bool attendiEvento(const QString& metodo, qsizetype da, int ms);
    // The value of a JavaScript expression in the page (awaited, when it is a promise).
    QJsonValue valuta(const QString& espressione);

    // Loads `indirizzo` and waits until the page's load event (at most `ms`).
    bool apri(const QString& indirizzo, int ms = 60000);
    // The page as it is shown now.
    QImage schermata();
    // Keys pressed and released one after the other, by their DOM names: "a", "7", "Enter",
    // "Tab", "Escape"...
    void tasti(const QStringList& nomi);
    // A tap of a finger at `punto` (the page's pixels as shown), as a touch screen gives it.
    void tocca(QPoint punto);
    // The page shown as on a device of `larghezza` x `altezza` pixels: a tablet (touch, the
    // page's viewport read as a mobile browser reads it, upright or on its side as its sides
    // say), or else a desktop browser's window.
    void dispositivo(int larghezza, int altezza, bool tablet);
    // The folder downloads go into.
    QString download() const { return profilo_.filePath("download"); }

  private:
    void ricevi(const QString& messaggio);

    QTemporaryDir profilo_;
    QProcess processo_;
    QWebSocket presa_;
    QString sessione_;
    int ultimo_ = 0;
    QHash<int, QJsonObject> risposte_;
    QList<QJsonObject> eventi_;
    QString errore_;
};

// A static web server for one folder on 127.0.0.1, as ./run --web serves the page (tools/web/serve:
// python3's http.server on port 8080 or the next free one); stopped when the object goes.
class ServerWeb {
  public:
    explicit ServerWeb(const QString& cartella);
    ~ServerWeb();
    ServerWeb(const ServerWeb&) = delete;
    ServerWeb& operator=(const ServerWeb&) = delete;

    bool pronto() const { return !indirizzo_.isEmpty(); }
    QString errore() const { return errore_; }
    // "http://127.0.0.1:PORT/".
    QString indirizzo() const { return indirizzo_; }

  private:
    QProcess processo_;
    QString indirizzo_;
    QString errore_;
};
