#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTcpServer>
#include <QTest>
#include <QUrl>

#include "platform/Twips.h"
#include "support/Chromium.h"
#include "support/InizioDisegnato.h"
#include "support/ProcessoFiglio.h"
#include "support/Schermo.h"
#include "support/Zona.h"

// The program in a browser, as a school's tablet or Chromebook opens it: the folder the browser
// build made, served by a plain web server and shown in headless chromium, driven by the keyboard
// as a pupil would, and read from the page's pixels as the pupil sees them.

namespace {

// Every sound the page's audio starts, counted in the page.
const char* const kContaSuoni = R"((() => {
    window.suoni = 0;
    const start = AudioBufferSourceNode.prototype.start;
    AudioBufferSourceNode.prototype.start = function(...argomenti) {
        ++window.suoni;
        return start.apply(this, argomenti);
    };
})();)";

bool disegnato(const QImage& im) {
    return inizioDisegnatoIn(im);
}

// The exercise window's body, light yellow in the colours of the first mode: the panel of the
// operation at its top, the terms in large red digits in the band below that top.
QRect pannelloOperazione(const QImage& im) {
    return schermo::zonaDelColore(im, qRgb(250, 250, 200));
}
QRect termini(const QRect& pannello) {
    return QRect(pannello.left(), pannello.top(), pannello.width(), 140);
}

// The digits of the product of the operation the panel shows, read off the page as the pupil
// reads it; none when its two terms cannot be read.
QStringList prodotto(const QImage& im, const QRect& pannello) {
    const QList<int> letti = schermo::numeriRossi(im.copy(termini(pannello)), 0, 140);
    QStringList cifre;
    if (letti.size() == 2)
        for (const QChar c : QString::number(letti[0] * letti[1]))
            cifre << QString(c);
    return cifre;
}

// The outcome under the operation, written in red: whether it is there.
bool esitoScritto(const QImage& im, const QRect& pannello) {
    const QRect esito(pannello.left() + 30, pannello.top() + 184, 440, 70);
    return !schermo::zonaDelColore(im.copy(esito), qRgb(255, 0, 0)).isEmpty();
}

// How many pixels of `im` have the colour `colore`, give or take a little.
qsizetype quanti(const QImage& im, QRgb colore) {
    qsizetype n = 0;
    for (int y = 0; y < im.height(); ++y)
        for (int x = 0; x < im.width(); ++x)
            n += vicino(Rgb{qRed(im.pixel(x, y)), qGreen(im.pixel(x, y)), qBlue(im.pixel(x, y))},
                        qRed(colore), qGreen(colore), qBlue(colore));
    return n;
}

// What is in front, by the colour that covers most of it: a message box's grey, the report's
// cyan, the certificate's pink.
bool domanda(const QImage& im) {
    return quanti(im, qRgb(239, 239, 239)) > 40000;
}
bool resoconto(const QImage& im) {
    return quanti(im, qRgb(128, 255, 255)) > 150000;
}
const QRgb kColoreAttestato = qRgb(255, 192, 192);
bool attestatoDavanti(const QImage& im) {
    return quanti(im, kColoreAttestato) > 200000;
}
// The instruction at the foot of the exercise window.
const QRgb kColoreIstruzione = qRgb(192, 255, 255);

// A picture of the page saved for whoever reads a failure: where it is.
std::string salva(const QImage& im, const char* nome) {
    const QString file = QDir::temp().filePath(QStringLiteral("web_tests-%1.png").arg(nome));
    im.save(file);
    return file.toStdString();
}

// Whether the zone of `colore` stands whole in the page: none of it at the page's edges, and its
// sides in the proportion `rapporto` (width to height) of the control or window it paints.
bool intera(const QImage& im, QRgb colore, double rapporto) {
    const QRect zona = schermo::zonaDelColore(im, colore);
    return zona.width() > 40 && zona.left() > 0 && zona.top() > 0 &&
           zona.right() < im.width() - 1 && zona.bottom() < im.height() - 1 &&
           std::abs(zona.width() / rapporto - zona.height()) <= 2 + zona.height() * 0.03;
}

