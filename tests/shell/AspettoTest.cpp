#include <gtest/gtest.h>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QFontMetricsF>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QStyleOptionButton>
#include <algorithm>

#include "exercise/FrmOperativoMeno.h"
#include "platform/VbColor.h"
#include "reports/FrmAttestato.h"
#include "reports/FrmStampa.h"
#include "shell/Controlli.h"
#include "shell/Finestre.h"
#include "shell/Modulo1.h"
#include "shell/frmSfondo.h"
#include "start/FrmInizio.h"
#include "start/frmValutazione.h"
#include "support/Controlli.h"
#include "support/FakePlatform.h"

namespace {

// The colour of most of a button's face: the median of each channel over the button, less a
// margin for the border; the caption covers far less than half of it.
QColor facciaDi(const QImage& immagine) {
    std::vector<int> r, g, b;
    for (int y = 3; y < immagine.height() - 3; ++y)
        for (int x = 3; x < immagine.width() - 3; ++x) {
            const QRgb p = immagine.pixel(x, y);
            r.push_back(qRed(p));
            g.push_back(qGreen(p));
            b.push_back(qBlue(p));
        }
    const auto mediana = [](std::vector<int>& v) {
        std::nth_element(v.begin(), v.begin() + v.size() / 2, v.end());
        return v[v.size() / 2];
    };
    return QColor(mediana(r), mediana(g), mediana(b));
}

int distanza(const QColor& a, const QColor& b) {
    return std::max({std::abs(a.red() - b.red()), std::abs(a.green() - b.green()),
                     std::abs(a.blue() - b.blue())});
}

// The button as the style paints it in a given state, without showing the window around it.
QImage dipinto(QPushButton* pulsante, QStyle::State aggiunto) {
    QImage immagine(pulsante->size(), QImage::Format_RGB32);
    immagine.fill(Qt::black);
    QStyleOptionButton opzione;
    opzione.initFrom(pulsante);
    opzione.text = pulsante->text();
    opzione.state |= aggiunto;
    QPainter pittore(&immagine);
    pulsante->style()->drawControl(QStyle::CE_PushButton, &opzione, &pittore, pulsante);
    return immagine;
}

// Every graphical button of the program, each with the colour its window gives it: the keypad
// and the range buttons in their own colours, the exercise window's commands in the colour of
// each of the three modes.
TEST(Aspetto, GraphicalButtonsShowTheirColourFlatOverTheFace) {
    for (int modo = 0; modo < 3; ++modo) {
        FakePlatform f;
        Modulo1 stato;
        stato.nomeAlunno = "Anna";
        stato.contatoreOperazioni = 10;
        stato.totaleEsatte = 10;
        Finestre finestre(stato, f.platform);
        FrmInizio& inizio = finestre.inizio();
        controllo<QComboBox>(&inizio, "Combo1")->setCurrentIndex(modo);
        inizio.Command4_Click();
        QWidget* finestreConPulsanti[] = {&inizio, &finestre.operativo(), &finestre.stampa(),
                                          &finestre.attestato()};
        const QColor coloreModo = vbColor(stato.coloreModalita.toUInt());
        int visti = 0;
        for (QWidget* finestra : finestreConPulsanti) {
            Finestre::mostra(*finestra);
            for (QPushButton* pulsante : finestra->findChildren<QPushButton*>()) {
                if (!pulsante->isVisibleTo(finestra) || pulsante->text().isEmpty())
                    continue;
                ++visti;
                const QColor tabella = pulsante->palette().color(QPalette::Button);
                const QImage immagine = pulsante->grab().toImage();
                const QColor faccia = facciaDi(immagine);
                EXPECT_LE(distanza(faccia, tabella), 12)
                    << pulsante->objectName().toStdString() << " shows "
                    << faccia.name().toStdString() << " for " << tabella.name().toStdString();

                // Pressed and focused still look so.
                const QColor premuto = facciaDi(dipinto(pulsante, QStyle::State_Sunken));
                EXPECT_GE(distanza(premuto, tabella), 25) << pulsante->objectName().toStdString();
                const QImage conFuoco = dipinto(pulsante, QStyle::State_HasFocus);
                const QImage senza = dipinto(pulsante, {});
                int diversi = 0;
                for (int y = 0; y < senza.height(); ++y)
                    for (int x = 0; x < senza.width(); ++x)
                        diversi += distanza(conFuoco.pixelColor(x, y), senza.pixelColor(x, y)) > 60;
                EXPECT_GE(diversi, senza.width() + senza.height())
                    << pulsante->objectName().toStdString() << ": no visible focus";
            }
        }
        EXPECT_GE(visti, 12 + 2 + 3 + 3) << "keypad, exercise commands, report, certificate";
        EXPECT_EQ(finestre.operativo().findChild<QPushButton*>("CmdFine")->palette().color(
                      QPalette::Button),
                  coloreModo);
    }
}

// Message boxes and other plain buttons keep the style's own look.
TEST(Aspetto, OnlyGraphicalButtonsArePaintedFlat) {
    QPushButton semplice(QStringLiteral("OK"));
    semplice.resize(120, 40);
    QPalette colori = semplice.palette();
    colori.setColor(QPalette::Button, QColor(255, 255, 128));
    semplice.setPalette(colori);
    const QImage immagine = semplice.grab().toImage();
    int righeDiverse = 0;
    for (int y = 4; y < immagine.height() - 4; ++y)
        righeDiverse += immagine.pixelColor(60, y) != immagine.pixelColor(60, y - 1);
    EXPECT_GT(righeDiverse, 5) << "Fusion's gradient is gone from a plain button";
}

// A screen reader announces each of the program's windows as a window, also those that are
// plain widgets (the background, the grade scale and the certificate, two of them titled
// "Form1").
TEST(Accessibilita, EveryTopLevelWindowIsAWindow) {
    FakePlatform f;
    Modulo1 stato;
    stato.contatoreOperazioni = 1;
    Finestre finestre(stato, f.platform);
    QWidget* tutte[] = {&finestre.sfondo(),    &finestre.inizio(), &finestre.valutazione(),
                        &finestre.operativo(), &finestre.stampa(), &finestre.attestato()};
    for (QWidget* finestra : tutte) {
        QAccessibleInterface* interfaccia = QAccessible::queryAccessibleInterface(finestra);
        ASSERT_NE(interfaccia, nullptr);
        EXPECT_EQ(interfaccia->role(), QAccessible::Window) << finestra->objectName().toStdString();
        EXPECT_EQ(interfaccia->text(QAccessible::Name), finestra->windowTitle());
        // The window still leads to its controls.
        if (!finestra->findChildren<QWidget*>(Qt::FindDirectChildrenOnly).isEmpty()) {
            EXPECT_GT(interfaccia->childCount(), 0) << finestra->objectName().toStdString();
        }
    }
    // Controls keep their own roles.
    QAccessibleInterface* nome =
        QAccessible::queryAccessibleInterface(finestre.inizio().findChild<QWidget*>("txtNome"));
    EXPECT_EQ(nome->role(), QAccessible::EditableText);
}

}  // namespace
