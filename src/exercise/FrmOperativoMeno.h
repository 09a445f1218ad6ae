#pragma once

#include <QColor>
#include <QMainWindow>

class Finestre;
struct Modulo1;
struct Platform;

// The exercise window: one multiplication at a time with one term hidden, the keypad, the
// score board and the times.
class FrmOperativoMeno : public QMainWindow {
    Q_OBJECT
  public:
    FrmOperativoMeno(Modulo1& stato, Platform& platform, Finestre& finestre,
                     QWidget* parent = nullptr);

    void Form_Load();

    // What the start window sets when it opens a session in a mode.
    void impostaSfondo(const QColor& colore);
    void impostaSfondoNumero(const QColor& colore);     // frmNumero
    void impostaSfondoRisultato(const QColor& colore);  // TxtRisultato
    void impostaTestoRisultato(const QColor& colore);   // TxtRisultato's text
    // frmElaborazione, frmValutazione, CmdFine, cmdSfondo, CmdVerifica, CmdOperazione,
    // CmdEsercizio and CmdStampa, in this order.
    void impostaColoreComandi(const QColor& colore);
    void impostaRigaModalita(const QString& testo);  // Label1
    QString rigaModalita() const;

  private:
    Modulo1& stato_;
    Platform& platform_;
    Finestre& finestre_;
    QString rigaModalita_;
};
