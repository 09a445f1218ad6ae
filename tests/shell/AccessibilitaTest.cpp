#include <gtest/gtest.h>
#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStringList>

#include "exercise/FrmOperativoMeno.h"
#include "reports/FrmAttestato.h"
#include "reports/FrmStampa.h"
#include "shell/Finestre.h"
#include "shell/Modulo1.h"
#include "shell/frmSfondo.h"
#include "start/FrmInizio.h"
#include "start/frmValutazione.h"
#include "support/FakePlatform.h"

namespace {

// The controls of a window that a screen reader can name neither by their text nor by their
// accessible name: every control that shows no text of its own must carry an Italian name.
QStringList senzaNome(QWidget& finestra) {
    QStringList anonimi;
    for (QWidget* w : finestra.findChildren<QWidget*>()) {
        // Labels read out their text; empty ones are texts still to be written.
        if (qobject_cast<QLabel*>(w) || qobject_cast<QMenu*>(w) || qobject_cast<QMenuBar*>(w) ||
            w->objectName().startsWith(QLatin1String("qt_")))
            continue;
        // The drop-down list of a combo box is Qt's own and speaks through the combo box.
        if (w->window() != &finestra)
            continue;
        if (!w->findChildren<QWidget*>(Qt::FindDirectChildrenOnly).isEmpty())
            continue;  // a container: its controls speak for it
        QAccessibleInterface* interfaccia = QAccessible::queryAccessibleInterface(w);
        if (!interfaccia || interfaccia->text(QAccessible::Name).trimmed().isEmpty())
            anonimi << QStringLiteral("%1 (%2)").arg(w->objectName(), w->metaObject()->className());
    }
    return anonimi;
}

}  // namespace

TEST(Accessibilita, EveryControlWithoutTextOfItsOwnHasAName) {
    FakePlatform f;
    Modulo1 stato;
    stato.numeroMinimo = 1;
    stato.numeroMassimo = 30;
    stato.livelloScelto = 1;
    stato.posizioneDa = 1;
    stato.posizioneA = 3;
    stato.nomeAlunno = "Anna";
    Finestre finestre(stato, f.platform);
    QWidget* tutte[] = {&finestre.sfondo(),    &finestre.inizio(), &finestre.valutazione(),
                        &finestre.operativo(), &finestre.stampa(), &finestre.attestato()};
    for (QWidget* finestra : tutte) {
        Finestre::mostra(*finestra);
        EXPECT_EQ(senzaNome(*finestra).join(", ").toStdString(), "")
            << finestra->objectName().toStdString();
    }

    // The marks are told apart by their names, not only by their faces.
    FrmOperativoMeno& operativo = finestre.operativo();
    for (int k = 1; k <= 10; ++k) {
        EXPECT_EQ(operativo.findChild<QWidget*>(QStringLiteral("Image%1").arg(k))->accessibleName(),
                  QStringLiteral("Risposta esatta %1").arg(k));
        EXPECT_EQ(
            operativo.findChild<QWidget*>(QStringLiteral("Image%1").arg(k + 10))->accessibleName(),
            QStringLiteral("Risposta errata %1").arg(k));
    }
    EXPECT_EQ(operativo.findChild<QWidget*>("TxtRisultato")->accessibleName(), "Risultato");
}
