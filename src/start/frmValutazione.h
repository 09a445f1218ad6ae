#pragma once

#include <QWidget>

class Finestre;
struct Modulo1;
struct Platform;

// The grade-scale window: fixed texts only. A click on its bare background closes it.
class frmValutazione : public QWidget {
    Q_OBJECT
  public:
    frmValutazione(Modulo1& stato, Platform& platform, Finestre& finestre,
                   QWidget* parent = nullptr);

  public slots:
    void Form_Click();

  protected:
    void mousePressEvent(QMouseEvent* event) override;
};
