#pragma once

#include <QWidget>

class QMenuBar;
class QVBoxLayout;

// A window with a menu bar above its area, as the start, exercise and report windows have.
// A plain window holding a menu bar rather than a QMainWindow: in a browser (Qt 6.4 for
// WebAssembly) a modal message box opened over a QMainWindow never returns, over a plain
// window it does; on the desktop the two look and behave alike.
class FinestraConMenu : public QWidget {
    Q_OBJECT
  public:
    explicit FinestraConMenu(QWidget* parent = nullptr);

    QMenuBar* menuBar() const { return barra_; }
    // The window's area under the menu bar, set once; the window takes its size from it.
    void setCentralWidget(QWidget* area);
    QWidget* centralWidget() const { return area_; }

  private:
    QVBoxLayout* impaginazione_;
    QMenuBar* barra_;
    QWidget* area_ = nullptr;
};