// The pages of the devices a school has: tablets upright and on their side (the page read as a
// mobile browser reads it), and the windows of desktop browsers. Each is shown in turn, the
// tablets turned from one way to the other, and `whole` must hold of what the page shows.
template <class Whole>
void inOgniPagina(Chromium& browser, Whole whole, const char* cosa) {
    const struct {
        int larghezza, altezza;
        bool tablet;
    } pagine[] = {{1024, 768, true}, {768, 1024, true},   {800, 1280, true},
                  {1280, 800, true}, {1920, 1080, false}, {1024, 768, true}};
    for (const auto& p : pagine) {
        browser.dispositivo(p.larghezza, p.altezza, p.tablet);
        QImage im;
        const bool intera = QTest::qWaitFor([&] { return whole(im = browser.schermata()); }, 10000);
        const QString pagina = QStringLiteral("%1-%2x%3").arg(cosa).arg(p.larghezza).arg(p.altezza);
        EXPECT_TRUE(intera) << cosa << " not whole on a page of " << p.larghezza << "x" << p.altezza
                            << ": " << salva(im, qPrintable(pagina));
    }
    browser.dispositivo(1024, 768, false);
}

// A point of the exercise window, in twips as the window places its controls, from the top left
// of its body in the mode's colour (the window's whole width, from 1080 twips down).
QPoint nelPannello(const QRect& pannello, double left, double top) {
    return pannello.topLeft() + QPoint(twips(left), twips(top - 1080));
}

// The text of a PDF file, by poppler's pdftotext.
QString testoPdf(const QString& file) {
    QString testo;
    EXPECT_TRUE(eseguiStrumento("pdftotext", {"-layout", file, "-"},
                                QProcessEnvironment::systemEnvironment(), &testo))
        << testo.toStdString();
    return testo;
}

class NelBrowser : public testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(server_.pronto()) << server_.errore().toStdString();
        ASSERT_TRUE(browser_.pronto()) << browser_.errore().toStdString();
        browser_.comando("Page.addScriptToEvaluateOnNewDocument", {{"source", kContaSuoni}});
    }

    // The page loaded, and the start window drawn on it.
    void apriIlProgramma() {
        ASSERT_TRUE(browser_.apri(server_.indirizzo() + "index.html"));
        const QImage inizio = attendi(disegnato, 60000);
        ASSERT_TRUE(disegnato(inizio))
            << "the start window was not drawn: " << salva(inizio, "inizio")
            << console().toStdString();
    }

    // The text the page shows in place of the program, and below it.
    QString avviso() {
        return browser_.valuta("document.querySelector('#stato').textContent").toString();
    }

    // Waits until `condizione` holds for what the page shows (at most `ms`); the last picture.
    template <class C>
    QImage attendi(C condizione, int ms = 20000) {
        QImage im;
        (void)QTest::qWaitFor([&] { return condizione(im = browser_.schermata()); }, ms);
        return im;
    }

    // A file the browser has downloaded, once it is whole: its path, empty if none came.
    QString scaricato(const QString& nome) {
        const QString file = QDir(browser_.download()).filePath(nome);
        (void)QTest::qWaitFor(
            [&] { return QFile::exists(file) && !QFile::exists(file + ".crdownload"); }, 30000);
        return QFile::exists(file) ? file : QString();
    }

    // The requests the page has made since event `da`, but for the downloads it made of
    // its own files (blob:).
    QStringList richieste(qsizetype da) const {
        QStringList indirizzi;
        for (qsizetype i = da; i < browser_.eventi().size(); ++i) {
            const QJsonObject& e = browser_.eventi()[i];
            const QString url = e["params"]["request"]["url"].toString();
            if (e["method"].toString() == "Network.requestWillBeSent" && !url.startsWith("blob:"))
                indirizzi << url;
        }
        return indirizzi;
    }

    // What the page wrote to its console, and the errors it met.
    QString console() const {
        QString testo;
        for (const QJsonObject& e : browser_.eventi()) {
            const QString metodo = e["method"].toString();
            if (metodo == "Runtime.consoleAPICalled")
                for (const QJsonValue a : e["params"]["args"].toArray())
                    testo += "\n" + a["value"].toVariant().toString();
            else if (metodo == "Runtime.exceptionThrown" || metodo == "Log.entryAdded")
                testo += "\n" + QString::fromUtf8(QJsonDocument(e["params"].toObject()).toJson());
        }
        return testo;
    }

    ServerWeb server_{QStringLiteral(DRILL_WEB_SITE)};
    Chromium browser_{1024, 768};
};

