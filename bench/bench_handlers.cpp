// The handlers of a practice of forty operations through the real windows with the fakes:
// median and maximum time of each handler, the time to fill the report and the certificate,
// the peak resident memory after the practice, and how soon the sound of a right answer
// starts loading with the real sound adapter.
#include <QSoundEffect>
#include <QTest>

#include "PraticaScriptata.h"
#include "platform/QtSound.h"
#include "reports/FrmAttestato.h"
#include "reports/FrmStampa.h"

#ifdef Q_OS_LINUX
#include <sys/resource.h>
#include "shell/Aspetto.h"
#endif

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    preparaAspetto();

    std::vector<double> operazione, verifica, tastierino, esercizio;
    Pratica pratica;
    pratica.fakes.clock.passo = 1.7;
    pratica.fakes.dialogs.risposta = Dialogs::No;  // the report is timed on its own below
    pratica.apri();
    for (int n = 1; n <= 40; ++n) {
        // Every third answer is wrong: both branches of the verification are timed.
        const QString risposta = n % 3 ? pratica.stato.rispostaAttesa : QStringLiteral("0");
        for (QChar cifra : risposta)
            tastierino.push_back(cronometra([&] { pratica.tasto(cifra)->click(); }));
        const double v = cronometra([&] { pratica.pulsante("CmdVerifica")->click(); });
        if (n < 40)  // the fortieth also asks the final question
            verifica.push_back(v);
        if (n == 40)
            break;
        if (n % 10)
            operazione.push_back(cronometra([&] { pratica.pulsante("CmdOperazione")->click(); }));
        else
            esercizio.push_back(cronometra([&] { pratica.pulsante("CmdEsercizio")->click(); }));
        QApplication::processEvents();
    }
    // The No answer started a new practice; play it to its end again and keep that session
    // for the report and the certificate.
    pratica.fakes.dialogs.risposta = Dialogs::Yes;
    pratica.rispondiTutteGiuste();
    if (FrmStampa* aperta = pratica.finestre.stampaSeCaricato())
        aperta->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    std::vector<double> rapporto, attestato;
    for (int i = 0; i < 10; ++i) {
        rapporto.push_back(cronometra([&] { Finestre::mostra(pratica.finestre.stampa()); }));
        pratica.finestre.stampa().close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        attestato.push_back(cronometra([&] {
            FrmAttestato& a = pratica.finestre.attestato();
            Finestre::mostra(a);
            a.Form_Activate();
        }));
        pratica.finestre.attestato().close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    std::printf("platform: %s\n", qPrintable(QGuiApplication::platformName()));
    stampaMisure("keypad press", tastierino);
    stampaMisure("verifica (CmdVerifica)", verifica);
    stampaMisure("CmdOperazione_Click", operazione);
    stampaMisure("CmdEsercizio_Click", esercizio);
    stampaMisure("report filled (FrmStampa)", rapporto);
    stampaMisure("certificate filled", attestato);
#ifdef Q_OS_LINUX
    rusage uso{};
    getrusage(RUSAGE_SELF, &uso);
    std::printf("peak resident memory after the practice: %.1f MiB\n", uso.ru_maxrss / 1024.0);
#endif

    // The real sound adapter: from the right answer's click to the chime loaded and asked to
    // play (with no audio device it cannot go further).
    QtSound suono;
    const QString file = QCoreApplication::applicationDirPath() + QStringLiteral("/positivo.wav");
    std::vector<double> avvio;
    int pronti = 0;
    for (int i = 0; i < 10; ++i) {
        QElapsedTimer t;
        t.start();
        if (!suono.play(file, Sound::Async)) {
            std::printf("the chime %s cannot be played\n", qPrintable(file));
            return 1;
        }
        const QList<QSoundEffect*> effetti = suono.findChildren<QSoundEffect*>();
        QPointer<QSoundEffect> effetto = effetti.isEmpty() ? nullptr : effetti.last();
        while (effetto && effetto->status() != QSoundEffect::Ready &&
               effetto->status() != QSoundEffect::Error && t.elapsed() < 1000)
            QTest::qWait(1);
        avvio.push_back(t.nsecsElapsed() / 1e6);
        pronti += effetto && effetto->status() == QSoundEffect::Ready;
        QTest::qWait(20);
    }
    std::printf("chime ready to play in %d of 10 plays\n", pronti);
    stampaMisure("sound loaded after play()", avvio);
    return 0;
}
