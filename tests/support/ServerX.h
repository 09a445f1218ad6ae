#pragma once

#include <QProcess>
#include <QProcessEnvironment>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// A private X server with a window manager: Xvfb on a display number of its own choosing, with
// one screen of the given size, and openbox on it, both started in a temporary folder (their
// home and configuration folders, their logs) and stopped by process id: TERM, then KILL. The
// window manager frames, places and focuses windows as on a desktop; without one, windows
// would sit at (0, 0) without title bars.
class ServerX {
  public:
    explicit ServerX(QSize schermo);
    ~ServerX();
    ServerX(const ServerX&) = delete;
    ServerX& operator=(const ServerX&) = delete;

    // Whether the server and its window manager are up; if not, errore() says why.
    bool avviato() const { return errore_.isEmpty(); }
    QString errore() const { return errore_; }
    // ":N", for DISPLAY.
    QString display() const { return display_; }

    // Runs an X client (xwininfo, xprop, xdotool) on this server; returns whether it exited 0,
    // with its output in `uscita` when given.
    bool esegui(const QString& programma, const QStringList& argomenti,
                QString* uscita = nullptr) const;

    // The client window `id` (its inside, without the frame), in root coordinates; empty while it
    // is not shown.
    QRect area(unsigned long id) const;
    // The frame the window manager has put round the client window `id` (the window with its
    // title bar and borders), in root coordinates; empty while it is not mapped and framed.
    QRect cornice(unsigned long id) const;

  private:
    bool avviaServer(QSize schermo);
    bool avviaGestore();
    QString registro(const QString& nome) const;

    QTemporaryDir cartella_;
    QProcessEnvironment ambiente_;
    QProcess xvfb_;
    QProcess gestore_;
    QString display_;
    QString errore_;
};
