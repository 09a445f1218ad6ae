#pragma once

#include <QColor>
#include <QPointF>
#include <QWidget>

class QPainter;
class QPainterPath;

// The decorative drawing of the certificate's sheet (Image1): a double border with flowers in
// the corners, a crown of stars above the title, small multiplication signs along the sides
// and a medal between two laurel branches at the foot. Drawn as shapes in its own units (twips
// of the design size) and stretched to the widget, so it is sharp on any screen and on paper.
class Decorazione final : public QWidget {
  public:
    explicit Decorazione(QWidget* parent);

  protected:
    void paintEvent(QPaintEvent* evento) override;

  private:
    static constexpr int kLarghezza = 4890;
    static constexpr int kAltezza = 6390;
    static constexpr QPointF kCentroMedaglia{kLarghezza / 2.0, 5600};

    const QColor blu_{31, 60, 136};
    const QColor oro_{205, 155, 30};
    const QColor rosso_{200, 40, 45};
    const QColor verde_{45, 135, 65};
    const QColor celeste_{110, 150, 215};

    void bordi(QPainter& p) const;
    void fiore(QPainter& p, const QPointF& centro) const;
    static QPainterPath stella(const QPointF& centro, double raggio);
    void stelle(QPainter& p) const;
    void segniPer(QPainter& p) const;
    void alloro(QPainter& p) const;
    void medaglia(QPainter& p) const;
};
