#pragma once

#include <QWidget>

class Finestre;
struct Modulo1;
struct Platform;

// The background window: it stands behind all the others, filling the screen, and a click on
// its surface brings the start window back to the front.
class frmSfondo : public QWidget {
    Q_OBJECT
  public:
    frmSfondo(Modulo1& stato, Platform& platform, Finestre& finestre, QWidget* parent = nullptr);

    void Form_Load();
    void Form_Click();
    void Form_DblClick();

  protected:
    void changeEvent(QEvent* evento) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* finestra, QEvent* evento) override;

  private:
    Finestre& finestre_;
};
