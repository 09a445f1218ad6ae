#include "platform/QtPrinter.h"

#include <QPrinter>
#include <QPrinterInfo>

#include "platform/Spooler.h"

QtPrinter::QtPrinter() : QtPrinter(Target::DefaultPrinter) {}

QtPrinter::QtPrinter(Target target, const QString& pdfPath) : target_(target), pdfPath_(pdfPath) {}

QtPrinter::~QtPrinter() {
    // A document that was never ended is dropped where the print engine can abort a job;
    // Qt's PDF and CUPS engines cannot, and finish it.
    if (isPrinting())
        static_cast<QPrinter*>(device())->abort();
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

std::unique_ptr<QPagedPaintDevice> QtPrinter::newDevice(const QString& docName) {
    std::unique_ptr<QPrinter> printer;
    switch (target_) {
        case Target::None:
            return nullptr;
        case Target::DefaultPrinter: {
            const QPrinterInfo info = QPrinterInfo::defaultPrinter();
            if (info.isNull())
                return nullptr;
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
    printer->setDocName(docName);
    return printer;
}

bool QtPrinter::deliver(QPagedPaintDevice& device, bool ended) {
    auto& printer = static_cast<QPrinter&>(device);
    // The print system has just been handed the document: ask it what it said before anything
    // else on this thread talks to it.
    if (ended && printer.outputFormat() == QPrinter::NativeFormat) {
        const QString error = spoolerRefusal();
        if (!error.isEmpty()) {
            qWarning("Printer %s did not take the job: %s", qUtf8Printable(printer.printerName()),
                     qUtf8Printable(error));
            return false;
        }
    }
    const QPrinter::PrinterState state = printer.printerState();
    return ended && state != QPrinter::Error && state != QPrinter::Aborted;
}
