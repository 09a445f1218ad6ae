#include <gtest/gtest.h>
#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QGuiApplication>
#include <QHash>
#include <QImage>
#include <QMessageBox>
#include <QScreen>
#include <QTimer>
#include <cstdlib>
#include <ostream>
#include <tuple>

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
    // The window manager maximises it after mapping it, later on a busy machine.
    const QRect schermo = QGuiApplication::primaryScreen()->geometry();
    (void)QTest::qWaitFor([&] { return corniceDi(sfondo) == schermo; }, 5000);
    EXPECT_EQ(corniceDi(sfondo), schermo);

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
    QtDialogs veri;
    Platform platform = f.con(veri);
    Modulo1 stato;
    Finestre finestre(stato, platform);
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

    // Enter with the name box empty: the message box, closed by its Enter; the start window is
    // active again, with the keys in the name box.
    QTimer::singleShot(0, [] {
        QWidget* box = nullptr;
        ASSERT_TRUE(
            QTest::qWaitFor([&] { return (box = QApplication::activeModalWidget()); }, 5000));
        QTest::keyClick(box, Qt::Key_Return);
    });
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == &inizio; }, 5000));
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

// The title the window manager has drawn on the title bar of `finestra`, read from the screen:
// the pixels that differ from the bar's own colour (each row's commonest one), in the run of
// columns round the bar's centre where the title stands (the icon and the buttons at the bar's
// ends stand apart from it), as a mask of ink. Empty when none is found.
QImage titoloDisegnato(const QWidget& finestra) {
    const QRect cornice = corniceDi(finestra);
    const int barra = finestra.geometry().top() - cornice.top();
    if (cornice.isEmpty() || barra < 6)
        return {};
    const QImage im = QGuiApplication::primaryScreen()
                          ->grabWindow(0, cornice.x(), cornice.y(), cornice.width(), barra)
                          .toImage()
                          .convertToFormat(QImage::Format_RGB32);
    QImage inchiostro(im.size(), QImage::Format_Mono);
    inchiostro.fill(0);
    QList<bool> colonne(im.width(), false);
    for (int y = 2; y < im.height() - 2; ++y) {
        QHash<QRgb, int> conta;
        for (int x = 0; x < im.width(); ++x)
            ++conta[im.pixel(x, y)];
        QRgb fondo = 0;
        for (auto it = conta.cbegin(); it != conta.cend(); ++it)
            if (it.value() > conta.value(fondo))
                fondo = it.key();
        for (int x = 0; x < im.width(); ++x) {
            const QRgb p = im.pixel(x, y);
            if (std::abs(qRed(p) - qRed(fondo)) + std::abs(qGreen(p) - qGreen(fondo)) +
                    std::abs(qBlue(p) - qBlue(fondo)) >
                90) {
                inchiostro.setPixel(x, y, 1);
                colonne[x] = true;
            }
        }
    }
    // From the inked column nearest the centre, out to both sides across gaps narrower than a
    // space between words.
    const int centro = im.width() / 2;
    int partenza = -1;
    for (int d = 0; d < centro && partenza < 0; ++d)
        for (int x : {centro - d, centro + d})
            if (partenza < 0 && x >= 0 && x < im.width() && colonne[x])
                partenza = x;
    if (partenza < 0)
        return {};
    constexpr int kSpazio = 6;
    int sinistra = partenza, destra = partenza;
    for (int x = partenza; x >= 0 && sinistra - x <= kSpazio; --x)
        if (colonne[x])
            sinistra = x;
    for (int x = partenza; x < im.width() && x - destra <= kSpazio; ++x)
        if (colonne[x])
            destra = x;
    return inchiostro.copy(sinistra, 0, destra - sinistra + 1, im.height());
}

// Whether two titles read from the screen are the same drawing: the same size, and all but a
// few of their pixels alike. A title cut short, with an ellipsis for its middle, is another.
bool stessoDisegno(const QImage& a, const QImage& b) {
    if (a.isNull() || a.size() != b.size())
        return false;
    int diversi = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            diversi += a.pixelIndex(x, y) != b.pixelIndex(x, y);
    return diversi * 100 <= a.width() * a.height() * 3;
}

// Waits until `finestra` is the active window and the window manager has had a moment to draw its
// title bar so: the colours of an active bar differ from an inactive one's.
bool attivaConLaSuaBarra(QWidget& finestra) {
    finestra.activateWindow();
    const bool attiva =
        QTest::qWaitFor([&] { return QApplication::activeWindow() == &finestra; }, 5000);
    QTest::qWait(150);
    return attiva;
}

// A window decorated as a message box is: a dialog of the same kind over the same window, with
// the same title, `larghezza` wide inside its frame, low and at the bottom left of the screen.
struct FintaScatola {
    QWidget* sopra = nullptr;
    Qt::WindowFlags tipo;
    QString titolo;

    QImage titoloConLarghezza(int larghezza) const {
        QDialog dialogo(sopra, tipo);
        dialogo.setWindowTitle(titolo);
        dialogo.setFixedSize(larghezza, 30);
        dialogo.move(0, disponibile().bottom() - 80);
        dialogo.show();
        if (!attivaConLaSuaBarra(dialogo))
            return {};
        return titoloDisegnato(dialogo);
    }
};

// Every message box the program shows has a title bar wide enough for its whole title, and room
// to spare: a box of the same kind ten pixels narrower still shows it whole. The title is read
// from the screen, as the window manager draws it in its own title font: the width Qt measures
// for a title is not the width the window manager draws it with.
TEST(FinestreSulloSchermo, MessageBoxesShowTheirWholeTitleWithRoomToSpare) {
    QtDialogs dialoghi;
    QWidget sotto;
    sotto.resize(400, 300);
    Finestre::mostra(sotto);
    ASSERT_FALSE(corniceDi(sotto).isEmpty());
    const std::tuple<const char*, const char*, int> scatole[] = {
        {"File mancante", "", 0},
        {"Nessuna stampante installata", "", 0},
        {"Stampa non riuscita", "", 0},
        {"Devi installare il font Courier o il font Courier New", "", 0},
        {"Hai dimenticato il risultato", "distrazione", 0},
        {"Hai eseguito 4 esercizi.      \r\rVuoi visualizzare le operazioni eseguite?\r"
         "(Se rispondi NO l'esercizio sarà perso)",
         "FINE ESERCITAZIONE", 68},
    };
    for (const auto& [testo, titolo, stile] : scatole) {
        QImage mostrato;
        FintaScatola finta;
        int larghezza = 0;
        QTimer::singleShot(0, [&] {
            QMessageBox* box = nullptr;
            ASSERT_TRUE(QTest::qWaitFor(
                [&] {
                    box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                    return box != nullptr;
                },
                5000));
            EXPECT_TRUE(attivaConLaSuaBarra(*box));
            mostrato = titoloDisegnato(*box);
            larghezza = box->width();
            finta = {box->parentWidget(), box->windowFlags(), box->windowTitle()};
            box->buttons().first()->click();
        });
        dialoghi.messageBox(QString::fromUtf8(testo), stile, QString::fromUtf8(titolo));
        const std::string quale = finta.titolo.toStdString();
        const QImage intero = finta.titoloConLarghezza(700);
        ASSERT_GT(intero.width(), 20) << quale << ": no title read on the screen";
        EXPECT_TRUE(stessoDisegno(mostrato, intero))
            << quale << " cut short in a box " << larghezza << " px wide";
        EXPECT_TRUE(stessoDisegno(finta.titoloConLarghezza(larghezza - 10), intero))
            << quale << ": no room to spare in a box " << larghezza << " px wide";
    }
}

}  // namespace
