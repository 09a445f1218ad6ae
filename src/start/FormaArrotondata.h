#pragma once

#include <QColor>
#include <QWidget>

// A rounded rectangle filled in one colour, without border: the decoration of the start
// window's title band. It lets clicks through to what lies beneath.
class FormaArrotondata final : public QWidget {
  public:
    FormaArrotondata(QWidget* parent, const QString& nome, const QColor& colore);

  protected:
    void paintEvent(QPaintEvent* evento) override;

  private:
    QColor colore_;
};
