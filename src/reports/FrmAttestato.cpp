#include "reports/FrmAttestato.h"

#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QPushButton>

#include "exercise/FrmOperativoMeno.h"
#include "platform/Platform.h"
#include "platform/Twips.h"
#include "platform/VbColor.h"
#include "reports/Attestato.h"
#include "reports/Decorazione.h"
#include "reports/PaginaOperazioni.h"
#include "shell/Controlli.h"
#include "shell/Finestre.h"
#include "shell/Modulo1.h"

namespace {

const QString kArial = QStringLiteral("Arial");
const QString kMsSansSerif = QStringLiteral("MS Sans Serif");

}  // namespace

QSize FrmAttestato::area() {
    return {twips(12000), twips(9000)};
}

FrmAttestato::FrmAttestato(Modulo1& stato, Platform& platform, Finestre& finestre, QWidget* parent)
    : QWidget(parent), stato_(stato), platform_(platform), finestre_(finestre) {
    setObjectName(QStringLiteral("FrmAttestato"));
    setWindowTitle(QStringLiteral("Form1"));
    impostaSfondo(this, vbColor(0x00C0C0FF));
    resize(area());

    Frame2_ = nuovoPannello(this, QStringLiteral("Frame2"), vbColor(0x00C0C0FF));
    posiziona(Frame2_, 1830, 465, 6090, 8460);

    // The sheet.
    auto* frame1 = new QFrame(Frame2_);
    frame1->setObjectName(QStringLiteral("Frame1"));
    frame1->setFrameStyle(QFrame::Box | QFrame::Sunken);
    frame1->setAccessibleName(QStringLiteral("Attestato"));
    impostaSfondo(frame1, vbColor(0x00FFFFC0));
    posiziona(frame1, 465, 150, 5205, 6840);

    auto* image1 = new Decorazione(frame1);
    posiziona(image1, 75, 345, 4890, 6390);

    const Qt::Alignment centrato = Qt::AlignHCenter | Qt::AlignTop;
    const QColor blu = vbColor(0x00FF0000);
    const QColor rosso = vbColor(0x000000FF);

    QLabel* label1 = nuovaEtichetta(frame1, QStringLiteral("Label1"), QStringLiteral("ATTESTATO"),
                                    carattere(kArial, 18, true), centrato);
    posiziona(label1, 1080, 1020, 2175, 390);
    impostaSfondo(label1, vbColor(0x80000005));
    impostaColoreTesto(label1, blu);

    QLabel* label2 =
        nuovaEtichetta(frame1, QStringLiteral("Label2"), QStringLiteral("rilasciato a"),
                       carattere(kArial, 9.75, true), centrato);
    posiziona(label2, 1290, 1425, 1695, 255);

    lblNome_ = nuovaEtichetta(frame1, QStringLiteral("lblNome"), QString(),
                              carattere(kArial, 20.25, true), centrato);
    posiziona(lblNome_, 600, 1695, 3450, 555);
    impostaColoreTesto(lblNome_, blu);
    lblNome_->setAccessibleDescription(QStringLiteral("Nome"));

    lblMotivo_ = nuovaEtichetta(frame1, QStringLiteral("lblMotivo"),
                                QStringLiteral("per aver  conseguito l'obiettivo "),
                                carattere(kArial, 9.75, true), centrato);
    posiziona(lblMotivo_, 1005, 2190, 3030, 360);

    lblObiettivo1_ = nuovaEtichetta(frame1, QStringLiteral("lblObiettivo1"), QStringLiteral("???"),
                                    carattere(kArial, 8.25, true));
    posiziona(lblObiettivo1_, 1245, 2580, 2535, 330);
    impostaColoreTesto(lblObiettivo1_, rosso);

    lblObiettivo3_ = nuovaEtichetta(frame1, QStringLiteral("lblObiettivo3"), QStringLiteral("???"),
                                    carattere(kMsSansSerif, 8.25, true));
    posiziona(lblObiettivo3_, 1260, 2910, 2910, 405);
    impostaColoreTesto(lblObiettivo3_, rosso);

    lblObiettivo2_ = nuovaEtichetta(frame1, QStringLiteral("lblObiettivo2"), QStringLiteral("???"),
                                    carattere(kMsSansSerif, 8.25, true));
    posiziona(lblObiettivo2_, 1230, 3360, 2535, 315);
    impostaColoreTesto(lblObiettivo2_, rosso);

    QLabel* label3 =
        nuovaEtichetta(frame1, QStringLiteral("Label3"), QStringLiteral("con la valutazione"),
                       carattere(kArial, 9.75, true), centrato);
    posiziona(label3, 1395, 3600, 2505, 195);

    lblRapporto_ = nuovaEtichetta(frame1, QStringLiteral("lblRapporto"), QStringLiteral("???"),
                                  carattere(kArial, 14.25, true), centrato);
    posiziona(lblRapporto_, 1110, 3945, 3315, 375);
    impostaColoreTesto(lblRapporto_, blu);

    lblPerche_ = nuovaEtichetta(frame1, QStringLiteral("lblPerche"), QStringLiteral("???"),
                                carattere(kArial, 8.25, true), centrato);
    posiziona(lblPerche_, 1395, 4500, 2385, 375);

    lblData_ = nuovaEtichetta(frame1, QStringLiteral("lblData"), QStringLiteral("Data"),
                              carattere(kArial, 8.25, true));
    posiziona(lblData_, 1680, 5100, 2475, 255);

    const QFont carattereComandi = carattere(kArial, 8.25, true);
    const QColor sfondoComandi = vbColor(0x00FFC0FF);
    Command2_ =
        nuovoPulsante(Frame2_, QStringLiteral("Command2"), QStringLiteral("STAMPA  L'ATTESTATO "),
                      carattereComandi, sfondoComandi);
    posiziona(Command2_, 465, 7050, 5205, 450);
    connect(Command2_, &QPushButton::clicked, this, &FrmAttestato::Command2_Click);

    Command1_ = nuovoPulsante(Frame2_, QStringLiteral("Command1"), QStringLiteral("FINE SESSIONE"),
                              carattereComandi, sfondoComandi);
    posiziona(Command1_, 450, 7590, 2550, 450);
    connect(Command1_, &QPushButton::clicked, this, &FrmAttestato::Command1_Click);

    CmdFine_ = nuovoPulsante(Frame2_, QStringLiteral("CmdFine"), QStringLiteral("ESCI"),
                             carattereComandi, sfondoComandi);
    posiziona(CmdFine_, 3045, 7605, 2580, 450);
    connect(CmdFine_, &QPushButton::clicked, this, &FrmAttestato::cmdFine_Click);

    setTabOrder(Command2_, Command1_);
    setTabOrder(Command1_, CmdFine_);
}

