#include "exercise/FrmOperativoMeno.h"

#include "platform/Twips.h"
#include "shell/Finestre.h"
#include "shell/Testi.h"

FrmOperativoMeno::FrmOperativoMeno(Modulo1& stato, Platform& platform, Finestre& finestre,
                                   QWidget* parent)
    : QMainWindow(parent), stato_(stato), platform_(platform), finestre_(finestre) {
    auto* area = new QWidget(this);
    area->setFixedSize(twips(11910), twips(8340));
    setCentralWidget(area);
}

void FrmOperativoMeno::Form_Load() {
    setWindowTitle(QStringLiteral("ESERCIZI SULLE ") + kTitoloProgramma);
}

void FrmOperativoMeno::impostaSfondo(const QColor&) {}
void FrmOperativoMeno::impostaSfondoNumero(const QColor&) {}
void FrmOperativoMeno::impostaSfondoRisultato(const QColor&) {}
void FrmOperativoMeno::impostaTestoRisultato(const QColor&) {}
void FrmOperativoMeno::impostaColoreComandi(const QColor&) {}
void FrmOperativoMeno::impostaRigaModalita(const QString& testo) {
    rigaModalita_ = testo;
}
QString FrmOperativoMeno::rigaModalita() const {
    return rigaModalita_;
}
