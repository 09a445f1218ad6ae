#pragma once

#include <QPointer>
#include <QWidget>
#include <memory>

struct Modulo1;
struct Platform;
class frmSfondo;
class FrmInizio;
class frmValutazione;
class FrmOperativoMeno;
class FrmStampa;
class FrmAttestato;

// The window registry: each window exists at most once. The first access creates the window
// and runs its load step; later accesses return the same window. A window that unloads itself
// is destroyed (it closes with Qt::WA_DeleteOnClose) and forgotten, so the next access builds
// it afresh.
class Finestre {
  public:
    Finestre(Modulo1& stato, Platform& platform);
    ~Finestre();
    Finestre(const Finestre&) = delete;
    Finestre& operator=(const Finestre&) = delete;

    frmSfondo& sfondo();
    FrmInizio& inizio();
    frmValutazione& valutazione();
    FrmOperativoMeno& operativo();
    FrmStampa& stampa();
    FrmAttestato& attestato();

    // The window if it is loaded, without creating it.
    frmSfondo* sfondoSeCaricato() const;
    FrmInizio* inizioSeCaricato() const;
    frmValutazione* valutazioneSeCaricato() const;
    FrmOperativoMeno* operativoSeCaricato() const;
    FrmStampa* stampaSeCaricato() const;
    FrmAttestato* attestatoSeCaricato() const;

    // Scales the whole program down where the screen is too small for its largest window, the
    // certificate, with the frame a desktop puts round it: every window then fits the screen
    // whole. Call it once, after the QApplication and before any window.
    static void adattaAlloSchermo();

    // Shows a window, not modal, and brings it to the front. The first time, the window opens
    // centred on the screen's free area; later it stays where the pupil moved it.
    static void mostra(QWidget& finestra);

    // Ends the program at once: every window disappears without its closing handlers, and
    // the event loop is told to stop.
    void terminaProgramma();

  private:
    template <class W>
    W& accedi(QPointer<W>& slot);
    // Brings the open windows back inside the screen's free area when it changes.
    void rientra(const QRect& disponibile);

    Modulo1& stato_;
    Platform& platform_;
    QPointer<frmSfondo> sfondo_;
    QPointer<FrmInizio> inizio_;
    QPointer<frmValutazione> valutazione_;
    QPointer<FrmOperativoMeno> operativo_;
    QPointer<FrmStampa> stampa_;
    QPointer<FrmAttestato> attestato_;
    // Watches the windows and the screen for the registry (Finestre.cpp), and goes with it.
    class Custode;
    std::unique_ptr<Custode> custode_;
};