void FrmAttestato::Form_Activate() {
    // The sheet and its buttons stay in the middle of the window, whatever its width.
    Frame2_->move((width() - Frame2_->width()) / 2, Frame2_->y());

    // While the exercise window is open its mode line is the one to certify; once it is
    // closed, the copy the session keeps of it.
    const FrmOperativoMeno* operativo = finestre_.operativoSeCaricato();
    const QString rigaModalita = operativo ? operativo->rigaModalita() : stato_.rigaModalita;
    const Attestato attestato = compilaAttestato(stato_, rigaModalita, platform_.clock);

    lblData_->setText(attestato.rigaData);
    lblNome_->setText(attestato.nome);
    lblMotivo_->setText(attestato.rigaMotivo);
    lblObiettivo1_->setText(attestato.rigaObiettivo1);
    lblObiettivo3_->setText(attestato.rigaModalita);
    lblObiettivo2_->setText(attestato.rigaNumeri);
    lblRapporto_->setText(attestato.giudizio);
    // A certificate once found not printable stays so while the window is open.
    if (!attestato.stampabile) {
        Command2_->setText(QStringLiteral("ATTESTATO NON STAMPABILE"));
        Command2_->setEnabled(false);
    }
    lblPerche_->setText(attestato.rigaPerche);
}

void FrmAttestato::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        Form_Activate();
}

void FrmAttestato::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // Filled before the first paint, also where showing does not activate the window.
    Form_Activate();
}

void FrmAttestato::Command2_Click() {
    // The page shows the sheet, not the buttons.
    QWidget* fuoco = focusWidget();
    Command2_->hide();
    Command1_->hide();
    CmdFine_->hide();

    platform_.printer.setDocName(QStringLiteral("ATTESTATO"));
    platform_.printer.printForm(*this);
    const Printer::Result esito = platform_.printer.endDoc();

    Command2_->show();
    Command1_->show();
    CmdFine_->show();
    if (fuoco && fuoco->isVisible() && fuoco->isEnabled())
        fuoco->setFocus(Qt::OtherFocusReason);

    mostraEsitoStampa(esito, platform_.dialogs);
}

void FrmAttestato::Command1_Click() {
    finestre_.terminaProgramma();
}

void FrmAttestato::cmdFine_Click() {
    close();
}
