#include "shell/frmSfondo.h"

#include <QMouseEvent>
#include <QScreen>
#include <QTimer>
#include <QWindow>

#include "platform/Twips.h"
#include "platform/VbColor.h"
#include "shell/Controlli.h"
#include "shell/Finestre.h"
#include "start/FrmInizio.h"

frmSfondo::frmSfondo(Modulo1&, Platform&, Finestre& finestre, QWidget* parent)
    : QWidget(parent), finestre_(finestre) {
    // It stays beneath the other windows of the program: a click on it raises the start
    // window without hiding the exercise window behind a full-screen background.
    setWindowFlag(Qt::WindowStaysOnBottomHint);
    setWindowTitle(QStringLiteral("Form1"));
    impostaSfondo(this, vbColor(0x00C0FFC0));
    resize(twips(10695), twips(9510));
}

void frmSfondo::Form_Load() {
    // It fills the screen, so that it lies behind every other window of the program. The
    // geometry is set as well, for desktops with no window manager to maximise it.
    if (const QScreen* schermo = screen())
        setGeometry(schermo->availableGeometry());
    setAttribute(Qt::WA_ShowWithoutActivating);
    // Shown first, so that the start window, shown next, comes in front of it and active by the
    // rule every desktop follows for a window shown after another; but painted after the start
    // window: a screenful of background painted first would keep the pupil waiting that much
    // longer for it.
    setUpdatesEnabled(false);
    showMaximized();
    FrmInizio& inizio = finestre_.inizio();
    inizio.winId();  // its native window now, to hear of its first exposure
    inizio.windowHandle()->installEventFilter(this);
    Finestre::mostra(inizio);
}

bool frmSfondo::eventFilter(QObject* finestra, QEvent* evento) {
    // The start window's first exposure, in which it is painted: the background's turn comes next.
    if (evento->type() == QEvent::Expose) {
        finestra->removeEventFilter(this);
        QTimer::singleShot(0, this, [this] { setUpdatesEnabled(true); });
    }
    return false;
}

void frmSfondo::Form_Click() {
    Finestre::mostra(finestre_.inizio());
}

void frmSfondo::Form_DblClick() {
    Finestre::mostra(finestre_.inizio());
}

void frmSfondo::changeEvent(QEvent* evento) {
    // Activated (pressed, tapped, its title bar touched): back beneath the others. Where the
    // system raises whatever window is activated and keeps none on the bottom (a browser page
    // does so), it would otherwise cover the exercise window and every other one.
    if (evento->type() == QEvent::ActivationChange && isActiveWindow())
        lower();
    QWidget::changeEvent(evento);
}

void frmSfondo::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        Form_Click();
    QWidget::mousePressEvent(event);
}

void frmSfondo::mouseDoubleClickEvent(QMouseEvent* event) {
    // Qt delivers press, release, double click, release: the press already ran Form_Click.
    if (event->button() == Qt::LeftButton)
        Form_DblClick();
    QWidget::mouseDoubleClickEvent(event);
}
