#pragma once

#include <QColor>
#include <array>
#include "shell/FinestraConMenu.h"

class CasellaRisultato;
class Faccina;
class Finestre;
class QAction;
class QGroupBox;
class QLabel;
class QMenu;
class QPushButton;
struct Modulo1;
struct Platform;

// The exercise window: one multiplication at a time with one term hidden, the keypad, the
// score board and the times.
class FrmOperativoMeno : public FinestraConMenu {
    Q_OBJECT
  public:
    FrmOperativoMeno(Modulo1& stato, Platform& platform, Finestre& finestre,
                     QWidget* parent = nullptr);

    // What the start window sets when it opens a session in a mode.
    void impostaSfondoFinestra(const QColor& colore);
    void impostaSfondoNumero(const QColor& colore);     // frmNumero
    void impostaSfondoRisultato(const QColor& colore);  // TxtRisultato
    void impostaTestoRisultato(const QColor& colore);   // TxtRisultato's text
    // frmElaborazione, frmValutazione, CmdFine, cmdSfondo, CmdVerifica, CmdOperazione,
    // CmdEsercizio and CmdStampa, in this order.
    void impostaColoreComandi(const QColor& colore);
    void impostaRigaModalita(const QString& testo);  // Label1, and its copy in the session
    QString rigaModalita() const;

  public slots:
    // Starts a practice: counters from exercise 1, operation 1; the first operation shown.
    void Form_Load();
    void CmdOperazione_Click();
    void CmdEsercizio_Click();
    void pulisciValutazione();
    void livello();
    void visualizza();

    void CmdVerifica_Click();
    void verifica();

    // The keypad.
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();
    void Command6_Click();
    void Command7_Click();
    void Command8_Click();
    void Command9_Click();
    void Command10_Click();
    void Command11_Click();
    void Command12_Click();
    void Command13_Click();
    void cmdCancella_Click();

    // The result box.
    void TxtRisultato_Change();
    void TxtRisultato_Click();
    // A character key in the box: 13 for Enter (either key), 8 for Backspace, otherwise the
    // character's code. Setting it to 0 discards the key.
    void TxtRisultato_KeyPress(int& KeyAscii);

    void cmdFine_Click();
    void mnuEsci_Click();
    void CmdStampa_Click();
    void mnuStampa_Click();
    void mnuAttestato_Click();

  protected:
    // Form_QueryUnload: the close box, or any other request to close, unloads the window; it
    // is never refused.
    void closeEvent(QCloseEvent* event) override;
    // Enter on a focused keypad button.
    bool eventFilter(QObject* oggetto, QEvent* evento) override;

  private:
    void costruisciMenu();
    void costruisciDomanda(QWidget* area);
    void costruisciTastierino(QWidget* area);
    void costruisciComandi(QWidget* area);
    void costruisciValutazione(QWidget* area);
    void costruisciElaborazione(QWidget* area);
    void ordineTabulazione(bool risultatoPrimo);
    void aggiungiCifre(const QString& cifre);
    // Enter: the reminder for an empty answer, otherwise the next command and the verification.
    void confermaRisposta();
    void ricominciaPratica();
    // The numbers of the exercise and operation just begun; no times, factors or outcome.
    void mostraInizioEsercizio();

    Modulo1& stato_;
    Platform& platform_;
    Finestre& finestre_;

    // Form-level state: the sign of the last outcome in the record, and whether the load
    // starts a new series at once.
    QString segnoEsito_;
    bool nuovaSerie_ = false;

    QWidget* area_ = nullptr;
    QMenu* MnuFile_ = nullptr;
    QAction* mnuStampa_ = nullptr;
    QAction* mnuAttestato_ = nullptr;
    QAction* MnuEsci_ = nullptr;

    QLabel* Label2_ = nullptr;
    QLabel* Label1_ = nullptr;
    QWidget* frmNumero_ = nullptr;
    CasellaRisultato* TxtRisultato_ = nullptr;
    QLabel* LblNumero1_ = nullptr;
    QLabel* LblSegno_ = nullptr;
    QLabel* LblNumero2_ = nullptr;
    QLabel* LblUguale_ = nullptr;
    QLabel* LblEsito_ = nullptr;

    QGroupBox* fraTastierino_ = nullptr;
    QPushButton* cmdCancella_ = nullptr;
    std::array<QPushButton*, 12> cifre_{};  // Command2..Command13

    QPushButton* CmdVerifica_ = nullptr;
    QPushButton* CmdOperazione_ = nullptr;
    QPushButton* CmdEsercizio_ = nullptr;
    QPushButton* cmdSfondo_ = nullptr;
    QPushButton* CmdStampa_ = nullptr;
    QPushButton* CmdFine_ = nullptr;

    QGroupBox* frmValutazione_ = nullptr;
    std::array<Faccina*, 20> immagini_{};  // Image1..Image20

    QGroupBox* frmElaborazione_ = nullptr;
    QLabel* LblEsercizio_ = nullptr;
    QLabel* LblOperazione_ = nullptr;
    QLabel* LblTempoParziale_ = nullptr;
    QLabel* LblTempoTotale_ = nullptr;

    QLabel* LblIstruzione_ = nullptr;
};