TEST_F(NelBrowser, AWholePracticeByKeyboardAndFingerBothPrintoutsAsPdfsAndNothingSentOrKept) {
    // The start window in front of the background, with the keys in its name box.
    ASSERT_NO_FATAL_FAILURE(apriIlProgramma());
    const qsizetype caricata = browser_.eventi().size();

    // Enter with the name box empty: "Introduci il nome", closed by Enter; the keys then go on
    // into the name box, with no click.
    const QRgb grigio = qRgb(239, 239, 239);
    const qsizetype grigi = quanti(browser_.schermata(), grigio);
    browser_.tasti({"Enter"});
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return quanti(browser_.schermata(), grigio) > grigi + 8000; }, 10000))
        << "no message for the empty name";
    browser_.tasti({"Enter"});
    ASSERT_TRUE(QTest::qWaitFor([&] { return quanti(browser_.schermata(), grigio) < grigi + 1000; },
                                10000));
    browser_.tasti({"L", "u", "c", "a", "Enter"});
    ASSERT_FALSE(schermo::zonaDelColore(
                     attendi([](const QImage& im) {
                         return !schermo::zonaDelColore(im, qRgb(255, 255, 128)).isEmpty();
                     }),
                     qRgb(255, 255, 128))
                     .isEmpty())
        << "the name typed did not reach the name box";

    // The first range, then forty products read off the page and typed right.
    browser_.tasti({"Enter"});
    const auto conEsercizio = [](const QImage& i) { return !pannelloOperazione(i).isEmpty(); };
    QImage im = attendi(conEsercizio);
    // The exercise window whole on every page: its body in the mode's colour, and the instruction
    // at its foot.
    inOgniPagina(
        browser_,
        [](const QImage& i) {
            return intera(i, qRgb(250, 250, 200), 11910.0 / (8340 - 1080)) &&
                   intera(i, kColoreIstruzione, 10245.0 / 270);
        },
        "esercizio");
    im = attendi(conEsercizio);
    for (int n = 1; n <= 40; ++n) {
        if (n == 21) {
            // Halfway, a reload (a stray F5, Ctrl+W or the back button) asks first; the pupil
            // stays, and the practice goes on.
            const qsizetype prima = browser_.eventi().size();
            browser_.comando("Page.reload", {}, 1000);
            ASSERT_TRUE(browser_.attendiEvento("Page.javascriptDialogOpening", prima, 10000))
                << "the page left without asking";
            browser_.comando("Page.handleJavaScriptDialog", {{"accept", false}});
        }
        const QRect pannello = pannelloOperazione(im);
        ASSERT_FALSE(pannello.isEmpty()) << "no exercise window at operation " << n;
        QStringList cifre = prodotto(im, pannello);
        ASSERT_FALSE(cifre.isEmpty()) << "operation " << n << ": " << salva(im, "operazione");
        if (n == 1) {
            // By finger alone: the keypad's digits, "V e r i f i c a", the next operation (in
            // its place).
            static const QHash<QChar, QPoint> tasto = {
                {'1', {240, 240}},   {'2', {1020, 240}}, {'3', {1800, 240}}, {'4', {240, 690}},
                {'5', {1020, 690}},  {'6', {1800, 690}}, {'7', {240, 1140}}, {'8', {1020, 1140}},
                {'9', {1800, 1140}}, {'0', {240, 1605}}};
            for (const QString& c : cifre)
                browser_.tocca(nelPannello(pannello, 8220 + tasto[c[0]].x() + 382,
                                           3090 + tasto[c[0]].y() + 202));
            browser_.tocca(nelPannello(pannello, 960 + 3405, 5715 + 247));
        } else if (n == 2) {
            // By a tablet's keyboard: a tap on the answer box opens it, what it types goes in,
            // and its Enter verifies.
            browser_.tocca(nelPannello(pannello, 90 + 8000 + 1507, 1080 + 285 + 847));
            EXPECT_EQ(browser_.valuta("document.activeElement.id").toString(), "tastiera")
                << "a tap on the answer box opened no keyboard";
            browser_.comando("Input.insertText", {{"text", cifre.join("")}});
            browser_.tasti({"Enter"});
        }
        if (n <= 2) {
            im = attendi([&](const QImage& i) { return esitoScritto(i, pannello); });
            ASSERT_TRUE(esitoScritto(im, pannello)) << "operation " << n << " not verified";
            browser_.tocca(nelPannello(pannello, 975 + 3405, 5715 + 247));
            im = attendi([&](const QImage& i) { return !esitoScritto(i, pannello); });
            continue;
        }
        browser_.tasti(cifre << "Enter");
        if (n == 40)
            break;  // the question at the end covers the outcome
        im = attendi([&](const QImage& i) { return esitoScritto(i, pannello); });
        ASSERT_TRUE(esitoScritto(im, pannello)) << "operation " << n << " not verified";
        browser_.tasti({"Enter"});
        im = attendi([&](const QImage& i) { return !esitoScritto(i, pannello); });
    }

    // The question at the end, in front; it keeps the practice against a stray Escape, and "Sì"
    // shows the report, whose "STAMPA LE OPERAZIONI" downloads the operations' page.
    ASSERT_TRUE(domanda(attendi(domanda))) << "no question at the end: " << salva(im, "domanda");
    browser_.tasti({"Escape"});
    QTest::qWait(500);
    ASSERT_TRUE(domanda(browser_.schermata())) << "Escape answered the question";
    browser_.tasti({"Enter"});
    ASSERT_TRUE(resoconto(attendi(resoconto))) << "no report";
    browser_.tasti({"Tab", "Enter"});
    const QString operazioni = scaricato("STAMPA DELLE OPERAZIONI.pdf");
    ASSERT_FALSE(operazioni.isEmpty())
        << "no operations page downloaded" << console().toStdString();
    const QString pagina = testoPdf(operazioni);
    EXPECT_TRUE(pagina.contains("SCUOLA ELEMENTARE")) << pagina.toStdString();
    EXPECT_EQ(pagina.count(QRegularExpression(R"(\b\d+\s+x\s+\d+\s+=)")), 40)
        << pagina.toStdString();

    // "Visualizza attestato": the certificate in front, printed at true size on a landscape A4
    // page.
    browser_.tasti({"Tab", "Enter"});
    ASSERT_TRUE(attestatoDavanti(attendi(attestatoDavanti))) << "no certificate";
    inOgniPagina(
        browser_, [](const QImage& i) { return intera(i, kColoreAttestato, 800.0 / 600); },
        "attestato");
    ASSERT_TRUE(attestatoDavanti(attendi(attestatoDavanti)));
    // A tap on the green margin brings the start window in front; the certificate stays above
    // the background, its edges round the start window. "E S C I" there closes the start window
    // and the background: the certificate is in front, with the keys.
    browser_.tocca({1020, 764});
    const auto inizioDavanti = [](const QImage& i) {
        return !attestatoDavanti(i) && quanti(i, qRgb(0, 255, 255)) > 5000;
    };
    const QImage sfondo = attendi(inizioDavanti);
    ASSERT_TRUE(inizioDavanti(sfondo)) << salva(sfondo, "sfondo");
    QPoint bordo;
    for (int y = 2; y < sfondo.height() - 2 && bordo.isNull(); ++y)
        for (int x = 0; x < sfondo.width(); ++x)
            if (quanti(sfondo.copy(x, y - 2, 1, 5), kColoreAttestato) == 5)
                bordo = {x, y};
    ASSERT_FALSE(bordo.isNull()) << "the background hid the certificate: "
                                 << salva(sfondo, "sfondo");
    browser_.tocca(schermo::zonaDelColore(sfondo, qRgb(255, 224, 192)).center());
    ASSERT_TRUE(attestatoDavanti(attendi(attestatoDavanti)));
    browser_.tasti({"Enter"});
    const QString attestato = scaricato("ATTESTATO.pdf");
    ASSERT_FALSE(attestato.isEmpty()) << "no certificate downloaded";
    EXPECT_TRUE(testoPdf(attestato).contains("OTTIMO"));
    // The name typed after the message.
    EXPECT_TRUE(testoPdf(attestato).contains("Luca"));
    QString info;
    eseguiStrumento("pdfinfo", {attestato}, QProcessEnvironment::systemEnvironment(), &info);
    EXPECT_TRUE(
        info.contains(QRegularExpression(R"(Page size:\s+84[12][.\d]* x 595[.\d]* pts \(A4\))")))
        << info.toStdString();
    // At 96 dots to the inch the window's 800 x 600 pixels are its own size on paper.
    const QString base = QDir(browser_.download()).filePath("attestato");
    ASSERT_TRUE(eseguiStrumento("pdftoppm", {"-r", "96", "-png", "-singlefile", attestato, base},
                                QProcessEnvironment::systemEnvironment()));
    QImage carta(base + ".png");
    carta = carta.convertToFormat(QImage::Format_RGB32);
    const QRect disegno = zona(carta, [](QRgb p) { return qGray(p) < 250; });
    EXPECT_NEAR(disegno.width(), 800, 3);
    EXPECT_NEAR(disegno.height(), 600, 3);

    // The chime, once for each right answer, through the page's audio.
    EXPECT_EQ(browser_.valuta("window.suoni").toInt(), 40);

    // Nothing went out once the program was there, and the browser keeps nothing of it.
    EXPECT_EQ(richieste(caricata).join(' ').toStdString(), "");
    EXPECT_TRUE(browser_.comando("Network.getCookies")["cookies"].toArray().isEmpty());
    EXPECT_EQ(browser_.valuta("localStorage.length + sessionStorage.length").toInt(), 0);
    EXPECT_EQ(browser_.valuta("indexedDB.databases().then(d => d.length)").toInt(), 0);
    EXPECT_EQ(browser_.valuta("caches.keys().then(k => k.length)").toInt(), 0);
    // No script runs but the page's files: one slipped into the page does nothing.
    EXPECT_TRUE(browser_
                    .valuta("const s = document.createElement('script');"
                            "s.textContent = 'window.iniettato = 1;';"
                            "document.body.appendChild(s); window.iniettato === undefined")
                    .toBool());

    // "FINE SESSIONE" ends the program; the page says so, and nothing went wrong on the way.
    browser_.tasti({"Tab", "Enter"});
    EXPECT_TRUE(QTest::qWaitFor([&] { return avviso().startsWith("Sessione terminata"); }, 10000))
        << avviso().toStdString();
    QTest::qWait(500);
    for (const QJsonObject& e : browser_.eventi())
        EXPECT_NE(e["method"].toString(), "Runtime.exceptionThrown") << console().toStdString();
}

