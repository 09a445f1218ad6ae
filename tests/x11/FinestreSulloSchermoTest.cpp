#include <gtest/gtest.h>
#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QScreen>
#include <QTimer>
#include <ostream>

#include "exercise/FrmOperativoMeno.h"
#include "platform/QtDialogs.h"
#include "reports/FrmAttestato.h"
#include "reports/FrmStampa.h"
#include "shell/Finestre.h"
#include "shell/Modulo1.h"
#include "shell/frmSfondo.h"
#include "start/FrmInizio.h"
#include "start/frmValutazione.h"
#include "support/Controlli.h"
#include "support/FakePlatform.h"
#include "x11/SchermoX.h"

// The program's windows on a real X server with a window manager, as small as a school PC's
// screen: each opens whole on the screen and centred on it, and stays where the pupil puts it.

QT_BEGIN_NAMESPACE
inline void PrintTo(const QRect& r, std::ostream* os) {
    *os << r.width() << "x" << r.height() << "+" << r.x() << "+" << r.y();
}
QT_END_NAMESPACE

namespace {

// A session as it stands after a first exercise, so that every window has something to show.
void preparaSessione(Modulo1& stato) {
    stato.nomeAlunno = "Anna";
    stato.numeroMinimo = 1;
    stato.numeroMassimo = 30;
    stato.livelloScelto = 1;
    stato.posizioneDa = 1;
    stato.posizioneA = 1;
    stato.rigaModalita = " Calcola il prodotto";
}

QRect disponibile() {
    return QGuiApplication::primaryScreen()->availableGeometry();
}

TEST(FinestreSulloSchermo, EveryWindowOpensWholeAndCentredOnTheScreen) {
    FakePlatform f;
    Modulo1 stato;
    preparaSessione(stato);
    Finestre finestre(stato, f.platform);

    // The background fills the screen; the start window comes up in front of it.
    frmSfondo& sfondo = finestre.sfondo();
    EXPECT_EQ(corniceDi(sfondo), QGuiApplication::primaryScreen()->geometry());

    FrmInizio& inizio = finestre.inizio();
    FrmOperativoMeno& operativo = finestre.operativo();
    // The exercise window comes last: the report and the certificate read its session.
    QWidget* aperte[] = {&inizio, &operativo, &finestre.valutazione(), &finestre.stampa(),
                         &finestre.attestato()};
    for (QWidget* finestra : aperte) {
        Finestre::mostra(*finestra);
        const QRect cornice = corniceDi(*finestra);
        const std::string nome = finestra->objectName().toStdString();
        ASSERT_FALSE(cornice.isEmpty()) << nome << " was never framed";
        EXPECT_TRUE(disponibile().contains(cornice))
            << nome << " at " << testing::PrintToString(cornice) << " on "
            << testing::PrintToString(disponibile());
        // Centred: the first window cannot know the frame before it has one, so it may stand
        // lower by the height of a title bar.
        const QPoint scarto = cornice.center() - disponibile().center();
        EXPECT_LE(std::abs(scarto.x()), 4) << nome;
        EXPECT_LE(std::abs(scarto.y()), finestra == &inizio ? 24 : 4) << nome;
    }
}

// At start the background fills the screen behind the start window, which has the focus in its
// name box, as the window manager stacks and focuses them.
TEST(FinestreSulloSchermo, TheStartWindowComesUpInFrontOfTheBackgroundWithTheFocus) {
    FakePlatform f;
    Modulo1 stato;
    Finestre finestre(stato, f.platform);
    frmSfondo& sfondo = finestre.sfondo();
    FrmInizio& inizio = finestre.inizio();
    ASSERT_FALSE(corniceDi(inizio).isEmpty());
    ASSERT_EQ(corniceDi(sfondo), QGuiApplication::primaryScreen()->geometry());

    QString pila;
    ASSERT_TRUE(
        ServerDelTest::server->esegui("xprop", {"-root", "_NET_CLIENT_LIST_STACKING"}, &pila));
    const QStringList dalBasso = pila.section('#', 1).simplified().split(", ");
    const auto posto = [&](const QWidget& w) {
        for (qsizetype i = 0; i < dalBasso.size(); ++i)
            if (dalBasso[i].toULong(nullptr, 16) == w.winId())
                return i;
        return qsizetype(-1);
    };
    ASSERT_GE(posto(sfondo), 0) << pila.toStdString();
    EXPECT_GT(posto(inizio), posto(sfondo)) << pila.toStdString();

    ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == &inizio; }, 5000));
    ASSERT_NE(QApplication::focusWidget(), nullptr);
    EXPECT_EQ(QApplication::focusWidget()->objectName(), "txtNome");
}

TEST(FinestreSulloSchermo, AWindowShownAgainStaysWhereThePupilMovedIt) {
    FakePlatform f;
    Modulo1 stato;
    preparaSessione(stato);
    Finestre finestre(stato, f.platform);
    FrmInizio& inizio = finestre.inizio();
    Finestre::mostra(inizio);
    const QRect prima = corniceDi(inizio);
    ASSERT_FALSE(prima.isEmpty());

    // Dragged to the top left corner by its title bar, as the window manager moves windows.
    ASSERT_TRUE(ServerDelTest::server->esegui(
        "xdotool", {"windowmove", QString::number(inizio.winId()), "40", "60"}));
    QRect spostata;
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            spostata = corniceDi(inizio);
            return spostata.topLeft() != prima.topLeft();
        },
        5000));

    // The grade scale opened over it, and the start window brought to the front again.
    Finestre::mostra(finestre.valutazione());
    Finestre::mostra(inizio);
    QTest::qWait(200);
    EXPECT_EQ(corniceDi(inizio), spostata);
}

// The window manager centres a box's title over its whole title bar and cuts it short where the
// box is too narrow: every box is wide enough for the whole of it.
TEST(FinestreSulloSchermo, MessageBoxesShowTheirWholeTitle) {
    QtDialogs dialoghi;
    for (const char* titolo : {"distrazione", "FINE ESERCITAZIONE", ""}) {
        QRect cornice;
        QString mostrato;
        QTimer::singleShot(0, [&] {
            QMessageBox* box = nullptr;
            ASSERT_TRUE(QTest::qWaitFor(
                [&] {
                    box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                    return box != nullptr;
                },
                5000));
            cornice = corniceDi(*box);
            mostrato = box->windowTitle();
            box->buttons().first()->click();
        });
        dialoghi.messageBox("?", QString::fromLatin1(titolo).isEmpty() ? 0 : 68,
                            QString::fromLatin1(titolo));
        QFont carattereTitolo(QStringLiteral("Sans"));
        carattereTitolo.setPointSizeF(8);
        carattereTitolo.setBold(true);
        EXPECT_GE(cornice.width(), QFontMetrics(carattereTitolo).horizontalAdvance(mostrato) + 108)
            << mostrato.toStdString();
        EXPECT_TRUE(disponibile().contains(cornice)) << mostrato.toStdString();
    }
}

}  // namespace
