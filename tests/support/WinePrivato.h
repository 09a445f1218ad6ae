#pragma once

#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// A Wine prefix of the test's own in a temporary folder, made by tools/windows/wine-prefix (with
// Arial and Courier New mapped to their Liberation faces, as a Windows PC has them), and the
// Windows programs run in it on the X display given. When the object goes, the prefix's
// wineserver is killed, and every Windows program still running in the prefix with it.
class WinePrivato {
  public:
    explicit WinePrivato(const QString& display);
    ~WinePrivato();
    WinePrivato(const WinePrivato&) = delete;
    WinePrivato& operator=(const WinePrivato&) = delete;

    // Whether the prefix is ready; if not, errore() says why.
    bool pronto() const { return errore_.isEmpty(); }
    QString errore() const { return errore_; }

    // Starts the Windows program `programma` (a path on this machine) in `processo`, with the
    // process's own environment (CUPS_SERVER included) and the prefix's.
    void avvia(QProcess& processo, const QString& programma,
               const QStringList& argomenti = {}) const;
    // Runs a Windows program to its end (at most `ms` milliseconds): whether it exited 0, with
    // its output in `uscita` when given.
    bool esegui(const QString& programma, const QStringList& argomenti, QString* uscita = nullptr,
                int ms = 120000) const;
    // Waits until no Windows program runs in the prefix any more (wineserver -w).
    bool attendiTutti(int ms = 60000) const;
    // The folder on this machine that is the prefix's drive C:.
    QString discoC() const;

  private:
    QProcessEnvironment ambiente() const;

    QTemporaryDir cartella_;
    QString display_;
    QString errore_;
};
