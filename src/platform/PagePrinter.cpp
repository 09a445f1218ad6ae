#include "platform/PagePrinter.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QImage>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPicture>
#include <QWidget>

#include <algorithm>
#include <cmath>

#include "platform/LogicalPage.h"
#include "platform/Twips.h"

namespace {

// Windows names that the font system maps to metric-compatible faces (Liberation Mono, Nimbus
// Mono PS): offered under their own names, as reports written for those names expect them.
const char* const kFixedPitchAliases[] = {"Courier New", "Courier"};

// The resolution that line heights are measured at while nothing prints, the same as a
// high-resolution job on a PDF or a typical laser printer: the pen moves as it would on paper.
constexpr double kReferenceDpi = 1200.0;

// The share of its true size that content of `size` keeps to fit in `area`: 1 where it fits.
double fitScale(const QSizeF& size, const QSizeF& area) {
    if (size.isEmpty())
        return 1.0;
    return std::min({1.0, area.width() / size.width(), area.height() / size.height()});
}

// The orientation of the page `layout` in which content of `inches` is shrunk the least:
// portrait where it fits at true size, landscape where only that fits.
QPageLayout::Orientation orientationFor(const QSizeF& inches, QPageLayout layout) {
    layout.setOrientation(QPageLayout::Portrait);
    const double portrait = fitScale(inches, layout.paintRect(QPageLayout::Inch).size());
    layout.setOrientation(QPageLayout::Landscape);
    const double landscape = fitScale(inches, layout.paintRect(QPageLayout::Inch).size());
    return landscape > portrait ? QPageLayout::Landscape : QPageLayout::Portrait;
}

}  // namespace

PagePrinter::PagePrinter() = default;

PagePrinter::~PagePrinter() {
    abandonDocument();
}

void PagePrinter::abandonDocument() {
    if (document_ == Document::Open)
        painter_->end();
    painter_.reset();
    device_.reset();
    document_ = Document::NotStarted;
}

QFont PagePrinter::font() const {
    QFont f;  // the application's font
    if (!fontName_.isEmpty())
        f.setFamily(aliases_.value(fontName_, fontName_));
    f.setPointSizeF(fontSize_);
    f.setBold(bold_);
    return f;
}

bool PagePrinter::isPrinting() const {
    return document_ == Document::Open;
}

void PagePrinter::setDocName(const QString& name) {
    docName_ = name;
}

const QStringList& PagePrinter::fonts() {
    if (!fonts_) {
        QStringList names = QFontDatabase::families();
        for (const char* alias : kFixedPitchAliases) {
            const QString name = QString::fromLatin1(alias);
            if (names.contains(name, Qt::CaseInsensitive))
                continue;
            const QFontInfo resolved{QFont(name)};
            if (resolved.fixedPitch()) {
                names.append(name);
                aliases_.insert(name, resolved.family());
            }
        }
        fonts_ = names;
    }
    return *fonts_;
}

int PagePrinter::fontCount() {
    return static_cast<int>(fonts().size());
}

QString PagePrinter::fontName(int index) {
    const QStringList& names = fonts();
    return index >= 0 && index < names.size() ? names.at(index) : QString();
}

void PagePrinter::setFontName(const QString& name) {
    if (name.trimmed().isEmpty())
        return;
    fonts();  // knows the aliases
    fontName_ = name;
}

void PagePrinter::setFontSize(double points) {
    // Qt refuses sizes that are not positive; keep the previous size rather than a broken font.
    if (std::isfinite(points) && points > 0.0)
        fontSize_ = points;
}

void PagePrinter::setFontBold(bool bold) {
    bold_ = bold;
}

void PagePrinter::setCurrentX(double twips) {
    if (std::isfinite(twips))
        x_ = twips;
}

void PagePrinter::setCurrentY(double twips) {
    if (std::isfinite(twips))
        y_ = twips;
}

