#include <gtest/gtest.h>
#include <QApplication>
#include <QComboBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QHash>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QTest>

#include "exercise/FrmOperativoMeno.h"
#include "reports/FrmAttestato.h"
#include "reports/FrmStampa.h"
#include "shell/Finestre.h"
#include "shell/Modulo1.h"
#include "shell/frmSfondo.h"
#include "start/FrmInizio.h"
#include "start/frmValutazione.h"
#include "support/Controlli.h"
#include "support/FakePlatform.h"
#include "support/Zona.h"

// Every text the program shows stands whole in its control, measured in the fonts of the
// platform the test runs on: on Linux, and on Windows under Wine at each display scale.

namespace {

// Where the ink of `testo` falls when `w` lays the text out in `spazio` (which clips it), in
// logical pixels from the top left of `spazio`: the text drawn with the control's font and
// alignment, at the screen's scale, on a larger canvas and unclipped. What lies outside `spazio`
// is what the pupil does not see; a line box taller than the control is no loss while the
// letters themselves stand inside it.
QRectF inchiostro(const QWidget* w, const QString& testo, const QRect& spazio, int allineamento) {
    // Most texts stay as they are from one look at a window to the next: each is drawn once.
    static QHash<QString, QRectF> visti;
    const qreal scala = w->devicePixelRatioF();
    const QString chiave = QStringLiteral("%1|%2|%3x%4|%5|%6")
                               .arg(w->font().key(), testo)
                               .arg(spazio.width())
                               .arg(spazio.height())
                               .arg(allineamento)
                               .arg(scala);
    if (const auto visto = visti.constFind(chiave); visto != visti.cend())
        return *visto;

    const QRect tela = QFontMetrics(w->font())
                           .boundingRect(spazio, allineamento, testo)
                           .united(spazio)
                           .adjusted(-8, -8, 8, 8);
    QImage immagine(tela.size() * scala, QImage::Format_ARGB32_Premultiplied);
    immagine.setDevicePixelRatio(scala);
    immagine.fill(Qt::transparent);
    QPainter pittore(&immagine);
    pittore.translate(-tela.topLeft());
    pittore.setFont(w->font());
    pittore.setPen(Qt::black);
    pittore.drawText(spazio, allineamento | Qt::TextDontClip, testo);
    pittore.end();
    const QRect pixel = zona(immagine, [](QRgb p) { return qAlpha(p) > 96; });
    return visti[chiave] = QRectF(QPointF(pixel.topLeft()) / scala, QSizeF(pixel.size()) / scala)
                               .translated(tela.topLeft() - spazio.topLeft());
}

// The controls of `finestra` whose text does not stand whole in the room the control gives it,
// each as "name "text": where its ink falls in the room it has".
QStringList tagliati(const QWidget& finestra) {
    QStringList fuori;
    const auto misura = [&](const QWidget* w, const QString& testo, const QRect& spazio,
                            int allineamento) {
        if (testo.trimmed().isEmpty())
            return;
        const QRectF scritto = inchiostro(w, testo, spazio, allineamento);
        if (!QRectF(QPointF(0, 0), spazio.size()).contains(scritto))
            fuori << QStringLiteral("%1 \"%2\": ink at x %3..%4, y %5..%6 in %7x%8")
                         .arg(w->objectName(), testo)
                         .arg(scritto.left())
                         .arg(scritto.right())
                         .arg(scritto.top())
                         .arg(scritto.bottom())
                         .arg(spazio.width())
                         .arg(spazio.height());
    };
    for (const QLabel* l : finestra.findChildren<QLabel*>()) {
        const int m = l->margin();
        misura(l, l->text(), l->contentsRect().adjusted(m, m, -m, -m),
               int(l->alignment()) | (l->wordWrap() ? Qt::TextWordWrap : 0));
    }
    for (const QPushButton* b : finestra.findChildren<QPushButton*>()) {
        QStyleOptionButton opzione;
        opzione.initFrom(b);
        opzione.text = b->text();
        misura(b, b->text(), b->style()->subElementRect(QStyle::SE_PushButtonContents, &opzione, b),
               Qt::AlignCenter | Qt::TextShowMnemonic);
    }
    for (const QComboBox* c : finestra.findChildren<QComboBox*>()) {
        QStyleOptionComboBox opzione;
        opzione.initFrom(c);
        const QRect spazio = c->style()->subControlRect(QStyle::CC_ComboBox, &opzione,
                                                        QStyle::SC_ComboBoxEditField, c);
        for (int i = 0; i < c->count(); ++i)
            misura(c, c->itemText(i), spazio, Qt::AlignLeft | Qt::AlignVCenter);
    }
    for (const QGroupBox* g : finestra.findChildren<QGroupBox*>())
        misura(g, g->title(), g->rect().adjusted(6, 0, -6, 0), Qt::AlignLeft | Qt::AlignTop);
    return fuori;
}

// The windows open now that show texts, with what each cuts.
void controllaAperte(const Finestre& finestre, const char* quando) {
    const QWidget* aperte[] = {finestre.inizioSeCaricato(), finestre.valutazioneSeCaricato(),
                               finestre.operativoSeCaricato(), finestre.stampaSeCaricato(),
                               finestre.attestatoSeCaricato()};
    for (const QWidget* finestra : aperte) {
        if (!finestra)
            continue;
        EXPECT_EQ(tagliati(*finestra).join("; ").toStdString(), "")
            << finestra->objectName().toStdString() << ", " << quando;
    }
}

// A practice in the mode and range with the longest texts, some answers wrong, every window
// looked at whenever its texts change; then the certificate of every grade.
TEST(TestiInteri, EveryTextStandsWholeInItsControlInEveryWindow) {
    FakePlatform f;
    Modulo1 stato;
    Finestre finestre(stato, f.platform);
    finestre.sfondo();
    FrmInizio& inizio = finestre.inizio();
    Finestre::mostra(finestre.valutazione());
    controllaAperte(finestre, "at start");

    QTest::keyClicks(controllo<QLineEdit>(&inizio, "txtNome"), "Mariacristina");
    QTest::keyClick(controllo<QLineEdit>(&inizio, "txtNome"), Qt::Key_Return);
    controllo<QComboBox>(&inizio, "Combo1")->setCurrentIndex(2);
    QTest::mouseClick(controllo(&inizio, "Command4"), Qt::LeftButton);
    QPointer<FrmOperativoMeno> operativo = finestre.operativoSeCaricato();
    ASSERT_FALSE(operativo.isNull());
    controllaAperte(finestre, "with the first operation");

    f.dialogs.answers = {Dialogs::Yes};
    for (int n = 1; n <= 40; ++n) {
        const bool giusta = n % 3 != 0;
        QTest::keyClicks(controllo(operativo, "TxtRisultato"),
                         giusta ? stato.rispostaAttesa : QString::number(stato.valoreAtteso + 1));
        QTest::mouseClick(controllo(operativo, "CmdVerifica"), Qt::LeftButton);
        controllaAperte(finestre, qPrintable(QStringLiteral("after answer %1").arg(n)));
        if (n < 40)
            QTest::mouseClick(controllo(operativo, n % 10 ? "CmdOperazione" : "CmdEsercizio"),
                              Qt::LeftButton);
    }
    ASSERT_NE(finestre.stampaSeCaricato(), nullptr);
    controllaAperte(finestre, "with the report");

    // Every window fits the screen, frame included: where the platform has a real one (the
    // offscreen platform's is a fixed 800x600; on Linux the X tests place the windows on the
    // small screens of school PCs).
    if (QGuiApplication::platformName() != QLatin1String("offscreen")) {
        Finestre::mostra(finestre.attestato());
        const QRect schermo = QGuiApplication::primaryScreen()->availableGeometry();
        const QWidget* tutte[] = {&inizio, &finestre.valutazione(), operativo,
                                  finestre.stampaSeCaricato(), &finestre.attestato()};
        for (const QWidget* finestra : tutte)
            EXPECT_TRUE(finestra->frameGeometry().width() <= schermo.width() &&
                        finestra->frameGeometry().height() <= schermo.height())
                << finestra->objectName().toStdString() << " " << finestra->frameGeometry().width()
                << "x" << finestra->frameGeometry().height() << " on a screen of "
                << schermo.width() << "x" << schermo.height();
    }

    // The certificate of every grade, filled in anew as each time it comes to the front.
    Finestre::mostra(finestre.attestato());
    for (int voto = 0; voto <= 10; ++voto) {
        stato.totaleEsatte = 4 * voto;
        stato.contatoreOperazioni = 40;
        finestre.attestato().Form_Activate();
        controllaAperte(finestre, qPrintable(QStringLiteral("%1 right of 40").arg(4 * voto)));
    }
}

}  // namespace
