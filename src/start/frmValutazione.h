#pragma once

#include <QWidget>

class Finestre;
struct Modulo1;
struct Platform;

// The grade-scale window: fixed texts only.
class frmValutazione : public QWidget {
    Q_OBJECT
  public:
    frmValutazione(Modulo1& stato, Platform& platform, Finestre& finestre,
                   QWidget* parent = nullptr);
};
