#include "start/frmValutazione.h"

#include "platform/Twips.h"

frmValutazione::frmValutazione(Modulo1&, Platform&, Finestre&, QWidget* parent) : QWidget(parent) {
    setWindowTitle(QStringLiteral("SCALA  DI  VALUTAZIONE"));
    setFixedSize(twips(7215), twips(4620));
}
