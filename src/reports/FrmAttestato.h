#pragma once

#include <QWidget>

class Finestre;
struct Modulo1;
struct Platform;

// The certificate: the pupil's name, the objective, the range and the grade, printable at
// true size.
class FrmAttestato : public QWidget {
    Q_OBJECT
  public:
    FrmAttestato(Modulo1& stato, Platform& platform, Finestre& finestre, QWidget* parent = nullptr);

  private:
    Modulo1& stato_;
    Platform& platform_;
    Finestre& finestre_;
};
