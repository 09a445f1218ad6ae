#pragma once

#include <QMainWindow>

class Finestre;
struct Modulo1;
struct Platform;

// The start window: the pupil's name, the mode and the range that open the exercise window.
class FrmInizio : public QMainWindow {
    Q_OBJECT
  public:
    FrmInizio(Modulo1& stato, Platform& platform, Finestre& finestre, QWidget* parent = nullptr);

    void Form_Load();

  private:
    Modulo1& stato_;
    Platform& platform_;
    Finestre& finestre_;
};
