#pragma once

#include <array>
#include "shell/FinestraConMenu.h"

class Finestre;
class QLabel;
class QPushButton;
struct Modulo1;
struct Platform;

// The operations report: every record of the session in four columns, one per exercise,
// with each exercise's total time under its column; printable on one page.
class FrmStampa : public FinestraConMenu {
    Q_OBJECT
  public:
    FrmStampa(Modulo1& stato, Platform& platform, Finestre& finestre, QWidget* parent = nullptr);

    // Looks for the printer font and fills the list and the times with the session as it is.
    void Form_Load();
    // Gives the keyboard focus to the print button.
    void mettiFuocoSuStampa();

  private slots:
    void Command1_Click();
    void CmdStampaS_Click();
    void Command2_Click();
    void mnuEsci_Click();

  private:
    Modulo1& stato_;
    Platform& platform_;
    Finestre& finestre_;

    std::array<QLabel*, 40> LblOp_{};  // LblOp1..LblOp40
    std::array<QLabel*, 4> Label_{};   // Label1..Label4, the times of the exercises
    QLabel* Label6_ = nullptr;
    QPushButton* Command1_ = nullptr;
    QPushButton* cmdStampaS_ = nullptr;
    QPushButton* Command2_ = nullptr;
};
