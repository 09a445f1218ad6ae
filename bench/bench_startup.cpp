// Start-up by phase, on the platform the environment gives (QT_QPA_PLATFORM): the application
// object, the background window shown, the start window shown, the start window exposed
// (mapped, on a real X server). The phases are read off the windows' own show events, so the
// program runs exactly as main() runs it.
#include <QApplication>
#include <QElapsedTimer>
#include <QWindow>
#include <cstdio>

#include "shell/Programma.h"

namespace {

// Notes when the background window and the start window are shown and exposed.
class Osservatore : public QObject {
  public:
    explicit Osservatore(const QElapsedTimer& orologio) : orologio_(orologio) {}
    double sfondoMostrato = -1, inizioMostrato = -1, inizioEsposto = -1;

    bool eventFilter(QObject* oggetto, QEvent* evento) override {
        const QString nome = oggetto->objectName();
        if (evento->type() == QEvent::Show && nome == QLatin1String("frmSfondo") &&
            sfondoMostrato < 0)
            sfondoMostrato = ms();
        if (evento->type() == QEvent::Show && nome == QLatin1String("FrmInizio") &&
            inizioMostrato < 0)
            inizioMostrato = ms();
        if (evento->type() == QEvent::Expose && inizioEsposto < 0) {
            auto* finestra = qobject_cast<QWindow*>(oggetto);
            if (finestra && finestra->isExposed() &&
                finestra->title() == QLatin1String("ROVOROREZOVERED.1"))
                inizioEsposto = ms();
        }
        return false;
    }

  private:
    double ms() const { return orologio_.nsecsElapsed() / 1e6; }
    const QElapsedTimer& orologio_;
};

}  // namespace

int main(int argc, char* argv[]) {
    QElapsedTimer orologio;
    orologio.start();

    QApplication app(argc, argv);
    QTranslator traduzioni;
    preparaApplicazione(app, traduzioni);
    const double applicazione = orologio.nsecsElapsed() / 1e6;

    Osservatore osservatore(orologio);
    app.installEventFilter(&osservatore);
    Programma programma;
    programma.avvia();
    while (osservatore.inizioEsposto < 0 && orologio.elapsed() < 10000)
        QApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);

    std::printf("platform: %s\n", qPrintable(QGuiApplication::platformName()));
    std::printf("application object:            %7.1f ms\n", applicazione);
    std::printf("background window shown:       %7.1f ms (+%.1f)\n", osservatore.sfondoMostrato,
                osservatore.sfondoMostrato - applicazione);
    std::printf("start window shown:            %7.1f ms (+%.1f)\n", osservatore.inizioMostrato,
                osservatore.inizioMostrato - osservatore.sfondoMostrato);
    std::printf("start window exposed (mapped): %7.1f ms (+%.1f)\n", osservatore.inizioEsposto,
                osservatore.inizioEsposto - osservatore.inizioMostrato);
    return osservatore.inizioEsposto < 0 ? 1 : 0;
}
