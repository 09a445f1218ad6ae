// The random-event test: from the background window on, a seeded random sequence of clicks,
// keys, pastes, menu choices and window closes over every open window, with message boxes
// answering Yes or No at random and the clock moving by random amounts. After every step the
// invariants of the session must hold.
//
//   monkey_tests --steps 100000 --seed 42
#include <gtest/gtest.h>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>

#include <cmath>
#include <deque>
#include <memory>
#include <random>

#include "exercise/FrmOperativoMeno.h"
#include "reports/FrmAttestato.h"
#include "reports/FrmStampa.h"
#include "shell/Aspetto.h"
#include "shell/Finestre.h"
#include "shell/Modulo1.h"
#include "shell/frmSfondo.h"
#include "start/FrmInizio.h"
#include "start/frmValutazione.h"
#include "support/FakePlatform.h"

namespace {

long long gPassi = 2000;
unsigned gSeme = 1;

class Scimmia {
  public:
    explicit Scimmia(unsigned seme) : caso_(seme) { avvia(); }

    // One random action; returns its description.
    QString passo() {
        fakes_->clock.now = std::fmod(fakes_->clock.now + reale(0, 150), 86400.0);
        fakes_->dialogs.risposta = intero(0, 1) ? Dialogs::Yes : Dialogs::No;

        QString azione;
        std::vector<QWidget*> aperte = finestreVisibili();
        if (aperte.empty()) {
            avvia();
            azione = QStringLiteral("program started again");
        } else {
            // Most steps go to the exercise window while it is open, so that practices run
            // deep; the others spread over every open window.
            FrmOperativoMeno* operativo = finestre_->operativoSeCaricato();
            if (operativo && operativo->isVisible() && intero(0, 99) < 65)
                aperte = {operativo};
            const int dado = intero(0, 99);
            if (dado < 45)
                azione = clicPulsante(aperte);
            else if (dado < 52)
                azione = menu(aperte);
            else if (dado < 80)
                azione = tasto(aperte);
            else if (dado < 87)
                azione = incolla(aperte);
            else if (dado < 93)
                azione = combo(aperte);
            else if (dado < 99 || intero(0, 3))
                azione = clicSfondo();
            else
                azione = chiudi(aperte);
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        if (finestre_->operativoSeCaricato())
            massimoContatore = std::max(massimoContatore, stato_->contatoreOperazioni);
        for (const FakeDialogs::Box& box : fakes_->dialogs.boxes)
            finiPratica += box.title == QLatin1String("FINE ESERCITAZIONE");
        fakes_->dialogs.boxes.clear();
        return azione;
    }

    // How deep the walk went: the furthest operation reached, the practices ended, restarts.
    int massimoContatore = 0;
    int finiPratica = 0;
    int avvii = 0;

    // The first invariant broken, or an empty text.
    QString invarianti() const {
        for (const char* classe : {"frmSfondo", "FrmInizio", "frmValutazione", "FrmOperativoMeno",
                                   "FrmStampa", "FrmAttestato"}) {
            int istanze = 0;
            for (QWidget* w : QApplication::topLevelWidgets())
                istanze += QLatin1String(w->metaObject()->className()) == QLatin1String(classe);
            if (istanze > 1)
                return QStringLiteral("%1 instances of %2").arg(istanze).arg(classe);
        }
        FrmOperativoMeno* operativo = finestre_->operativoSeCaricato();
        if (!operativo)
            return {};
        const Modulo1& s = *stato_;
        if (s.numeroOperazione < 1 || s.numeroOperazione > 10)
            return QStringLiteral("numeroOperazione %1").arg(s.numeroOperazione);
        if (s.numeroEsercizio < 0 || s.numeroEsercizio > 4)
            return QStringLiteral("numeroEsercizio %1").arg(s.numeroEsercizio);
        if (s.contatoreOperazioni < 1 || s.contatoreOperazioni > 40)
            return QStringLiteral("contatoreOperazioni %1").arg(s.contatoreOperazioni);
        if (s.totaleEsatte > s.contatoreOperazioni)
            return QStringLiteral("totaleEsatte %1 > %2")
                .arg(s.totaleEsatte)
                .arg(s.contatoreOperazioni);

        const QString fine = QStringLiteral(" Tp");
        for (int i = 1; i < s.contatoreOperazioni; ++i) {
            if (!s.elencoOperazioni(i).endsWith(fine))
                return QStringLiteral("record %1 not verified: «%2»")
                    .arg(i)
                    .arg(s.elencoOperazioni(i));
        }
        for (int i = 1; i <= s.contatoreOperazioni; ++i) {
            if (s.elencoOperazioni(i).count(fine) > 1)
                return QStringLiteral("record %1 verified twice: «%2»")
                    .arg(i)
                    .arg(s.elencoOperazioni(i));
        }
        const int esercizio = s.numeroEsercizio == 0 ? 4 : s.numeroEsercizio;
        int verificate = 0;
        for (int i = (esercizio - 1) * 10 + 1; i <= s.contatoreOperazioni; ++i)
            verificate += s.elencoOperazioni(i).endsWith(fine);
        if (s.esatteEsercizio + s.errateEsercizio != verificate)
            return QStringLiteral("%1 right + %2 wrong, %3 verified")
                .arg(s.esatteEsercizio)
                .arg(s.errateEsercizio)
                .arg(verificate);

        int grandi = 0;
        for (const char* nome : {"CmdVerifica", "CmdOperazione", "CmdEsercizio", "cmdSfondo"}) {
            auto* b = operativo->findChild<QPushButton*>(QLatin1String(nome));
            grandi += b && b->isVisibleTo(operativo);
        }
        if (grandi > 1)
            return QStringLiteral("%1 large buttons visible").arg(grandi);
        return {};
    }

    ~Scimmia() { chiudiTutto(); }

  private:
    void chiudiTutto() {
        finestre_.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void avvia() {
        chiudiTutto();
        fakes_ = std::make_unique<FakePlatform>();
        fakes_->printer.fonts =
            intero(0, 4) ? QStringList{"Arial", "Courier New", "Courier"} : QStringList{"Arial"};
        fakes_->printer.result = intero(0, 4) ? Printer::Result::Printed : Printer::Result::Failed;
        fakes_->launcher.riesce = intero(0, 1);
        stato_ = std::make_unique<Modulo1>();
        finestre_ = std::make_unique<Finestre>(*stato_, fakes_->platform);
        finestre_->sfondo();
        ++avvii;
    }

    std::vector<QWidget*> finestreVisibili() const {
        std::vector<QWidget*> aperte;
        QWidget* tutte[] = {finestre_->sfondoSeCaricato(),      finestre_->inizioSeCaricato(),
                            finestre_->valutazioneSeCaricato(), finestre_->operativoSeCaricato(),
                            finestre_->stampaSeCaricato(),      finestre_->attestatoSeCaricato()};
        for (QWidget* w : tutte) {
            if (w && w->isVisible())
                aperte.push_back(w);
        }
        return aperte;
    }

    // Buttons and menu items that close a window or end the program: chosen far less often
    // than the others, or no practice would ever reach its end.
    static bool esce(const QString& nome) {
        static const QStringList uscite{"cmdFine", "CmdFine", "Command9",          "Command1",
                                        "mnuEsci", "MnuEsci", "FrmStampa.Command1"};
        return uscite.contains(nome);
    }

    // The buttons that move a practice on.
    static bool avanza(const QString& nome) {
        return nome == QLatin1String("CmdVerifica") || nome == QLatin1String("CmdOperazione") ||
               nome == QLatin1String("CmdEsercizio");
    }

    template <class T>
    T scegliPesato(const std::vector<T>& tra, const std::vector<QString>& nomi) {
        std::vector<int> pesi;
        for (const QString& nome : nomi)
            pesi.push_back(esce(nome) ? 1 : avanza(nome) ? 150 : 25);
        std::discrete_distribution<std::size_t> d(pesi.begin(), pesi.end());
        return tra[d(caso_)];
    }

    QString clicPulsante(const std::vector<QWidget*>& aperte) {
        std::vector<QPushButton*> pulsanti;
        std::vector<QString> nomi;
        for (QWidget* w : aperte) {
            for (QPushButton* b : w->findChildren<QPushButton*>()) {
                if (b->isVisible() && b->isEnabled()) {
                    pulsanti.push_back(b);
                    // The start window's Command1 is a range button, not a way out.
                    const bool inizio = qobject_cast<FrmInizio*>(w) != nullptr;
                    nomi.push_back(inizio && b->objectName() == QLatin1String("Command1")
                                       ? QStringLiteral("range")
                                       : b->objectName());
                }
            }
        }
        if (pulsanti.empty())
            return QStringLiteral("no button to click");
        QPushButton* b = scegliPesato(pulsanti, nomi);
        const QString nome = b->window()->objectName() + '.' + b->objectName();
        QTest::mouseClick(b, Qt::LeftButton);
        return QStringLiteral("click ") + nome;
    }

    QString menu(const std::vector<QWidget*>& aperte) {
        std::vector<QAction*> voci;
        std::vector<QString> nomi;
        for (QWidget* w : aperte) {
            if (auto* barra = w->findChild<QMenuBar*>()) {
                for (QAction* a : barra->findChildren<QAction*>()) {
                    if (!a->isSeparator() && !a->menu() && a->isEnabled()) {
                        voci.push_back(a);
                        nomi.push_back(a->objectName());
                    }
                }
            }
        }
        if (voci.empty())
            return QStringLiteral("no menu item");
        QAction* a = scegliPesato(voci, nomi);
        // Often the only enabled item is "Esci": most of the time the pupil thinks better of it.
        if (esce(a->objectName()) && intero(0, 24))
            return QStringLiteral("menu opened and closed");
        const QString nome = a->objectName().isEmpty() ? a->text() : a->objectName();
        a->trigger();
        return QStringLiteral("menu ") + nome;
    }

    QWidget* bersaglio(const std::vector<QWidget*>& aperte) {
        if (QWidget* fuoco = QApplication::focusWidget(); fuoco && fuoco->isVisible())
            return fuoco;
        QWidget* w = scegli(aperte);
        QApplication::setActiveWindow(w);
        return w->focusWidget() ? w->focusWidget() : w;
    }

    QString tasto(const std::vector<QWidget*>& aperte) {
        QWidget* w = bersaglio(aperte);
        const QString nome = w->objectName();
        switch (intero(0, 9)) {
            case 0:
                QTest::keyClick(w, Qt::Key_Backspace);
                return "Backspace on " + nome;
            case 1:
                QTest::keyClick(w, Qt::Key_Return);
                return "Return on " + nome;
            case 2:
                QTest::keyClick(w, Qt::Key_Enter, Qt::KeypadModifier);
                return "Enter on " + nome;
            case 3:
                QTest::keyClick(w, Qt::Key_Tab);
                return "Tab on " + nome;
            case 4: {
                const char lettera = char('a' + intero(0, 25));
                QTest::keyClick(w, lettera);
                return QStringLiteral("key %1 on %2").arg(lettera).arg(nome);
            }
            default: {
                const char cifra = char('0' + intero(0, 9));
                QTest::keyClick(w, cifra);
                return QStringLiteral("key %1 on %2").arg(cifra).arg(nome);
            }
        }
    }

    QString incolla(const std::vector<QWidget*>& aperte) {
        static const QString segni = QStringLiteral("0123456789abcXYZ è-");
        QString testo;
        for (int i = 0, n = intero(0, 20); i < n; ++i)
            testo += segni[intero(0, int(segni.size()) - 1)];
        QGuiApplication::clipboard()->setText(testo);
        QWidget* w = bersaglio(aperte);
        QTest::keyClick(w, Qt::Key_V, Qt::ControlModifier);
        return QStringLiteral("paste «%1» on %2").arg(testo, w->objectName());
    }

    QString combo(const std::vector<QWidget*>& aperte) {
        for (QWidget* w : aperte) {
            if (auto* c = w->findChild<QComboBox*>(); c && c->isVisible() && c->count() > 0) {
                const int indice = intero(0, c->count() - 1);
                c->setCurrentIndex(indice);
                emit c->activated(indice);
                return QStringLiteral("combo entry %1").arg(indice);
            }
        }
        return QStringLiteral("no combo");
    }

    QString clicSfondo() {
        frmSfondo* sfondo = finestre_->sfondoSeCaricato();
        if (!sfondo || !sfondo->isVisible())
            return QStringLiteral("no background window");
        if (intero(0, 3) == 0) {
            QTest::mouseDClick(sfondo, Qt::LeftButton, {}, QPoint(5, 5));
            return QStringLiteral("double click on the background");
        }
        QTest::mouseClick(sfondo, Qt::LeftButton, {}, QPoint(5, 5));
        return QStringLiteral("click on the background");
    }

    QString chiudi(const std::vector<QWidget*>& aperte) {
        QWidget* w = scegli(aperte);
        const QString nome = w->objectName();
        w->close();
        return QStringLiteral("close box of ") + nome;
    }

    int intero(int da, int a) { return std::uniform_int_distribution<int>(da, a)(caso_); }
    double reale(double da, double a) {
        return std::uniform_real_distribution<double>(da, a)(caso_);
    }
    template <class T>
    T scegli(const std::vector<T>& tra) {
        return tra[std::size_t(intero(0, int(tra.size()) - 1))];
    }

    std::mt19937 caso_;
    std::unique_ptr<FakePlatform> fakes_;
    std::unique_ptr<Modulo1> stato_;
    std::unique_ptr<Finestre> finestre_;
};

}  // namespace

TEST(Scimmia, InvariantsHoldAfterEveryRandomStep) {
    Scimmia scimmia(gSeme);
    std::deque<QString> ultime;
    for (long long n = 1; n <= gPassi; ++n) {
        ultime.push_back(scimmia.passo());
        if (ultime.size() > 20)
            ultime.pop_front();
        const QString rotto = scimmia.invarianti();
        if (!rotto.isEmpty()) {
            QString storia;
            for (const QString& a : ultime)
                storia += QStringLiteral("\n  ") + a;
            FAIL() << "seed " << gSeme << ", step " << n << ": " << rotto.toStdString()
                   << "\nlast actions:" << storia.toStdString();
        }
    }
    std::printf("furthest operation %d, practices ended %d, program starts %d\n",
                scimmia.massimoContatore, scimmia.finiPratica, scimmia.avvii);
}

// Qt's offscreen platform tells of every raise() it cannot do: thousands of lines here.
void filtraMessaggi(QtMsgType tipo, const QMessageLogContext& contesto, const QString& testo) {
    if (testo.startsWith(QLatin1String("This plugin does not support")))
        return;
    std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(tipo, contesto, testo)));
}

int main(int argc, char* argv[]) {
    qInstallMessageHandler(filtraMessaggi);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    preparaAspetto();
    testing::InitGoogleTest(&argc, argv);
    for (int i = 1; i + 1 < argc; ++i) {
        if (QByteArray(argv[i]) == "--steps")
            gPassi = QByteArray(argv[i + 1]).toLongLong();
        if (QByteArray(argv[i]) == "--seed")
            gSeme = QByteArray(argv[i + 1]).toUInt();
    }
    std::printf("random-event test: %lld steps, seed %u\n", gPassi, gSeme);
    return RUN_ALL_TESTS();
}
