#include "exercise/FrmOperativoMeno.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

#include "exercise/CasellaRisultato.h"
#include "exercise/Domanda.h"
#include "exercise/Faccina.h"
#include "exercise/Generazione.h"
#include "exercise/Pratica.h"
#include "exercise/Verifica.h"
#include "platform/Platform.h"
#include "platform/Twips.h"
#include "platform/VbColor.h"
#include "reports/FrmAttestato.h"
#include "reports/FrmStampa.h"
#include "shell/Controlli.h"
#include "shell/Finestre.h"
#include "shell/Messaggio.h"
#include "shell/Modulo1.h"
#include "shell/Testi.h"

// The handlers of the exercise window; its controls are built in FrmOperativoMenoControlli.cpp.

// --- What the start window sets -----------------------------------------------------------

void FrmOperativoMeno::impostaSfondoFinestra(const QColor& colore) {
    impostaSfondo(area_, colore);
}

void FrmOperativoMeno::impostaSfondoNumero(const QColor& colore) {
    impostaSfondo(frmNumero_, colore);
}

void FrmOperativoMeno::impostaSfondoRisultato(const QColor& colore) {
    impostaSfondo(TxtRisultato_, colore);
}

void FrmOperativoMeno::impostaTestoRisultato(const QColor& colore) {
    impostaColoreTesto(TxtRisultato_, colore);
}

void FrmOperativoMeno::impostaColoreComandi(const QColor& colore) {
    impostaSfondo(frmElaborazione_, colore);
    impostaSfondo(frmValutazione_, colore);
    for (QPushButton* pulsante :
         {CmdFine_, cmdSfondo_, CmdVerifica_, CmdOperazione_, CmdEsercizio_, CmdStampa_})
        coloraPulsante(pulsante, colore);
}

void FrmOperativoMeno::impostaRigaModalita(const QString& testo) {
    Label1_->setText(testo);
    stato_.rigaModalita = testo;
}

QString FrmOperativoMeno::rigaModalita() const {
    return Label1_->text();
}

// --- The course of a practice ---------------------------------------------------------------

void FrmOperativoMeno::Form_Load() {
    mnuStampa_->setEnabled(false);
    mnuAttestato_->setEnabled(false);
    setWindowTitle(QStringLiteral("ESERCIZI SULLE ") + kTitoloProgramma);
    impostaSfondo(Label2_, vbColor(rgb(250, 200, 110)));
    impostaColoreTesto(Label2_, vbColor(0x00000080));
    impostaSfondo(Label1_, vbColor(rgb(255, 240, 150)));
    impostaColoreTesto(Label1_, vbColor(rgb(250, 170, 110)));
    impostaColoreTesto(TxtRisultato_, vbColor(0x00004080));
    Label2_->setText(QStringLiteral(" Operazione con numero massimo da ") +
                     QString::number(stato_.numeroMinimo) + QStringLiteral(" a ") +
                     QString::number(stato_.numeroMassimo));

    iniziaPratica(stato_);
    mostraInizioEsercizio();

    CmdFine_->show();
    CmdStampa_->hide();
    CmdOperazione_->hide();
    CmdVerifica_->hide();
    if (!nuovaSerie_) {
        CmdEsercizio_->hide();
    } else {
        stato_.numeroEsercizio = 0;
        stato_.contatoreOperazioni = 0;
        CmdEsercizio_Click();
    }
    TxtRisultato_->setReadOnly(false);

    livello();
    visualizza();
}

void FrmOperativoMeno::CmdOperazione_Click() {
    // An exercise has ten operations (the button is not offered after the tenth).
    if (stato_.numeroOperazione >= kOperazioniPerEsercizio)
        return;
    fraTastierino_->setEnabled(true);
    LblTempoParziale_->clear();
    avanzaOperazione(stato_);
    LblOperazione_->setText(QString::number(stato_.numeroOperazione));
    CmdOperazione_->hide();
    CmdVerifica_->hide();
    CmdEsercizio_->hide();
    TxtRisultato_->clear();
    livello();
    visualizza();
    TxtRisultato_->setReadOnly(false);
    TxtRisultato_->setFocus();
}

