#include "start/FormaArrotondata.h"

#include <QPainter>
#include <algorithm>

FormaArrotondata::FormaArrotondata(QWidget* parent, const QString& nome, const QColor& colore)
    : QWidget(parent), colore_(colore) {
    setObjectName(nome);
    setAccessibleName(QStringLiteral("Decorazione"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void FormaArrotondata::paintEvent(QPaintEvent*) {
    QPainter pittore(this);
    pittore.setRenderHint(QPainter::Antialiasing);
    pittore.setPen(Qt::NoPen);
    pittore.setBrush(colore_);
    const double raggio = std::min(width(), height()) / 6.0;
    pittore.drawRoundedRect(QRectF(rect()), raggio, raggio);
}
