#pragma once

// A scripted practice through the real exercise window, with the fakes of the tests: the
// session set as the start window sets it, answers typed on the keypad, every button pressed
// as the pupil presses it.
#include <QApplication>
#include <QElapsedTimer>
#include <QPushButton>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "exercise/FrmOperativoMeno.h"
#include "shell/Finestre.h"
#include "shell/Modulo1.h"
#include "support/FakePlatform.h"

struct Pratica {
    FakePlatform fakes;
    Modulo1 stato;
    Finestre finestre{stato, fakes.platform};

    // Opens the exercise window as a range button does.
    FrmOperativoMeno& apri(int livello = 4, int da = 1, int a = 3) {
        const int minimi[] = {1, 30, 60, 1};
        const int massimi[] = {30, 60, 99, 99};
        stato.nomeAlunno = QStringLiteral("Giulia");
        stato.numeroMinimo = minimi[livello - 1];
        stato.numeroMassimo = massimi[livello - 1];
        stato.livelloScelto = livello;
        stato.posizioneDa = da;
        stato.posizioneA = a;
        FrmOperativoMeno& finestra = finestre.operativo();
        finestra.impostaRigaModalita(
            QStringLiteral(" Calcola il prodotto o il fattore esecondo casualità"));
        Finestre::mostra(finestra);
        return finestra;
    }

    // Answers the forty operations of a practice just begun, all of them right, pressing the
    // keypad, "V e r i f i c a " and the next command as the pupil does.
    void rispondiTutteGiuste() {
        for (int n = 1; n <= 40; ++n) {
            for (QChar cifra : stato.rispostaAttesa)
                tasto(cifra)->click();
            pulsante("CmdVerifica")->click();
            if (n < 40)
                pulsante(n % 10 ? "CmdOperazione" : "CmdEsercizio")->click();
        }
    }

    QPushButton* pulsante(const char* nome) {
        return finestre.operativo().findChild<QPushButton*>(QLatin1String(nome));
    }

    // The keypad button of one digit: "1".."9" are Command2..Command10, "0" is Command13.
    QPushButton* tasto(QChar cifra) {
        const int n = cifra == QLatin1Char('0') ? 13 : cifra.digitValue() + 1;
        return pulsante(QStringLiteral("Command%1").arg(n).toLatin1().constData());
    }
};

// Milliseconds of one call.
template <class F>
double cronometra(F&& f) {
    QElapsedTimer t;
    t.start();
    f();
    return t.nsecsElapsed() / 1e6;
}

inline void stampaMisure(const char* nome, std::vector<double> misure) {
    if (misure.empty())
        return;
    std::sort(misure.begin(), misure.end());
    const double mediana = misure.size() % 2
                               ? misure[misure.size() / 2]
                               : (misure[misure.size() / 2 - 1] + misure[misure.size() / 2]) / 2;
    std::printf("%-28s n=%3zu  median %7.3f ms  max %7.3f ms\n", nome, misure.size(), mediana,
                misure.back());
}