// With port 8080 taken (another server on the machine, a second ./run --web), the page is served
// on the next free port, at the address printed.
TEST_F(NelBrowser, APortTakenLeavesThePageOnTheNextFreeOne) {
    QTcpServer occupato;
    (void)occupato.listen(QHostAddress::LocalHost, 8080);  // or the fixture's server has it
    ServerWeb altro{QStringLiteral(DRILL_WEB_SITE)};
    ASSERT_TRUE(altro.pronto()) << altro.errore().toStdString();
    EXPECT_GT(QUrl(altro.indirizzo()).port(), 8080);
    ASSERT_TRUE(browser_.apri(altro.indirizzo() + "index.html"));
    EXPECT_EQ(browser_.valuta("document.title").toString(), "ROVOROREZOVERED.1");
}

// On a slow school Wi-Fi the page shows how much of the program has come, and starts it; a
// program that stops by an error is not told as the end of a session.
TEST_F(NelBrowser, TheDownloadShowsItsProgressAndACrashIsToldApartFromTheEnd) {
    // The page's audio broken, so that the first right answer crashes the program.
    browser_.comando("Page.addScriptToEvaluateOnNewDocument",
                     {{"source",
                       "window.AudioContext = function() {"
                       " throw new Error('audio guasto'); };"}});
    // About 2 Mbit/s, as a class shares a school's connection.
    browser_.comando("Network.emulateNetworkConditions", {{"offline", false},
                                                          {"latency", 40},
                                                          {"downloadThroughput", 250000},
                                                          {"uploadThroughput", 250000}});
    ASSERT_TRUE(browser_.apri(server_.indirizzo() + "index.html"));
    QSet<int> letti;
    const QString quota = "document.querySelector('#avanzamento').value";
    (void)QTest::qWaitFor(
        [&] {
            if (const int v = browser_.valuta(quota).toInt(); v > 0)
                letti.insert(v);
            return letti.size() >= 3;
        },
        30000);
    EXPECT_GE(letti.size(), 3) << "the progress bar did not move";
    EXPECT_TRUE(avviso().contains(QRegularExpression(R"(\d+%)"))) << avviso().toStdString();
    browser_.comando(
        "Network.emulateNetworkConditions",
        {{"offline", false}, {"latency", 0}, {"downloadThroughput", -1}, {"uploadThroughput", -1}});
    ASSERT_TRUE(disegnato(attendi(disegnato, 60000))) << console().toStdString();

    browser_.tasti({"L", "u", "c", "a", "Enter", "Enter"});
    const QImage im = attendi([](const QImage& i) { return !pannelloOperazione(i).isEmpty(); });
    const QStringList cifre = prodotto(im, pannelloOperazione(im));
    ASSERT_FALSE(cifre.isEmpty()) << salva(im, "crash");
    browser_.tasti(cifre + QStringList{"Enter"});
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return avviso().startsWith("Il programma si è fermato per un errore."); }, 10000))
        << avviso().toStdString();
    EXPECT_TRUE(browser_.valuta("document.querySelector('#dettaglio').textContent")
                    .toString()
                    .contains("audio guasto"));
}

}  // namespace
