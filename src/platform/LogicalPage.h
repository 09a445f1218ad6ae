#pragma once

#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>

#include "platform/Twips.h"

// The pieces with which the Qt printer prints a window as vector drawing at its true size: the
// window is painted on a LogicalPage, which measures the printed page in the window's logical
// pixels, and whose ScaledPaintEngine hands every drawing on to the printer's own painter.

// Forwards painting done in logical pixels (96 to the inch) to a printer's painter, scaled to
// the printer's resolution. Text is passed on as text: its font is given in points for the
// printer, which already scales it by the resolution.
class ScaledPaintEngine final : public QPaintEngine {
  public:
    ScaledPaintEngine(QPainter& target, double scale, double fontScale)
        : QPaintEngine(AllFeatures),
          target_(target),
          base_(QTransform::fromScale(scale, scale) * target.transform()),
          fontScale_(fontScale) {
        target_.setTransform(base_);
    }

    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    Type type() const override { return User; }

    void updateState(const QPaintEngineState& state) override {
        const DirtyFlags dirty = state.state();
        if (dirty & DirtyPen)
            target_.setPen(state.pen());
        if (dirty & DirtyBrush)
            target_.setBrush(state.brush());
        if (dirty & DirtyBrushOrigin)
            target_.setBrushOrigin(state.brushOrigin());
        if (dirty & DirtyBackground)
            target_.setBackground(state.backgroundBrush());
        if (dirty & DirtyBackgroundMode)
            target_.setBackgroundMode(state.backgroundMode());
        // Before the clip: a clip is given in the coordinates of the transform it comes with.
        if (dirty & DirtyTransform)
            target_.setTransform(state.transform() * base_);
        if (dirty & DirtyClipRegion)
            target_.setClipRegion(state.clipRegion(), state.clipOperation());
        if (dirty & DirtyClipPath)
            target_.setClipPath(state.clipPath(), state.clipOperation());
        if (dirty & DirtyClipEnabled)
            target_.setClipping(state.isClipEnabled());
        if (dirty & DirtyHints) {
            target_.setRenderHints(target_.renderHints(), false);
            target_.setRenderHints(state.renderHints());
        }
        if (dirty & DirtyCompositionMode)
            target_.setCompositionMode(state.compositionMode());
        if (dirty & DirtyOpacity)
            target_.setOpacity(state.opacity());
    }

    void drawPath(const QPainterPath& path) override { target_.drawPath(path); }

    void drawPolygon(const QPointF* points, int count, PolygonDrawMode mode) override {
        switch (mode) {
            case PolylineMode:
                target_.drawPolyline(points, count);
                break;
            case OddEvenMode:
                target_.drawPolygon(points, count, Qt::OddEvenFill);
                break;
            case WindingMode:
                target_.drawPolygon(points, count, Qt::WindingFill);
                break;
            case ConvexMode:
                target_.drawConvexPolygon(points, count);
                break;
        }
    }

    void drawPixmap(const QRectF& r, const QPixmap& pixmap, const QRectF& source) override {
        target_.drawPixmap(r, pixmap, source);
    }

    void drawImage(const QRectF& r, const QImage& image, const QRectF& source,
                   Qt::ImageConversionFlags flags) override {
        target_.drawImage(r, image, source, flags);
    }

    void drawTextItem(const QPointF& baseline, const QTextItem& item) override {
        QFont font = item.font();
        if (font.pointSizeF() > 0)
            font.setPointSizeF(font.pointSizeF() * fontScale_);
        // The painter draws the lines of underlined text itself.
        font.setUnderline(false);
        font.setOverline(false);
        font.setStrikeOut(false);
        target_.setFont(font);
        target_.drawText(baseline, item.text());
    }

  private:
    QPainter& target_;
    QTransform base_;
    double fontScale_;
};

// The printed page measured in a window's logical pixels, painted through ScaledPaintEngine.
// Fonts are resolved at the window's own resolution, so text keeps its size beside the
// window's other contents.
class LogicalPage final : public QPaintDevice {
  public:
    LogicalPage(QPainter& target, int printerDpi, int windowDpi)
        : printer_(*target.device()),
          scale_(printerDpi / kPixelsPerInch),
          windowDpi_(windowDpi),
          engine_(target, scale_, double(windowDpi) / printerDpi) {}

    QPaintEngine* paintEngine() const override { return &engine_; }

  protected:
    int metric(PaintDeviceMetric metric) const override {
        switch (metric) {
            case PdmWidth:
                return qRound(printer_.width() / scale_);
            case PdmHeight:
                return qRound(printer_.height() / scale_);
            case PdmWidthMM:
                return printer_.widthMM();
            case PdmHeightMM:
                return printer_.heightMM();
            case PdmNumColors:
                return printer_.colorCount();
            case PdmDepth:
                return printer_.depth();
            case PdmDpiX:
            case PdmDpiY:
            case PdmPhysicalDpiX:
            case PdmPhysicalDpiY:
                return windowDpi_;
            case PdmDevicePixelRatio:
                return 1;
            case PdmDevicePixelRatioScaled:
                return qRound(devicePixelRatioFScale());
            default:
                return QPaintDevice::metric(metric);
        }
    }

  private:
    const QPaintDevice& printer_;
    double scale_;
    int windowDpi_;
    mutable ScaledPaintEngine engine_;
};
