#include "shell/Finestre.h"

#include <QApplication>
#include <QScreen>
#include <QTimer>
#include <QWindow>
#include <type_traits>

#include "exercise/FrmOperativoMeno.h"
#include "platform/Platform.h"
#include "platform/ScreenFit.h"
#include "reports/FrmAttestato.h"
#include "reports/FrmStampa.h"
#include "shell/Posizione.h"
#include "shell/frmSfondo.h"
#include "start/FrmInizio.h"
#include "start/frmValutazione.h"

namespace {

// Marks a window that has been placed once: later showings leave it where the pupil moved it.
constexpr char kPosizionata[] = "posizionata";

// The frame the window manager puts round a window, as it has put it round the program's
// windows already on screen (a window not yet shown has none to ask): a window that is not
// maximised tells it best, as a maximised one may have lost its side borders. None known, none
// assumed.
QMargins corniceDelleAltre() {
    QMargins daMassimizzata;
    for (QWidget* finestra : QApplication::topLevelWidgets()) {
        const QWindow* nativa = finestra->windowHandle();
        if (!finestra->isVisible() || !nativa || nativa->frameMargins().isNull())
            continue;
        if (!finestra->isMaximized() && !finestra->isFullScreen())
            return nativa->frameMargins();
        daMassimizzata = nativa->frameMargins();
    }
    return daMassimizzata;
}

void posizionaLaPrimaVolta(QWidget& finestra) {
    if (finestra.isVisible() || finestra.property(kPosizionata).toBool())
        return;
    finestra.setProperty(kPosizionata, true);
    if (!finestra.testAttribute(Qt::WA_Resized))
        finestra.adjustSize();  // what showing it would do: the size its layout asks for
    const QScreen* schermo = finestra.screen();
    if (!schermo)
        return;  // a system without a screen: the window opens where the system puts it
    finestra.move(
        posizioneIniziale(schermo->availableGeometry(), finestra.size(), corniceDelleAltre()));
}

// The frame round a window, title bar and borders together, as the desktops the program runs
// on draw it at their own scale: Windows 10 and 11 (a title bar of about 31 logical pixels and
// borders), openbox, Wine's desktop, and the title bars Qt draws in a page stay within it.
constexpr QSize kCornice(16, 40);

}  // namespace

// Keeps the pupil's keys in a window: the program's windows in the order they were last active,
// and, when one of them goes leaving no window active (a browser page then activates none, a busy
// desktop may do it late), the last active of those still open is activated again.
class Finestre::Custode final : public QObject {
  public:
    bool eventFilter(QObject* oggetto, QEvent* evento) override {
        auto* finestra = static_cast<QWidget*>(oggetto);
        if (evento->type() == QEvent::WindowActivate) {
            attive_.removeAll(finestra);
            attive_.append(finestra);
        } else if (evento->type() == QEvent::Hide) {
            QTimer::singleShot(0, this, [this] { riattiva(); });
        }
        return false;
    }

  private:
    void riattiva() {
        const QWidget* attiva = QApplication::activeWindow();
        if ((attiva && attiva->isVisible()) || QApplication::activeModalWidget())
            return;
        for (auto it = attive_.crbegin(); it != attive_.crend(); ++it)
            if (*it && (*it)->isVisible()) {
                (*it)->activateWindow();
                return;
            }
    }

    QList<QPointer<QWidget>> attive_;
};

Finestre::Finestre(Modulo1& stato, Platform& platform)
    : stato_(stato), platform_(platform), custode_(std::make_unique<Custode>()) {
    if (const QScreen* schermo = QGuiApplication::primaryScreen())
        QObject::connect(schermo, &QScreen::availableGeometryChanged, custode_.get(),
                         [this](const QRect& disponibile) { rientra(disponibile); });
}

void Finestre::adattaAlloSchermo() {
    fitToScreen(FrmAttestato::area(), kCornice);
}

void Finestre::rientra(const QRect& disponibile) {
    QWidget* const aperte[] = {inizio_, valutazione_, operativo_, stampa_, attestato_};
    for (QWidget* finestra : aperte) {
        if (!finestra || !finestra->isVisible() || finestra->isMaximized())
            continue;
        const QRect cornice = finestra->frameGeometry();
        const QPoint posto = posizioneDentro(disponibile, cornice);
        if (posto != cornice.topLeft())
            finestra->move(posto);
    }
}

Finestre::~Finestre() {
    // Windows still open when the registry goes (the end of a run or of a test).
    delete attestato_;
    delete stampa_;
    delete operativo_;
    delete valutazione_;
    delete inizio_;
    delete sfondo_;
}

template <class W>
W& Finestre::accedi(QPointer<W>& slot) {
    if (!slot) {
        auto* finestra = new W(stato_, platform_, *this);
        finestra->setAttribute(Qt::WA_DeleteOnClose);
        finestra->setObjectName(QString::fromLatin1(W::staticMetaObject.className()));
        slot = finestra;
        // The keys go back to the program's windows, never to the background.
        if constexpr (!std::is_same_v<W, frmSfondo>)
            finestra->installEventFilter(custode_.get());
        if constexpr (requires { finestra->Form_Load(); })
            finestra->Form_Load();
    }
    return *slot;
}

frmSfondo& Finestre::sfondo() {
    return accedi(sfondo_);
}
FrmInizio& Finestre::inizio() {
    return accedi(inizio_);
}
frmValutazione& Finestre::valutazione() {
    return accedi(valutazione_);
}
FrmOperativoMeno& Finestre::operativo() {
    return accedi(operativo_);
}
FrmStampa& Finestre::stampa() {
    return accedi(stampa_);
}
FrmAttestato& Finestre::attestato() {
    return accedi(attestato_);
}

frmSfondo* Finestre::sfondoSeCaricato() const {
    return sfondo_;
}
FrmInizio* Finestre::inizioSeCaricato() const {
    return inizio_;
}
frmValutazione* Finestre::valutazioneSeCaricato() const {
    return valutazione_;
}
FrmOperativoMeno* Finestre::operativoSeCaricato() const {
    return operativo_;
}
FrmStampa* Finestre::stampaSeCaricato() const {
    return stampa_;
}
FrmAttestato* Finestre::attestatoSeCaricato() const {
    return attestato_;
}

void Finestre::mostra(QWidget& finestra) {
    posizionaLaPrimaVolta(finestra);
    finestra.setWindowState(finestra.windowState() & ~Qt::WindowMinimized);
    // Shown in the state it has, at its own size: show() would take the platform's default
    // state for a new window, which in a browser is full screen.
    finestra.setVisible(true);
    finestra.raise();
    finestra.activateWindow();
}

void Finestre::terminaProgramma() {
    // Hidden at once, destroyed when control is back in the event loop: the handler that asks
    // for the end may belong to one of these windows.
    QWidget* finestre[] = {attestato_, stampa_, operativo_, valutazione_, inizio_, sfondo_};
    for (QWidget* finestra : finestre) {
        if (finestra) {
            finestra->hide();
            finestra->deleteLater();
        }
    }
    platform_.ending.endProgram();
}
