#pragma once

#include <QWidget>

class Finestre;
class QFrame;
class QLabel;
class QPushButton;
struct Modulo1;
struct Platform;

// The certificate: the pupil's name, the objective, the range and the grade on a sheet that
// is printed as the image of the window, at true size, to be cut out and glued in.
class FrmAttestato : public QWidget {
    Q_OBJECT
  public:
    FrmAttestato(Modulo1& stato, Platform& platform, Finestre& finestre, QWidget* parent = nullptr);

    // The window's area, 800 x 600 logical pixels: the largest of the program's windows.
    static QSize area();

    // Fills the sheet from the session as it stands now; runs at every activation of the
    // window (and when it is shown, for platforms that do not activate windows by themselves).
    void Form_Activate();

  protected:
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private slots:
    void Command2_Click();
    void Command1_Click();
    void cmdFine_Click();

  private:
    Modulo1& stato_;
    Platform& platform_;
    Finestre& finestre_;

    QWidget* Frame2_ = nullptr;
    QLabel* lblNome_ = nullptr;
    QLabel* lblMotivo_ = nullptr;
    QLabel* lblObiettivo1_ = nullptr;
    QLabel* lblObiettivo3_ = nullptr;
    QLabel* lblObiettivo2_ = nullptr;
    QLabel* lblRapporto_ = nullptr;
    QLabel* lblPerche_ = nullptr;
    QLabel* lblData_ = nullptr;
    QPushButton* Command2_ = nullptr;
    QPushButton* Command1_ = nullptr;
    QPushButton* CmdFine_ = nullptr;
};
