#include "support/Schermo.h"

#include <algorithm>
#include <climits>

#include <QClipboard>
#include <QDeadlineTimer>
#include <QDir>
#include <QGuiApplication>
#include <QPainter>
#include <QPixmap>
#include <QRegularExpression>
#include <QScreen>
#include <QTest>

#include "support/InizioDisegnato.h"
#include "support/ServerX.h"
#include "support/Zona.h"

namespace schermo {

namespace {

QString esegui(const QStringList& argomenti) {
    QString uscita;
    return server->esegui(QStringLiteral("xdotool"), argomenti, &uscita) ? uscita.trimmed()
                                                                         : QString();
}

}  // namespace

unsigned long cerca(const QString& titolo, int ms, QList<unsigned long> tranne) {
    const QDeadlineTimer scadenza(ms);
    do {
        const QString trovate = esegui(
            {"search", "--onlyvisible", "--name", "^" + QRegularExpression::escape(titolo) + "$"});
        for (const QString& riga : trovate.split('\n', Qt::SkipEmptyParts)) {
            const unsigned long id = riga.toULong();
            if (id && !tranne.contains(id)) {
                // Shown is not yet ready for keys: Qt activates it and gives it the focus next.
                QTest::qWait(1000);
                return id;
            }
        }
        QTest::qWait(200);
    } while (!scadenza.hasExpired());
    return 0;
}

unsigned long inCima() {
    QString pila;
    server->esegui(QStringLiteral("xprop"), {"-root", "_NET_CLIENT_LIST_STACKING"}, &pila);
    const QStringList finestre = pila.section('#', 1).split(',', Qt::SkipEmptyParts);
    const unsigned long cima =
        finestre.isEmpty() ? 0 : finestre.last().trimmed().toULong(nullptr, 16);
    // Wine's desktop mode is one window to the window manager: the windows of its programs are
    // its child windows, which X stacks as Wine stacks them (xwininfo lists them top first).
    QString figli;
    server->esegui(QStringLiteral("xwininfo"), {"-children", "-id", QString::number(cima)}, &figli);
    const QRegularExpression figlio(
        QStringLiteral(R"(^\s+(0x[0-9a-f]+) "[^"]+": .* (\d+)x(\d+)\+)"),
        QRegularExpression::MultilineOption);
    for (auto m = figlio.globalMatch(figli); m.hasNext();) {
        const QRegularExpressionMatch f = m.next();
        const unsigned long id = f.captured(1).toULong(nullptr, 16);
        if (f.captured(2).toInt() > 1 && f.captured(3).toInt() > 1 && !area(id).isEmpty())
            return id;
    }
    return cima;
}

QRect area(unsigned long id) {
    return server->area(id);
}

QImage immagine(unsigned long id) {
    const QRect a = area(id);
    return QGuiApplication::primaryScreen()
        ->grabWindow(0, a.x(), a.y(), a.width(), a.height())
        .toImage()
        .convertToFormat(QImage::Format_RGB32);
}

bool inizioDisegnato(unsigned long id, int ms) {
    return QTest::qWaitFor([id] { return inizioDisegnatoIn(immagine(id)); }, ms);
}

QRect zonaDelColore(const QImage& immagine, QRgb colore) {
    return zona(immagine, [colore](QRgb c) {
        return vicino(Rgb{qRed(c), qGreen(c), qBlue(c)}, qRed(colore), qGreen(colore),
                      qBlue(colore));
    });
}

namespace {

bool rosso(QRgb c) {
    return qRed(c) > 180 && qGreen(c) < 100 && qBlue(c) < 100;
}

// A glyph brought to a common size: its height scaled to 24 pixels, its proportions kept, centred
// on a 24 x 24 grid of inked or blank cells.
QImage normalizzato(const QImage& glifo) {
    const QImage scalato = glifo.scaledToHeight(24, Qt::SmoothTransformation);
    QImage griglia(24, 24, QImage::Format_RGB32);
    griglia.fill(Qt::black);
    const int dx = (24 - scalato.width()) / 2;
    for (int y = 0; y < scalato.height(); ++y)
        for (int x = 0; x < scalato.width() && x + dx < 24; ++x)
            if (x + dx >= 0 && qGray(scalato.pixel(x, y)) > 127)
                griglia.setPixel(x + dx, y, qRgb(255, 255, 255));
    return griglia;
}

// The ten digits in the face the program writes its terms in, as fontconfig and Wine's font
// replacement both give it for Arial, drawn white on black and cut to their ink.
const QList<QImage>& cifre() {
    static const QList<QImage> modelli = [] {
        QList<QImage> m;
        QFont font(QStringLiteral("Liberation Sans"));
        font.setBold(true);
        font.setPixelSize(96);
        for (int c = 0; c < 10; ++c) {
            QImage tela(120, 140, QImage::Format_RGB32);
            tela.fill(Qt::black);
            QPainter pittore(&tela);
            pittore.setFont(font);
            pittore.setPen(Qt::white);
            pittore.drawText(tela.rect(), Qt::AlignCenter, QString::number(c));
            pittore.end();
            QRect inchiostro;
            for (int y = 0; y < tela.height(); ++y)
                for (int x = 0; x < tela.width(); ++x)
                    if (qGray(tela.pixel(x, y)) > 127)
                        inchiostro |= QRect(x, y, 1, 1);
            m << normalizzato(tela.copy(inchiostro));
        }
        return m;
    }();
    return modelli;
}

int cifra(const QImage& glifo) {
    const QImage g = normalizzato(glifo);
    int migliore = 0, distanzaMinima = INT_MAX;
    for (int c = 0; c < 10; ++c) {
        int distanza = 0;
        for (int y = 0; y < 24; ++y)
            for (int x = 0; x < 24; ++x)
                distanza += (qGray(g.pixel(x, y)) > 127) != (qGray(cifre()[c].pixel(x, y)) > 127);
        if (distanza < distanzaMinima) {
            distanzaMinima = distanza;
            migliore = c;
        }
    }
    return migliore;
}

}  // namespace

QList<int> numeriRossi(const QImage& immagine, int alto, int basso) {
    // Columns with red ink make glyphs; glyphs close together make one number.
    QList<QRect> glifi;
    for (int x = 0; x < immagine.width(); ++x) {
        QRect colonna;
        for (int y = std::max(alto, 0); y < std::min(basso, immagine.height()); ++y)
            if (rosso(immagine.pixel(x, y)))
                colonna |= QRect(x, y, 1, 1);
        if (colonna.isEmpty())
            continue;
        if (!glifi.isEmpty() && glifi.last().right() == x - 1)
            glifi.last() |= colonna;
        else
            glifi << colonna;
    }
    QList<int> numeri;
    int fine = -1000;
    for (const QRect& g : glifi) {
        QImage inchiostro(g.size(), QImage::Format_RGB32);
        for (int y = 0; y < g.height(); ++y)
            for (int x = 0; x < g.width(); ++x)
                inchiostro.setPixel(x, y,
                                    rosso(immagine.pixel(g.x() + x, g.y() + y))
                                        ? qRgb(255, 255, 255)
                                        : qRgb(0, 0, 0));
        const int c = cifra(inchiostro);
        if (g.left() - fine < g.height() / 2 && !numeri.isEmpty())
            numeri.last() = numeri.last() * 10 + c;
        else
            numeri << c;
        fine = g.right();
    }
    return numeri;
}

bool rispondi(unsigned long esercizi, bool giusta) {
    // The rows of the window where the terms stand, and where the outcome is written.
    const auto esito = [esercizi] {
        return !zonaDelColore(immagine(esercizi).copy(0, 262, 2000, 84), qRgb(255, 0, 0)).isEmpty();
    };
    if (!QTest::qWaitFor([&] { return !esito(); }, 10000))
        return false;
    const QList<int> termini = numeriRossi(immagine(esercizi), 72, 260);
    if (termini.size() != 2)
        return false;
    QStringList cifre;
    for (const QChar c : QString::number(termini[0] * termini[1] + (giusta ? 0 : 1)))
        cifre << QString(c);
    return tasti(cifre << "Return") && QTest::qWaitFor(esito, 10000);
}

bool clic(QPoint punto) {
    // Not "mousemove --sync": it waits for the pointer to move, forever when it is there already.
    // The pointer then rests in the screen's corner: left on a button, it would light it up for
    // whatever the next test reads there.
    return server->esegui(QStringLiteral("xdotool"),
                          {"mousemove", QString::number(punto.x()), QString::number(punto.y()),
                           "sleep", "0.2", "click", "1", "sleep", "0.1", "mousemove", "0", "0"});
}

bool tasti(const QStringList& nomi) {
    return server->esegui(QStringLiteral("xdotool"), QStringList{"key", "--delay", "40"} + nomi);
}

QString fotografia(const QString& nome) {
    const QString file = QDir(QDir::tempPath()).filePath("wine_tests-" + nome + ".png");
    QGuiApplication::primaryScreen()->grabWindow(0).save(file);
    return file;
}

QString appunti(const QString& atteso) {
    QString testo;
    (void)QTest::qWaitFor(
        [&] {
            testo = QGuiApplication::clipboard()->text();
            return testo.contains(atteso);
        },
        5000);
    return testo;
}

}  // namespace schermo
