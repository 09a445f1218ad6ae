#include "exercise/Faccina.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>

Faccina::Faccina(Espressione espressione, QWidget* parent)
    : QWidget(parent), espressione_(espressione) {
    setAttribute(Qt::WA_TranslucentBackground);
}

void Faccina::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    // Drawn on a 32 x 32 grid, scaled to the widget.
    const double lato = std::min(width(), height());
    p.translate((width() - lato) / 2.0, (height() - lato) / 2.0);
    p.scale(lato / 32.0, lato / 32.0);

    const QColor contorno(60, 40, 0);
    p.setPen(QPen(contorno, 1.6));
    p.setBrush(QColor(255, 214, 0));
    p.drawEllipse(QPointF(16, 16), 14.2, 14.2);

    // Eyes.
    p.setPen(Qt::NoPen);
    p.setBrush(contorno);
    p.drawEllipse(QPointF(11, 12.5), 2.1, 2.6);
    p.drawEllipse(QPointF(21, 12.5), 2.1, 2.6);

    QPen tratto(contorno, 2.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(tratto);
    p.setBrush(Qt::NoBrush);
    QPainterPath bocca;
    if (espressione_ == Espressione::Sorridente) {
        // A wide smile, corners up.
        bocca.moveTo(8.5, 18.5);
        bocca.quadTo(16, 28, 23.5, 18.5);
    } else {
        // A frown, corners down, under sad eyebrows raised towards the middle.
        bocca.moveTo(9.5, 25);
        bocca.quadTo(16, 17.5, 22.5, 25);
        p.drawLine(QPointF(7.5, 9), QPointF(12.5, 7));
        p.drawLine(QPointF(24.5, 9), QPointF(19.5, 7));
    }
    p.drawPath(bocca);
}
