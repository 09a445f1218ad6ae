#include "reports/FrmStampa.h"

#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <algorithm>

#include "platform/Platform.h"
#include "platform/Twips.h"
#include "platform/VbColor.h"
#include "reports/FrmAttestato.h"
#include "reports/PaginaOperazioni.h"
#include "shell/Controlli.h"
#include "shell/Finestre.h"
#include "shell/Modulo1.h"

namespace {

const QString kTempoTotale = QStringLiteral("Tempo totale");

}  // namespace

FrmStampa::FrmStampa(Modulo1& stato, Platform& platform, Finestre& finestre, QWidget* parent)
    : FinestraConMenu(parent), stato_(stato), platform_(platform), finestre_(finestre) {
    setWindowTitle(QStringLiteral("STAMPA DELLE OPERAZIONI"));

    QMenu* mnuFile = menuBar()->addMenu(QStringLiteral("File"));
    mnuFile->setObjectName(QStringLiteral("MnuFile"));
    QAction* mnuEsci = mnuFile->addAction(QStringLiteral("Esci"));
    mnuEsci->setObjectName(QStringLiteral("MnuEsci"));
    connect(mnuEsci, &QAction::triggered, this, &FrmStampa::mnuEsci_Click);

    auto* area = new QWidget(this);
    area->setObjectName(QStringLiteral("area"));
    area->setFixedSize(twips(11910), twips(8340));
    impostaSfondo(area, vbColor(0x00FFFF80));
    setCentralWidget(area);

    QLabel* label5 = nuovaEtichetta(
        area, QStringLiteral("Label5"), QStringLiteral("E S E R C I Z I   E S E G U I T I "),
        carattere(QStringLiteral("Arial"), 15.75, true), Qt::AlignHCenter | Qt::AlignTop);
    posiziona(label5, 510, 210, 10725, 525);
    impostaColoreTesto(label5, vbColor(0x000000C0));

    // Four columns of ten, one per exercise.
    const double sinistre[] = {180, 3105, 6030, 8955};
    for (int i = 1; i <= kUltimoRecord; ++i) {
        const int colonna = (i - 1) / kOperazioniPerEsercizio;
        const int riga = (i - 1) % kOperazioniPerEsercizio;
        QLabel* op = nuovaEtichetta(area, QStringLiteral("LblOp%1").arg(i), QString(),
                                    carattere(QStringLiteral("Courier"), 9.75));
        posiziona(op, sinistre[colonna], 900 + 450 * riga, 2895, 435);
        impostaSfondo(op, vbColor(0x00FFFFC0));
        impostaColoreTesto(op, vbColor(0x000000C0));
        // Its text is the record; the description says which operation it is.
        op->setAccessibleDescription(QStringLiteral("Operazione %1").arg(i));
        LblOp_[std::size_t(i - 1)] = op;
    }

    // The total time of each exercise, under its column.
    const double tempi[4][2] = {{510, 2475}, {3240, 2445}, {6000, 2475}, {8910, 2445}};
    for (int e = 1; e <= kEserciziPerPratica; ++e) {
        const double punti = e == 4 ? 8.25 : 9.75;
        QLabel* tempo = nuovaEtichetta(area, QStringLiteral("Label%1").arg(e), kTempoTotale,
                                       carattere(QStringLiteral("MS Sans Serif"), punti, true));
        posiziona(tempo, tempi[e - 1][0], 5520, tempi[e - 1][1], 525);
        tempo->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        tempo->setLineWidth(1);
        impostaSfondo(tempo, vbColor(0x00FFFFC0));
        impostaColoreTesto(tempo, vbColor(0x80000008));
        Label_[std::size_t(e - 1)] = tempo;
    }

    Label6_ = nuovaEtichetta(area, QStringLiteral("Label6"), QString(),
                             carattere(QStringLiteral("MS Sans Serif"), 8.25));
    posiziona(Label6_, 90, 7980, 2565, 195);
    Label6_->setAccessibleDescription(QStringLiteral("Carattere di stampa"));

    Command1_ = nuovoPulsante(area, QStringLiteral("Command1"), QStringLiteral("ESCI"),
                              carattere(QStringLiteral("Arial"), 11.25, true), vbColor(0x00FFFF80));
    posiziona(Command1_, 1650, 6390, 2955, 585);
    connect(Command1_, &QPushButton::clicked, this, &FrmStampa::Command1_Click);

    cmdStampaS_ =
        nuovoPulsante(area, QStringLiteral("cmdStampaS"), QStringLiteral("STAMPA LE OPERAZIONI"),
                      carattere(QStringLiteral("Arial"), 11.25, true), vbColor(0x00FFFF80));
    posiziona(cmdStampaS_, 4920, 6390, 2955, 585);
    connect(cmdStampaS_, &QPushButton::clicked, this, &FrmStampa::CmdStampaS_Click);

    Command2_ =
        nuovoPulsante(area, QStringLiteral("Command2"), QStringLiteral("Visualizza attestato"),
                      carattere(QStringLiteral("Arial"), 12, true), vbColor(0x00FFC0FF));
    posiziona(Command2_, 8190, 6390, 2955, 585);
    connect(Command2_, &QPushButton::clicked, this, &FrmStampa::Command2_Click);
}

void FrmStampa::Form_Load() {
    // The font is looked for among the printer's fonts, as the page is printed in it.
    const QString font = carattereStampante(platform_.printer);
    if (font.isEmpty()) {
        platform_.dialogs.messageBox(kMessaggioCarattereMancante, Dialogs::OkOnly, QString());
        return;
    }

    const int records = std::clamp(stato_.contatoreOperazioni, 0, kUltimoRecord);
    const QFont carattereLista = font == QStringLiteral("Courier New") ? carattere(font, 9, true)
                                                                       : carattere(font, 10, false);
    for (stato_.indiceRiga = kPrimoRecord; stato_.indiceRiga <= records; ++stato_.indiceRiga)
        LblOp_[std::size_t(stato_.indiceRiga - 1)]->setFont(carattereLista);

    Label6_->setText(font);

    for (stato_.indiceRiga = kPrimoRecord; stato_.indiceRiga <= records; ++stato_.indiceRiga)
        LblOp_[std::size_t(stato_.indiceRiga - 1)]->setText(
            stato_.elencoOperazioni(stato_.indiceRiga));

    for (stato_.indiceRiga = 1; stato_.indiceRiga <= kEserciziPerPratica; ++stato_.indiceRiga)
        Label_[std::size_t(stato_.indiceRiga - 1)]->setText(
            kTempoTotale + QStringLiteral(":    ") + stato_.testoTempoEsercizio(stato_.indiceRiga) +
            QStringLiteral(" sec."));
}

void FrmStampa::mettiFuocoSuStampa() {
    cmdStampaS_->setFocus(Qt::OtherFocusReason);
}

void FrmStampa::Command1_Click() {
    // Only "ESCI" empties the exercise times (the menu and the close box keep them): a later
    // opening shows them without numbers until the exercise window writes them again.
    for (int e = 1; e <= kEserciziPerPratica; ++e)
        stato_.testoTempoEsercizio(e).clear();
    close();
}

void FrmStampa::CmdStampaS_Click() {
    const std::optional<Printer::Result> esito = stampa(stato_, platform_.printer);
    if (!esito) {
        platform_.dialogs.messageBox(kMessaggioCarattereMancante, Dialogs::OkOnly, QString());
        return;
    }
    mostraEsitoStampa(*esito, platform_.dialogs);
}

void FrmStampa::Command2_Click() {
    Finestre::mostra(finestre_.attestato());
}

void FrmStampa::mnuEsci_Click() {
    close();
}
