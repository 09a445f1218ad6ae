#include "shell/frmSfondo.h"

#include <QMouseEvent>
#include <QScreen>

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
    // The start window comes first, the background after it and beneath it, without taking the
    // focus: painted first, a screenful of background would keep the pupil waiting that much
    // longer for the start window.
    FrmInizio& inizio = finestre_.inizio();
    Finestre::mostra(inizio);
    // It fills the screen, so that it lies behind every other window of the program. The
    // geometry is set as well, for desktops with no window manager to maximise it.
    if (const QScreen* schermo = screen())
        setGeometry(schermo->availableGeometry());
    setAttribute(Qt::WA_ShowWithoutActivating);
    showMaximized();
    lower();
    // Where the platform activates every window it shows all the same, the start window takes the
    // focus back.
    inizio.activateWindow();
}

void frmSfondo::Form_Click() {
    Finestre::mostra(finestre_.inizio());
}

void frmSfondo::Form_DblClick() {
    Finestre::mostra(finestre_.inizio());
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
