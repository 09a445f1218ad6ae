#pragma once

#include <QMainWindow>

class Finestre;
struct Modulo1;
struct Platform;

// The operations report: every record of the session in four columns, printable.
class FrmStampa : public QMainWindow {
    Q_OBJECT
  public:
    FrmStampa(Modulo1& stato, Platform& platform, Finestre& finestre, QWidget* parent = nullptr);

    void Form_Load();
    // Gives the keyboard focus to the print button.
    void mettiFuocoSuStampa();

  private:
    Modulo1& stato_;
    Platform& platform_;
    Finestre& finestre_;
};