void FrmOperativoMeno::CmdEsercizio_Click() {
    // After the fortieth operation there is no further exercise in the records: the button
    // starts a new practice, as the answer No to the closing question does.
    if (praticaConclusa(stato_)) {
        ricominciaPratica();
        return;
    }
    // A practice has four exercises (the button is not offered during the fourth).
    if (stato_.numeroEsercizio >= kEserciziPerPratica)
        return;
    fraTastierino_->setEnabled(true);
    pulisciValutazione();
    avanzaEsercizio(stato_);
    mostraInizioEsercizio();
    CmdFine_->show();
    CmdVerifica_->hide();
    CmdOperazione_->hide();
    CmdEsercizio_->hide();
    CmdStampa_->hide();
    TxtRisultato_->setReadOnly(false);
    livello();
    visualizza();
    TxtRisultato_->setFocus();
}

void FrmOperativoMeno::mostraInizioEsercizio() {
    LblEsercizio_->setText(QString::number(stato_.numeroEsercizio));
    LblOperazione_->setText(QString::number(stato_.numeroOperazione));
    for (QLabel* etichetta :
         {LblTempoParziale_, LblTempoTotale_, LblNumero1_, LblNumero2_, LblEsito_})
        etichetta->clear();
}

void FrmOperativoMeno::ricominciaPratica() {
    svuotaRecord(stato_);
    nuovaSerie_ = true;
    Form_Load();
}

void FrmOperativoMeno::pulisciValutazione() {
    for (Faccina* immagine : immagini_)
        immagine->hide();
}

void FrmOperativoMeno::livello() {
    estraiFattori(stato_, platform_.clock, platform_.random);
}

void FrmOperativoMeno::visualizza() {
    const Domanda domanda = componiDomanda(stato_, platform_.random, platform_.clock);
    if (domanda.nuova) {
        LblNumero1_->setText(domanda.testoNumero1);
        LblNumero2_->setText(domanda.testoNumero2);
        LblNumero1_->move(twips(domanda.sinistraNumero1), LblNumero1_->y());
        LblNumero2_->move(twips(domanda.sinistraNumero2), LblNumero2_->y());
        TxtRisultato_->move(twips(domanda.sinistraRisultato), TxtRisultato_->y());
    }
    ordineTabulazione(true);
    TxtRisultato_->clear();
    LblEsito_->clear();
    LblIstruzione_->setText(QStringLiteral(" Digita il risultato"));
}

// --- Verification ---------------------------------------------------------------------------

void FrmOperativoMeno::CmdVerifica_Click() {
    verifica();
}

void FrmOperativoMeno::verifica() {
    // An operation is verified once: afterwards the box stays locked (and the keypad
    // disabled) until the next operation is shown, so the same answer cannot be counted,
    // timed and recorded again.
    if (TxtRisultato_->isReadOnly())
        return;
    fraTastierino_->setEnabled(false);
    TxtRisultato_->setReadOnly(true);

    const EsitoVerifica esito =
        verificaRisposta(stato_, TxtRisultato_->text(), platform_.clock.secondsSinceMidnight());
    if (esito.esatta)
        platform_.sound.play(platform_.programFolder + QStringLiteral("/positivo.wav"),
                             Sound::Async);
    LblEsito_->setText(esito.testoEsito);
    segnoEsito_ = esito.segnoEsito;
    if (esito.immagine > 0)
        immagini_[std::size_t(esito.immagine - 1)]->show();

    if (esito.fineEsercizio) {
        CmdEsercizio_->show();
        CmdFine_->show();
        CmdStampa_->show();
        CmdOperazione_->hide();
        CmdVerifica_->hide();
    } else {
        CmdOperazione_->show();
        CmdVerifica_->hide();
        CmdOperazione_->setFocus();
    }
    LblIstruzione_->setText(esito.istruzione);

    LblTempoParziale_->setText(esito.tempoParziale);
    LblTempoTotale_->setText(esito.tempoTotale);

    if (esito.menuAbilitati) {
        mnuStampa_->setEnabled(true);
        mnuAttestato_->setEnabled(true);
    }
    if (!esito.finePratica)
        return;

    stato_.rispostaMessaggio = platform_.dialogs.messageBox(
        stato_.testoMessaggio, kStileFinePratica, stato_.titoloMessaggio);
    if (stato_.rispostaMessaggio == Dialogs::Yes)
        Finestre::mostra(finestre_.stampa());
    else
        ricominciaPratica();
}

// --- Answer entry ---------------------------------------------------------------------------

void FrmOperativoMeno::aggiungiCifre(const QString& cifre) {
    stato_.rispostaDigitata += cifre;
    TxtRisultato_->setText(stato_.rispostaDigitata);
}

