#pragma once

#include <gtest/gtest.h>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <optional>

#include "exercise/FrmOperativoMeno.h"
#include "shell/Finestre.h"
#include "shell/Modulo1.h"
#include "support/Controlli.h"
#include "support/FakePlatform.h"

namespace finestra_esercizio {

// The keypad, caption by caption.
inline const std::pair<const char*, const char*> kTasti[] = {
    {"1", "Command2"},  {"2", "Command3"},  {"3", "Command4"},   {"4", "Command5"},
    {"5", "Command6"},  {"6", "Command7"},  {"7", "Command8"},   {"8", "Command9"},
    {"9", "Command10"}, {"0", "Command13"}, {"00", "Command11"}, {"000", "Command12"},
};

inline QString nomeTasto(const QString& cifre) {
    for (const auto& [testo, nome] : kTasti)
        if (cifre == QLatin1String(testo))
            return QLatin1String(nome);
    ADD_FAILURE() << "no keypad button for " << cifre.toStdString();
    return {};
}

inline const QStringList kComandi = {"CmdVerifica", "CmdOperazione", "CmdEsercizio", "CmdStampa",
                                     "CmdFine"};

}  // namespace finestra_esercizio

using namespace finestra_esercizio;

// The exercise window opened through the registry, with the session set up as the start
// window leaves it before its first access.
class FinestraEsercizio : public ::testing::Test {
  protected:
    FakePlatform f;
    Modulo1 stato;
    // The services the windows use: the fakes, unless a test puts real ones in.
    Platform* piattaforma = &f.platform;
    std::optional<Finestre> finestre;
    FrmOperativoMeno* w = nullptr;

    void SetUp() override { QGuiApplication::clipboard()->clear(); }

    void apri(int minimo, int massimo, int livello, int da, int a) {
        stato.numeroMinimo = minimo;
        stato.numeroMassimo = massimo;
        stato.livelloScelto = livello;
        stato.posizioneDa = da;
        stato.posizioneA = a;
        if (!finestre)
            finestre.emplace(stato, *piattaforma);
        w = &finestre->operativo();
        Finestre::mostra(*w);
        QApplication::setActiveWindow(w);
    }
    // A practice in mode "Calcolo del prodotto", range 1..99.
    void apri() { apri(1, 99, 4, 1, 1); }

    template <class T = QWidget>
    T* trova(const QString& nome) const {
        return controllo<T>(w, nome);
    }
    QLineEdit* casella() const { return trova<QLineEdit>("TxtRisultato"); }
    QString testo(const QString& etichetta) const { return trova<QLabel>(etichetta)->text(); }
    QAction* voce(const QString& nome) const { return trova<QAction>(nome); }
    bool visibile(const QString& nome) const { return trova(nome)->isVisibleTo(w); }
    QStringList comandiVisibili() const {
        QStringList visibili;
        for (const QString& nome : kComandi)
            if (visibile(nome))
                visibili << nome;
        return visibili;
    }
    QStringList segniVisibili() const {
        QStringList visibili;
        for (int k = 1; k <= 20; ++k)
            if (visibile(QStringLiteral("Image%1").arg(k)))
                visibili << QStringLiteral("Image%1").arg(k);
        return visibili;
    }

    void premi(const QString& nome) { QTest::mouseClick(trova<QPushButton>(nome), Qt::LeftButton); }
    void tastierino(const QStringList& tasti) {
        for (const QString& tasto : tasti)
            premi(nomeTasto(tasto));
    }
    // Types `risposta` on the keypad `secondi` after the operation was shown, and verifies.
    void rispondi(const QString& risposta, double secondi = 3) {
        rispondiAlle(risposta, stato.inizioOperazione + secondi);
    }
    // The same, verified when the clock reads `adesso`.
    void rispondiAlle(const QString& risposta, double adesso) {
        for (QChar cifra : risposta)
            premi(nomeTasto(cifra));
        f.clock.now = adesso;
        ASSERT_TRUE(visibile("CmdVerifica"));
        premi("CmdVerifica");
    }
    void rispondiGiusto(double secondi = 3) { rispondi(stato.rispostaAttesa, secondi); }
    void rispondiSbagliato(double secondi = 3) { rispondi(stato.rispostaAttesa + "0", secondi); }
    // The next operation or the next exercise, whichever is offered.
    void avanti() {
        const QString offerto = visibile("CmdOperazione") ? "CmdOperazione" : "CmdEsercizio";
        ASSERT_TRUE(visibile(offerto));
        premi(offerto);
    }
    // Answers operations until record `ultimo` has been verified.
    void giocaFinoA(int ultimo) {
        while (!testing::Test::HasFatalFailure()) {
            if (stato.contatoreOperazioni % 3 == 0)
                rispondiSbagliato();
            else
                rispondiGiusto();
            if (stato.contatoreOperazioni >= ultimo)
                return;
            avanti();
        }
    }
    void incolla(const QString& testo, QKeySequence::StandardKey comando = QKeySequence::Paste) {
        QGuiApplication::clipboard()->setText(testo);
        const QKeySequence tasti = QKeySequence::keyBindings(comando).value(0);
        QTest::keySequence(casella(), tasti);
    }
    void chiudiEliminate() { eliminaChiuse(); }
};
