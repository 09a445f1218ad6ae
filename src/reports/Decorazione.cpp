#include "reports/Decorazione.h"

#include <QPainter>
#include <QPainterPath>
#include <cmath>
#include <numbers>

namespace {

double radianti(double gradi) {
    return gradi * std::numbers::pi / 180.0;
}

}  // namespace

Decorazione::Decorazione(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Image1"));
    setAccessibleName(QStringLiteral("Decorazione"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Decorazione::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setWindow(0, 0, kLarghezza, kAltezza);
    p.setViewport(rect());
    bordi(p);
    stelle(p);
    segniPer(p);
    alloro(p);
    medaglia(p);
}

void Decorazione::bordi(QPainter& p) const {
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(blu_, 45));
    p.drawRoundedRect(QRectF(60, 60, kLarghezza - 120, kAltezza - 120), 120, 120);
    p.setPen(QPen(oro_, 18));
    p.drawRoundedRect(QRectF(150, 150, kLarghezza - 300, kAltezza - 300), 80, 80);

    const QPointF angoli[] = {{150, 150},
                              {kLarghezza - 150.0, 150},
                              {150, kAltezza - 150.0},
                              {kLarghezza - 150.0, kAltezza - 150.0}};
    for (const QPointF& angolo : angoli)
        fiore(p, angolo);
}

void Decorazione::fiore(QPainter& p, const QPointF& centro) const {
    p.save();
    p.translate(centro);
    p.setPen(QPen(oro_.darker(130), 6));
    p.setBrush(oro_);
    for (int petalo = 0; petalo < 4; ++petalo) {
        p.drawEllipse(QRectF(20, -32, 110, 64));
        p.rotate(90);
    }
    p.rotate(45);
    p.setBrush(rosso_);
    for (int petalo = 0; petalo < 4; ++petalo) {
        p.drawEllipse(QRectF(20, -18, 70, 36));
        p.rotate(90);
    }
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(0, 0), 26, 26);
    p.restore();
}

QPainterPath Decorazione::stella(const QPointF& centro, double raggio) {
    QPainterPath path;
    for (int punta = 0; punta < 10; ++punta) {
        const double r = punta % 2 == 0 ? raggio : raggio * 0.42;
        const double a = radianti(-90 + 36 * punta);
        const QPointF punto = centro + QPointF(r * std::cos(a), r * std::sin(a));
        if (punta == 0)
            path.moveTo(punto);
        else
            path.lineTo(punto);
    }
    path.closeSubpath();
    return path;
}

// Five stars on an arc above the title.
void Decorazione::stelle(QPainter& p) const {
    const QColor colori[] = {oro_, rosso_, blu_, rosso_, oro_};
    for (int i = 0; i < 5; ++i) {
        const int passo = i - 2;
        const QPointF centro(kLarghezza / 2.0 + passo * 520, 340 + 40 * passo * passo);
        p.setPen(QPen(colori[i].darker(140), 8));
        p.setBrush(colori[i]);
        p.drawPath(stella(centro, passo == 0 ? 130 : 105));
    }
}

// A column of light multiplication signs in each side margin.
void Decorazione::segniPer(QPainter& p) const {
    p.setPen(QPen(celeste_, 22, Qt::SolidLine, Qt::RoundCap));
    for (double y = 1100; y <= 4900; y += 760) {
        for (double x : {330.0, kLarghezza - 330.0}) {
            p.drawLine(QPointF(x - 55, y - 55), QPointF(x + 55, y + 55));
            p.drawLine(QPointF(x - 55, y + 55), QPointF(x + 55, y - 55));
        }
    }
}

// Two laurel branches curving up from under the medal.
void Decorazione::alloro(QPainter& p) const {
    constexpr double raggio = 520;
    for (int lato : {-1, 1}) {
        QPainterPath ramo;
        for (int gradi = 110; gradi <= 200; gradi += 2) {
            const double a = radianti(lato < 0 ? gradi : 180 - gradi);
            const QPointF punto =
                kCentroMedaglia + QPointF(raggio * std::cos(a), raggio * std::sin(a));
            if (gradi == 110)
                ramo.moveTo(punto);
            else
                ramo.lineTo(punto);
        }
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(verde_.darker(130), 16, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(ramo);

        p.setPen(QPen(verde_.darker(140), 5));
        p.setBrush(verde_);
        for (int gradi = 118; gradi <= 196; gradi += 13) {
            const double g = lato < 0 ? gradi : 180 - gradi;
            const double a = radianti(g);
            const QPointF punto =
                kCentroMedaglia + QPointF(raggio * std::cos(a), raggio * std::sin(a));
            // The tangent of the branch, pointing up along it.
            const double tangente = g + (lato < 0 ? 90 : -90);
            for (int verso : {-1, 1}) {
                p.save();
                p.translate(punto);
                p.rotate(tangente + 180 + verso * 35);
                p.drawEllipse(QRectF(0, -26, 150, 52));
                p.restore();
            }
        }
    }
}

// A gold rosette with a multiplication sign, on two red ribbons.
void Decorazione::medaglia(QPainter& p) const {
    p.save();
    p.translate(kCentroMedaglia);

    const QPolygonF nastro({{-55, 0}, {55, 0}, {55, 420}, {0, 360}, {-55, 420}});
    p.setPen(QPen(rosso_.darker(140), 6));
    p.setBrush(rosso_);
    for (double rotazione : {25.0, -25.0}) {
        p.save();
        p.translate(0, 80);
        p.rotate(rotazione);
        p.drawPolygon(nastro);
        p.restore();
    }

    QPolygonF rosetta;
    for (int punta = 0; punta < 48; ++punta) {
        const double r = punta % 2 == 0 ? 300 : 268;
        const double a = radianti(punta * 7.5);
        rosetta << QPointF(r * std::cos(a), r * std::sin(a));
    }
    p.setPen(QPen(oro_.darker(140), 8));
    p.setBrush(oro_);
    p.drawPolygon(rosetta);
    p.setBrush(blu_);
    p.drawEllipse(QPointF(0, 0), 205, 205);
    p.setPen(QPen(Qt::white, 48, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(-95, -95), QPointF(95, 95));
    p.drawLine(QPointF(-95, 95), QPointF(95, -95));
    p.restore();
}
