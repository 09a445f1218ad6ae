#pragma once

#include <array>
#include <cstddef>
#include "shell/FinestraConMenu.h"

class Finestre;
class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
struct Modulo1;
struct Platform;

// The start window: the pupil's name, the mode and the range that open the exercise window,
// the menus and the ways out of the program.
class FrmInizio : public FinestraConMenu {
    Q_OBJECT
  public:
    FrmInizio(Modulo1& stato, Platform& platform, Finestre& finestre, QWidget* parent = nullptr);

  public slots:
    void Form_Load();

    // Runs for every character typed into the name box before the box takes it; setting
    // `codice` to 0 drops the character. Enter arrives as 13.
    void TxtNome_KeyPress(int& codice);
    void cmdAvanti_Click();

    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    // Applies the selected mode to the exercise window and opens it.
    void Smistamento();
    // The colours of the three modes; each ends with coloraComandi.
    void propriet1();
    void propriet2();
    void propriet3();
    // Gives the exercise window's frames and buttons the colour kept in coloreModalita.
    void coloraComandi();

    void mnuInfo_Click();
    void mnuValutazione_Click();
    void mnuEsci_Click();
    void cmdFine_Click();
    void Command9_Click();
    void Form_QueryUnload();
    void Form_Unload();

  protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* oggetto, QEvent* evento) override;

  private:
    void controlloNome();
    // The range of button `quale` (0 for Command1) into the session, then Smistamento.
    void scegliIntervallo(std::size_t quale);
    void coloraOperativo(quint32 sfondo, quint32 comandi);
    void esci();

    Modulo1& stato_;
    Platform& platform_;
    Finestre& finestre_;
    // Set once the window has begun to close, so that the exits start no second close.
    bool chiusuraInCorso_ = false;

    QLabel* Label5_ = nullptr;
    QComboBox* Combo1_ = nullptr;
    QWidget* Frame1_ = nullptr;
    QWidget* Frame2_ = nullptr;
    QLineEdit* txtNome_ = nullptr;
    std::array<QPushButton*, 4> Command_{};  // Command1..Command4, the range buttons
};