void PagePrinter::printLine(const QString& text) {
    if (document_ == Document::NotStarted)
        startDocument();

    const QFont f = font();
    if (document_ == Document::Open) {
        painter_->setFont(f);
        const QFontMetricsF metrics(f, device_.get());
        painter_->drawText(QPointF(toDevice(x_), toDevice(y_) + metrics.ascent()), text);
    }
    x_ = 0.0;
    y_ += lineHeight(f);
}

void PagePrinter::printForm(QWidget& window) {
    const QSizeF pixels = window.size();
    if (document_ == Document::NotStarted) {
        // The orientation belongs to the document: chosen for the window before it begins.
        if (std::unique_ptr<QPagedPaintDevice> device = newDevice(docName_)) {
            device->setPageOrientation(
                orientationFor(pixels / kPixelsPerInch, device->pageLayout()));
            begin(std::move(device));
        } else {
            document_ = Document::NoPrinter;
        }
    }
    if (document_ != Document::Open)
        return;

    // Rendered straight onto a printer, a widget becomes one bitmap. Recorded as a picture
    // and replayed through a page in the window's logical pixels, it keeps its text as text,
    // drawn sharp at the printer's resolution, and each logical pixel its true size on paper.
    QPicture picture;
    QPainter recorder(&picture);
    window.render(&recorder, QPoint(), QRegion(),
                  QWidget::DrawWindowBackground | QWidget::DrawChildren);
    recorder.end();

    // Centred on the printable area, at true size unless it is larger than the page.
    const int resolution = device_->logicalDpiY();
    const QSizeF area(device_->width(), device_->height());
    const QSizeF onPaper = pixels * (resolution / kPixelsPerInch);
    const double scale = fitScale(onPaper, area);
    painter_->save();
    painter_->translate((area.width() - onPaper.width() * scale) / 2,
                        (area.height() - onPaper.height() * scale) / 2);
    painter_->scale(scale, scale);
    {
        LogicalPage page(*painter_, resolution, window.logicalDpiY());
        QPainter replay(&page);
        replay.drawPicture(0, 0, picture);
    }
    painter_->restore();
}

Printer::Result PagePrinter::endDoc() {
    // A document with nothing drawn still goes out, as one empty page.
    if (document_ == Document::NotStarted)
        startDocument();

    Result result = Result::Failed;
    if (document_ == Document::Open)
        result = deliver(*device_, painter_->end()) ? Result::Printed : Result::Failed;
    else if (document_ == Document::NoPrinter)
        result = Result::NoPrinter;

    painter_.reset();
    device_.reset();
    document_ = Document::NotStarted;
    resetSettings();
    return result;
}

void PagePrinter::startDocument() {
    if (std::unique_ptr<QPagedPaintDevice> device = newDevice(docName_))
        begin(std::move(device));
    else
        document_ = Document::NoPrinter;
}

void PagePrinter::begin(std::unique_ptr<QPagedPaintDevice> device) {
    auto painter = std::make_unique<QPainter>();
    if (!painter->begin(device.get())) {
        document_ = Document::Failed;
        return;
    }
    painter->setPen(Qt::black);
    device_ = std::move(device);
    painter_ = std::move(painter);
    document_ = Document::Open;
}

void PagePrinter::resetSettings() {
    docName_.clear();
    fontName_.clear();
    fontSize_ = kDefaultFontSize;
    bold_ = false;
    x_ = 0.0;
    y_ = 0.0;
}

double PagePrinter::toDevice(double twips) const {
    return twips * device_->logicalDpiY() / kTwipsPerInch;
}

double PagePrinter::lineHeight(const QFont& font) const {
    if (document_ == Document::Open)
        return QFontMetricsF(font, device_.get()).lineSpacing() * kTwipsPerInch /
               device_->logicalDpiY();

    QImage reference(1, 1, QImage::Format_Mono);
    const int dotsPerMeter = qRound(kReferenceDpi / 0.0254);
    reference.setDotsPerMeterX(dotsPerMeter);
    reference.setDotsPerMeterY(dotsPerMeter);
    return QFontMetricsF(font, &reference).lineSpacing() * kTwipsPerInch / reference.logicalDpiY();
}