void FrmOperativoMeno::Command2_Click() {
    aggiungiCifre(cifre_[0]->text());
}
void FrmOperativoMeno::Command3_Click() {
    aggiungiCifre(cifre_[1]->text());
}
void FrmOperativoMeno::Command4_Click() {
    aggiungiCifre(cifre_[2]->text());
}
void FrmOperativoMeno::Command5_Click() {
    aggiungiCifre(cifre_[3]->text());
}
void FrmOperativoMeno::Command6_Click() {
    aggiungiCifre(cifre_[4]->text());
}
void FrmOperativoMeno::Command7_Click() {
    aggiungiCifre(cifre_[5]->text());
}
void FrmOperativoMeno::Command8_Click() {
    aggiungiCifre(cifre_[6]->text());
}
void FrmOperativoMeno::Command9_Click() {
    aggiungiCifre(cifre_[7]->text());
}
void FrmOperativoMeno::Command10_Click() {
    aggiungiCifre(cifre_[8]->text());
}
void FrmOperativoMeno::Command11_Click() {
    aggiungiCifre(cifre_[9]->text());
}
void FrmOperativoMeno::Command12_Click() {
    aggiungiCifre(cifre_[10]->text());
}
void FrmOperativoMeno::Command13_Click() {
    aggiungiCifre(cifre_[11]->text());
}

void FrmOperativoMeno::cmdCancella_Click() {
    stato_.rispostaDigitata.clear();
    TxtRisultato_->clear();
}

void FrmOperativoMeno::TxtRisultato_Change() {
    stato_.rispostaDigitata = TxtRisultato_->text();
    if (stato_.rispostaDigitata.isEmpty())
        return;
    CmdFine_->hide();
    CmdStampa_->hide();
    CmdVerifica_->show();
    LblIstruzione_->setText(QStringLiteral("Clicca sul pulsante Verifica"));
}

void FrmOperativoMeno::TxtRisultato_Click() {
    // Only while the next-operation button is on screen; otherwise the click does nothing.
    if (CmdOperazione_->isVisibleTo(this) && CmdOperazione_->isEnabled())
        CmdOperazione_->setFocus(Qt::MouseFocusReason);
}

void FrmOperativoMeno::TxtRisultato_KeyPress(int& KeyAscii) {
    constexpr int kInvio = 13;
    constexpr int kBackspace = 8;
    const bool cifra = KeyAscii >= '0' && KeyAscii <= '9';
    if (!cifra && KeyAscii != kInvio && KeyAscii != kBackspace) {
        platform_.dialogs.beep();
        KeyAscii = 0;
        return;
    }
    if (KeyAscii == kInvio) {
        KeyAscii = 0;
        confermaRisposta();
    }
}

void FrmOperativoMeno::confermaRisposta() {
    if (TxtRisultato_->text().isEmpty()) {
        mostraMessaggio(stato_, platform_.dialogs, QStringLiteral("Hai dimenticato il risultato"),
                        QStringLiteral("distrazione"));
        TxtRisultato_->setFocus();
    }
    if (TxtRisultato_->text().isEmpty())
        return;
    if (stato_.numeroOperazione == kOperazioniPerEsercizio) {
        CmdEsercizio_->show();
        CmdEsercizio_->setFocus();
    } else {
        CmdVerifica_->hide();
        CmdOperazione_->show();
        CmdOperazione_->setFocus();
    }
    verifica();
}

bool FrmOperativoMeno::eventFilter(QObject* oggetto, QEvent* evento) {
    // Only the keypad's buttons are watched: a pupil who clicks "1", "0" and presses Enter
    // means the answer 10, not a second 0.
    if (evento->type() == QEvent::KeyPress) {
        const int tasto = static_cast<QKeyEvent*>(evento)->key();
        if (tasto == Qt::Key_Return || tasto == Qt::Key_Enter) {
            confermaRisposta();
            return true;
        }
    }
    return FinestraConMenu::eventFilter(oggetto, evento);
}

// --- Other windows and the way out ----------------------------------------------------------

void FrmOperativoMeno::CmdStampa_Click() {
    Finestre::mostra(finestre_.stampa());
    finestre_.stampa().mettiFuocoSuStampa();
}

void FrmOperativoMeno::mnuStampa_Click() {
    Finestre::mostra(finestre_.stampa());
}

void FrmOperativoMeno::mnuAttestato_Click() {
    Finestre::mostra(finestre_.attestato());
}

void FrmOperativoMeno::cmdFine_Click() {
    close();
}

void FrmOperativoMeno::mnuEsci_Click() {
    close();
}

void FrmOperativoMeno::closeEvent(QCloseEvent* event) {
    // Nothing is asked, even in the middle of an exercise: the session state stays as it is,
    // and the next opening starts a practice afresh.
    event->accept();
}
