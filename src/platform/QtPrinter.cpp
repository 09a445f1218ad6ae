#include "platform/QtPrinter.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QImage>
#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPicture>
#include <QPrinter>
#include <QPrinterInfo>
#include <QWidget>

#include <algorithm>
#include <cmath>

#include "platform/LogicalPage.h"
#include "platform/Spooler.h"
#include "platform/Twips.h"

namespace {

// Windows names that fontconfig maps to metric-compatible faces (Liberation Mono, Nimbus Mono
// PS): offered under their own names, as reports written for those names expect them.
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

QtPrinter::QtPrinter() : QtPrinter(Target::DefaultPrinter) {}

QtPrinter::QtPrinter(Target target, const QString& pdfPath) : target_(target), pdfPath_(pdfPath) {}

QtPrinter::~QtPrinter() {
    // A document that was never ended is dropped where the print engine can abort a job;
    // Qt's PDF and CUPS engines cannot, and finish it.
    if (document_ == Document::Open) {
        printer_->abort();
        painter_->end();
    }
}

std::unique_ptr<QtPrinter> QtPrinter::toPdf(const QString& path) {
    return std::unique_ptr<QtPrinter>(new QtPrinter(Target::Pdf, path));
}

std::unique_ptr<QtPrinter> QtPrinter::withoutPrinter() {
    return std::unique_ptr<QtPrinter>(new QtPrinter(Target::None));
}

void QtPrinter::setPdfOutput(const QString& path) {
    if (target_ == Target::Pdf)
        pdfPath_ = path;
}

QFont QtPrinter::font() const {
    QFont f;  // the application's font
    if (!fontName_.isEmpty())
        f.setFamily(aliases_.value(fontName_, fontName_));
    f.setPointSizeF(fontSize_);
    f.setBold(bold_);
    return f;
}

bool QtPrinter::isPrinting() const {
    return document_ == Document::Open;
}

void QtPrinter::setDocName(const QString& name) {
    docName_ = name;
}

const QStringList& QtPrinter::fonts() {
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

int QtPrinter::fontCount() {
    return static_cast<int>(fonts().size());
}

QString QtPrinter::fontName(int index) {
    const QStringList& names = fonts();
    return index >= 0 && index < names.size() ? names.at(index) : QString();
}

void QtPrinter::setFontName(const QString& name) {
    if (name.trimmed().isEmpty())
        return;
    fonts();  // knows the aliases
    fontName_ = name;
}

void QtPrinter::setFontSize(double points) {
    // Qt refuses sizes that are not positive; keep the previous size rather than a broken font.
    if (std::isfinite(points) && points > 0.0)
        fontSize_ = points;
}

void QtPrinter::setFontBold(bool bold) {
    bold_ = bold;
}

void QtPrinter::setCurrentX(double twips) {
    if (std::isfinite(twips))
        x_ = twips;
}

void QtPrinter::setCurrentY(double twips) {
    if (std::isfinite(twips))
        y_ = twips;
}

void QtPrinter::printLine(const QString& text) {
    if (document_ == Document::NotStarted)
        startDocument();

    const QFont f = font();
    if (document_ == Document::Open) {
        painter_->setFont(f);
        const QFontMetricsF metrics(f, printer_.get());
        painter_->drawText(QPointF(toDevice(x_), toDevice(y_) + metrics.ascent()), text);
    }
    x_ = 0.0;
    y_ += lineHeight(f);
}

void QtPrinter::printForm(QWidget& window) {
    const QSizeF pixels = window.size();
    if (document_ == Document::NotStarted) {
        // The orientation belongs to the job: chosen for the window before the job begins.
        if (std::unique_ptr<QPrinter> printer = newPrinter()) {
            printer->setPageOrientation(
                orientationFor(pixels / kPixelsPerInch, printer->pageLayout()));
            beginJob(std::move(printer));
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
    const QSizeF area(printer_->width(), printer_->height());
    const QSizeF onPaper = pixels * (printer_->resolution() / kPixelsPerInch);
    const double scale = fitScale(onPaper, area);
    painter_->save();
    painter_->translate((area.width() - onPaper.width() * scale) / 2,
                        (area.height() - onPaper.height() * scale) / 2);
    painter_->scale(scale, scale);
    {
        LogicalPage page(*painter_, printer_->resolution(), window.logicalDpiY());
        QPainter replay(&page);
        replay.drawPicture(0, 0, picture);
    }
    painter_->restore();
}

Printer::Result QtPrinter::endDoc() {
    // A document with nothing drawn still goes out, as one empty page.
    if (document_ == Document::NotStarted)
        startDocument();

    Result result = Result::Failed;
    switch (document_) {
        case Document::Open:
            result = closeJob() ? Result::Printed : Result::Failed;
            break;
        case Document::NoPrinter:
            result = Result::NoPrinter;
            break;
        case Document::NotStarted:
        case Document::Failed:
            result = Result::Failed;
            break;
    }

    painter_.reset();
    printer_.reset();
    document_ = Document::NotStarted;
    resetSettings();
    return result;
}

void QtPrinter::startDocument() {
    if (std::unique_ptr<QPrinter> printer = newPrinter())
        beginJob(std::move(printer));
}

std::unique_ptr<QPrinter> QtPrinter::newPrinter() {
    std::unique_ptr<QPrinter> printer;
    switch (target_) {
        case Target::None:
            document_ = Document::NoPrinter;
            return nullptr;
        case Target::DefaultPrinter: {
            const QPrinterInfo info = QPrinterInfo::defaultPrinter();
            if (info.isNull()) {
                document_ = Document::NoPrinter;
                return nullptr;
            }
            printer = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
            break;
        }
        case Target::Pdf:
            printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
            printer->setOutputFormat(QPrinter::PdfFormat);
            printer->setOutputFileName(pdfPath_);
            printer->setPageSize(QPageSize(QPageSize::A4));
            break;
    }
    printer->setDocName(docName_);
    return printer;
}

void QtPrinter::beginJob(std::unique_ptr<QPrinter> printer) {
    auto painter = std::make_unique<QPainter>();
    if (!painter->begin(printer.get())) {
        document_ = Document::Failed;
        return;
    }
    painter->setPen(Qt::black);
    printer_ = std::move(printer);
    painter_ = std::move(painter);
    document_ = Document::Open;
}

// Ends the job; true if the print system took it.
bool QtPrinter::closeJob() {
    const bool ended = painter_->end();
    // The print system has just been handed the document: ask it what it said before anything
    // else on this thread talks to it.
    if (ended && printer_->outputFormat() == QPrinter::NativeFormat) {
        const QString error = spoolerRefusal();
        if (!error.isEmpty()) {
            qWarning("Printer %s did not take the job: %s", qUtf8Printable(printer_->printerName()),
                     qUtf8Printable(error));
            return false;
        }
    }
    const QPrinter::PrinterState state = printer_->printerState();
    return ended && state != QPrinter::Error && state != QPrinter::Aborted;
}

void QtPrinter::resetSettings() {
    docName_.clear();
    fontName_.clear();
    fontSize_ = kDefaultFontSize;
    bold_ = false;
    x_ = 0.0;
    y_ = 0.0;
}

double QtPrinter::toDevice(double twips) const {
    return twips * printer_->resolution() / kTwipsPerInch;
}

double QtPrinter::lineHeight(const QFont& font) const {
    if (document_ == Document::Open)
        return QFontMetricsF(font, printer_.get()).lineSpacing() * kTwipsPerInch /
               printer_->resolution();

    QImage reference(1, 1, QImage::Format_Mono);
    const int dotsPerMeter = qRound(kReferenceDpi / 0.0254);
    reference.setDotsPerMeterX(dotsPerMeter);
    reference.setDotsPerMeterY(dotsPerMeter);
    return QFontMetricsF(font, &reference).lineSpacing() * kTwipsPerInch / reference.logicalDpiY();
}
