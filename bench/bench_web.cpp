// bench_web DRILL_PAGE BARE_PAGE [ROUNDS]
// The program in a browser, measured as a school's device meets it. DRILL_PAGE and BARE_PAGE are
// the folders of the drill's page and of the bare Qt program's (build-web/rovororezovered-*-web
// and build-web/bench/minimal-web). Prints:
// - the drill's download, file by file and in all, as it is and gzip-compressed (as web servers
//   send it);
// - for each, alternately, ROUNDS times, in a fresh headless chromium (empty cache) on a page
//   served from 127.0.0.1: the milliseconds from the start of the navigation to the first frame
//   the page shows with the start window fully drawn (the title band's cyan, the title's dark
//   red letters on it, the name panel's pink: the same rule as the desktop start-up benchmark),
//   read from chromium's screencast of the page and its frames' own timestamps;
// and the medians, their quartiles and the ratio of the medians.
#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QJsonArray>
#include <QJsonObject>
#include <QProcess>
#include <QTest>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "support/Chromium.h"
#include "support/InizioDisegnato.h"

namespace {

bool disegnato(const QImage& im) {
    return inizioDisegnatoIn(im);
}

qint64 compresso(const QString& file) {
    QProcess gzip;
    gzip.start(QStringLiteral("gzip"), {"-9", "-c", file});
    gzip.waitForFinished(60000);
    return gzip.readAllStandardOutput().size();
}

// Milliseconds from navigation start to the first frame with the start window drawn; -1 if none
// came within a minute.
double primoDisegno(const QString& indirizzo) {
    Chromium browser(1024, 768);
    if (!browser.pronto()) {
        std::fprintf(stderr, "%s\n", qPrintable(browser.errore()));
        return -1;
    }
    browser.comando("Page.startScreencast", {{"format", "png"}, {"everyNthFrame", 1}});
    const qsizetype da = browser.eventi().size();
    browser.comando("Page.navigate", {{"url", indirizzo}});
    double disegno = -1;
    qsizetype visti = da;
    (void)QTest::qWaitFor(
        [&] {
            for (; visti < browser.eventi().size() && disegno < 0; ++visti) {
                const QJsonObject e = browser.eventi()[visti];  // the list grows while it acks
                if (e["method"].toString() != "Page.screencastFrame")
                    continue;
                browser.comando("Page.screencastFrameAck",
                                {{"sessionId", e["params"]["sessionId"].toInt()}});
                const QImage frame =
                    QImage::fromData(
                        QByteArray::fromBase64(e["params"]["data"].toString().toLatin1()), "PNG")
                        .convertToFormat(QImage::Format_RGB32);
                if (disegnato(frame))
                    disegno = e["params"]["metadata"]["timestamp"].toDouble() * 1000.0;
            }
            return disegno >= 0;
        },
        60000);
    if (disegno < 0)
        return -1;
    return disegno - browser.valuta("performance.timeOrigin").toDouble();
}

double quantile(std::vector<double> v, double p) {
    std::sort(v.begin(), v.end());
    const double i = (v.size() - 1) * p;
    const auto lo = static_cast<std::size_t>(i);
    return lo + 1 < v.size() ? v[lo] + (i - lo) * (v[lo + 1] - v[lo]) : v[lo];
}

}  // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s DRILL_PAGE BARE_PAGE [ROUNDS]\n", argv[0]);
        return 2;
    }
    const QString pagine[] = {QString::fromLocal8Bit(argv[1]), QString::fromLocal8Bit(argv[2])};
    const int giri = argc > 3 ? std::atoi(argv[3]) : 11;

    std::printf("the drill's download              as it is     gzip -9\n");
    qint64 tutto = 0, tuttoCompresso = 0;
    for (const QFileInfo& f : QDir(pagine[0]).entryInfoList(QDir::Files, QDir::Name)) {
        const qint64 c = compresso(f.filePath());
        tutto += f.size();
        tuttoCompresso += c;
        std::printf("  %-30s %10lld  %10lld\n", qPrintable(f.fileName()), f.size(), c);
    }
    std::printf("  %-30s %10lld  %10lld  (%.2f MB compressed; at most 8 MB)\n", "in all", tutto,
                tuttoCompresso, tuttoCompresso / 1e6);

    ServerWeb programma(pagine[0]), nudo(pagine[1]);
    const ServerWeb* server[] = {&programma, &nudo};
    for (const ServerWeb* s : server)
        if (!s->pronto()) {
            std::fprintf(stderr, "%s\n", qPrintable(s->errore()));
            return 1;
        }
    std::vector<double> tempi[2];
    primoDisegno(server[0]->indirizzo());  // chromium's own files read from disk once
    for (int g = 0; g < giri; ++g)
        for (int k = 0; k < 2; ++k) {
            const double t = primoDisegno(server[k]->indirizzo());
            if (t < 0) {
                std::fprintf(stderr, "no start window drawn on %s\n", qPrintable(pagine[k]));
                return 1;
            }
            tempi[k].push_back(t);
        }
    std::printf("\nrounds: %d, alternately, on %d cores; ms from navigation start\n", giri,
                QThread::idealThreadCount());
    const char* nomi[] = {"drill, start window drawn   ", "bare Qt program, window drawn"};
    for (int k = 0; k < 2; ++k)
        std::printf("%s  median %7.1f  quartiles %7.1f-%-7.1f\n", nomi[k], quantile(tempi[k], 0.5),
                    quantile(tempi[k], 0.25), quantile(tempi[k], 0.75));
    std::printf("ratio of the medians, drawn: %.2f (target at most 1.10)\n",
                quantile(tempi[0], 0.5) / quantile(tempi[1], 0.5));
    return 0;
}
