#pragma once

#include <QWidget>

// A mark of the score board: a yellow face, smiling for a right answer, frowning for a wrong
// one. It paints itself at whatever size and pixel density it is shown, so it stays crisp.
class Faccina : public QWidget {
    Q_OBJECT
  public:
    enum class Espressione { Sorridente, Imbronciata };

    Faccina(Espressione espressione, QWidget* parent = nullptr);
    Espressione espressione() const { return espressione_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    Espressione espressione_;
};
