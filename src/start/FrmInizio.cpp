#include "start/FrmInizio.h"

#include "platform/Twips.h"
#include "platform/VbColor.h"
#include "shell/Finestre.h"
#include "shell/Testi.h"

FrmInizio::FrmInizio(Modulo1& stato, Platform& platform, Finestre& finestre, QWidget* parent)
    : QMainWindow(parent), stato_(stato), platform_(platform), finestre_(finestre) {
    auto* area = new QWidget(this);
    area->setAutoFillBackground(true);
    QPalette colori = area->palette();
    colori.setColor(QPalette::Window, vbColor(0x00C0FFC0));
    area->setPalette(colori);
    area->setFixedSize(twips(11880), twips(8310));
    setCentralWidget(area);
}

void FrmInizio::Form_Load() {
    setWindowTitle(kTitoloProgramma);
}
