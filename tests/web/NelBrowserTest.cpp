#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>

#include "support/Chromium.h"
#include "support/InizioDisegnato.h"
#include "support/ProcessoFiglio.h"
#include "support/Schermo.h"

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
    return inizioDisegnato(im.width(), im.height(), [&im](int x, int y) {
        const QRgb c = im.pixel(x, y);
        return Rgb{qRed(c), qGreen(c), qBlue(c)};
    });
}

// The exercise window's body, light yellow in the colours of the first mode: the panel of the
// operation at its top, the terms in large red digits in the band below that top.
QRect pannelloOperazione(const QImage& im) {
    return schermo::zonaDelColore(im, qRgb(250, 250, 200));
}
QRect termini(const QRect& pannello) {
    return QRect(pannello.left(), pannello.top(), pannello.width(), 140);
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
bool attestatoDavanti(const QImage& im) {
    return quanti(im, qRgb(255, 192, 192)) > 200000;
}

// The text of a PDF file, by poppler's pdftotext.
QString testoPdf(const QString& file) {
    QString testo;
    EXPECT_TRUE(eseguiStrumento("pdftotext", {"-layout", file, "-"},
                                QProcessEnvironment::systemEnvironment(), &testo))
        << testo.toStdString();
    return testo;
}

// A picture of the page saved for whoever reads a failure: where it is.
std::string salva(const QImage& im, const char* nome) {
    const QString file = QDir::temp().filePath(QStringLiteral("web_tests-%1.png").arg(nome));
    im.save(file);
    return file.toStdString();
}

class NelBrowser : public testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(server_.pronto()) << server_.errore().toStdString();
        ASSERT_TRUE(browser_.pronto()) << browser_.errore().toStdString();
        browser_.comando("Page.addScriptToEvaluateOnNewDocument", {{"source", kContaSuoni}});
        ASSERT_TRUE(browser_.apri(server_.indirizzo() + "index.html"));
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

TEST_F(NelBrowser, AWholePracticeByKeyboardBothPrintoutsAsPdfsAndNothingSentOrKept) {
    // The start window in front of the background, with the keys in its name box.
    const QImage inizio = attendi(disegnato, 60000);
    ASSERT_TRUE(disegnato(inizio))
        << "the start window was not drawn: " << salva(inizio, "inizio") << console().toStdString();
    const qsizetype caricata = browser_.eventi().size();
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
    QImage im = attendi([](const QImage& i) { return !pannelloOperazione(i).isEmpty(); });
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
        const QList<int> letti = schermo::numeriRossi(im.copy(termini(pannello)), 0, 140);
        ASSERT_EQ(letti.size(), 2) << "operation " << n << ": " << salva(im, "operazione");
        QStringList cifre;
        for (const QChar c : QString::number(letti[0] * letti[1]))
            cifre << QString(c);
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
    browser_.tasti({"Enter"});
    const QString attestato = scaricato("ATTESTATO.pdf");
    ASSERT_FALSE(attestato.isEmpty()) << "no certificate downloaded";
    EXPECT_TRUE(testoPdf(attestato).contains("OTTIMO"));
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
    QRect disegno;
    for (int y = 0; y < carta.height(); ++y)
        for (int x = 0; x < carta.width(); ++x)
            if (qGray(carta.pixel(x, y)) < 250)
                disegno |= QRect(x, y, 1, 1);
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

    // "FINE SESSIONE" ends the program; the page says so.
    browser_.tasti({"Tab", "Enter"});
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            return browser_.valuta("document.querySelector('#stato').textContent")
                .toString()
                .startsWith("Sessione terminata");
        },
        10000));
}

}  // namespace
