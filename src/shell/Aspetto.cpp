#include "shell/Aspetto.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QIconEngine>
#include <QPainter>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyleOptionButton>
#include <QWidget>

namespace {

// A style's standard icon, asked of the style only when it is first drawn.
class IconaRinviata final : public QIconEngine {
  public:
    IconaRinviata(const QStyle* stile, QStyle::StandardPixmap quale)
        : stile_(stile), quale_(quale) {}

    void paint(QPainter* pittore, const QRect& dove, QIcon::Mode modo,
               QIcon::State stato) override {
        icona().paint(pittore, dove, Qt::AlignCenter, modo, stato);
    }
    QPixmap pixmap(const QSize& misura, QIcon::Mode modo, QIcon::State stato) override {
        return icona().pixmap(misura, modo, stato);
    }
    QSize actualSize(const QSize& misura, QIcon::Mode modo, QIcon::State stato) override {
        return icona().actualSize(misura, modo, stato);
    }
    QIconEngine* clone() const override { return new IconaRinviata(stile_, quale_); }

  private:
    const QIcon& icona() {
        if (icona_.isNull())
            icona_ = stile_->standardIcon(quale_);
        return icona_;
    }

    const QStyle* stile_;
    QStyle::StandardPixmap quale_;
    QIcon icona_;
};

// Fusion, but graphical buttons are painted flat in their own colour: Fusion's light gradient
// would wash the colour of a yellow keypad key out to a pale cream.
class StilePulsanti final : public QProxyStyle {
  public:
    StilePulsanti() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

    void drawPrimitive(PrimitiveElement elemento, const QStyleOption* opzione, QPainter* pittore,
                       const QWidget* widget) const override {
        if (elemento != PE_PanelButtonCommand || !widget ||
            !widget->property(kPulsanteGrafico).toBool()) {
            QProxyStyle::drawPrimitive(elemento, opzione, pittore, widget);
            return;
        }
        const QColor faccia = opzione->palette.color(QPalette::Button);
        const QStyle::State stato = opzione->state;
        QColor riempimento = faccia;
        if (stato & (State_Sunken | State_On))
            riempimento = faccia.darker(125);
        else if ((stato & State_MouseOver) && (stato & State_Enabled))
            riempimento = mescola(faccia, Qt::white, 0.35);

        pittore->save();
        pittore->setRenderHint(QPainter::Antialiasing);
        const QRectF bordo = QRectF(opzione->rect).adjusted(0.5, 0.5, -0.5, -0.5);
        pittore->setPen(faccia.darker(170));
        pittore->setBrush(riempimento);
        pittore->drawRoundedRect(bordo, 2, 2);
        if (stato & State_HasFocus) {
            pittore->setPen(QPen(opzione->palette.color(QPalette::Highlight), 2));
            pittore->setBrush(Qt::NoBrush);
            pittore->drawRoundedRect(bordo.adjusted(1.5, 1.5, -1.5, -1.5), 2, 2);
        }
        pittore->restore();
    }

    // Every menu bar builds an overflow button, which a window as wide as its menu never shows:
    // its icon's pictures are read when it is first drawn, not at each window's construction
    // (about 40 ms of a window's construction in a browser).
    QIcon standardIcon(StandardPixmap quale, const QStyleOption* opzione,
                       const QWidget* widget) const override {
        if (quale != SP_ToolBarHorizontalExtensionButton &&
            quale != SP_ToolBarVerticalExtensionButton)
            return QProxyStyle::standardIcon(quale, opzione, widget);
        return QIcon(new IconaRinviata(baseStyle(), quale));
    }

  private:
    static QColor mescola(const QColor& a, const QColor& b, double quanto) {
        return QColor::fromRgbF(float(a.redF() + (b.redF() - a.redF()) * quanto),
                                float(a.greenF() + (b.greenF() - a.greenF()) * quanto),
                                float(a.blueF() + (b.blueF() - a.blueF()) * quanto));
    }
};

// The windows that are plain widgets (the background, the grade scale, the certificate) would
// be announced as mere panels; they are windows.
QAccessibleInterface* finestraAccessibile(const QString& classe, QObject* oggetto) {
    auto* widget = qobject_cast<QWidget*>(oggetto);
    if (!widget || !widget->isWindow())
        return nullptr;
    // Only the program's own window classes: Qt's own widgets have interfaces of their own.
    if (classe != QLatin1String(widget->metaObject()->className()) ||
        classe.startsWith(QLatin1Char('Q')))
        return nullptr;
    // Of those, the ones that are plain widgets, QMainWindow and the like speaking for themselves.
    const QMetaObject* qt = widget->metaObject();
    while (!QLatin1String(qt->className()).startsWith(QLatin1Char('Q')))
        qt = qt->superClass();
    if (qt != &QWidget::staticMetaObject)
        return nullptr;
    return new QAccessibleWidget(widget, QAccessible::Window);
}

}  // namespace

void preparaAspetto() {
    QApplication::setStyle(new StilePulsanti);
    QAccessible::installFactory(finestraAccessibile);
}
