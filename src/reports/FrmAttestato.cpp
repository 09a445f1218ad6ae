#include "reports/FrmAttestato.h"

#include "platform/Twips.h"
#include "shell/Finestre.h"

FrmAttestato::FrmAttestato(Modulo1& stato, Platform& platform, Finestre& finestre, QWidget* parent)
    : QWidget(parent), stato_(stato), platform_(platform), finestre_(finestre) {
    setWindowTitle(QStringLiteral("Form1"));
    setFixedSize(twips(12000), twips(9000));
}
