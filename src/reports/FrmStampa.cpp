#include "reports/FrmStampa.h"

#include "platform/Twips.h"
#include "shell/Finestre.h"

FrmStampa::FrmStampa(Modulo1& stato, Platform& platform, Finestre& finestre, QWidget* parent)
    : QMainWindow(parent), stato_(stato), platform_(platform), finestre_(finestre) {
    setWindowTitle(QStringLiteral("STAMPA DELLE OPERAZIONI"));
    auto* area = new QWidget(this);
    area->setFixedSize(twips(11910), twips(8340));
    setCentralWidget(area);
}

void FrmStampa::Form_Load() {}

void FrmStampa::mettiFuocoSuStampa() {}
