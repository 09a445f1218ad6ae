#pragma once

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// A private PulseAudio server: a daemon in a temporary folder with its own home, runtime,
// configuration and state folders, an anonymous Unix socket and one null sink (`sink()`,
// 44100 Hz stereo), the only and so the default one. While this object lives, PULSE_SERVER and
// PULSE_COOKIE point this process and every program it starts at the server; libpulse reads
// them when a client first connects, so create it before anything opens the audio system.
// The daemon is stopped by its process id: TERM, then KILL.
class PulseAudioPrivato {
  public:
    PulseAudioPrivato();
    ~PulseAudioPrivato();
    PulseAudioPrivato(const PulseAudioPrivato&) = delete;
    PulseAudioPrivato& operator=(const PulseAudioPrivato&) = delete;

    // Whether the server answers; if not, errore() says why.
    bool avviato() const { return errore_.isEmpty(); }
    QString errore() const { return errore_; }

    static QString sink() { return QStringLiteral("nulla"); }
    static QString monitor() { return sink() + QStringLiteral(".monitor"); }

    // Runs `pactl` with `argomenti` against this server. Returns whether it exited 0; its
    // output goes to `uscita` when given.
    bool pactl(const QStringList& argomenti, QString* uscita = nullptr) const;

  private:
    bool prepara();
    bool attendiRisposta();
    QString registro() const;
    void ferma();

    QTemporaryDir cartella_;
    QProcess server_;
    QString errore_;
    QByteArray serverPrima_, cookiePrima_;
};
