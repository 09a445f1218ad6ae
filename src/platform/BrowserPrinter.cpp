#include "platform/BrowserPrinter.h"

#include <QFileDialog>
#include <QPdfWriter>

std::unique_ptr<QPagedPaintDevice> BrowserPrinter::newDevice(const QString& docName) {
    pdf_.close();
    pdf_.setData(QByteArray());
    // A buffer that did not open takes no page: deliver() finds it empty, and the print failed
    // (a missing device would tell the pupil there is no printer).
    (void)pdf_.open(QIODevice::WriteOnly);
    name_ = docName.trimmed().isEmpty() ? QStringLiteral("Stampa") : docName;
    auto writer = std::make_unique<QPdfWriter>(&pdf_);
    writer->setTitle(name_);
    writer->setCreator(QStringLiteral("ROVOROREZOVERED.1"));
    writer->setResolution(1200);
    writer->setPageSize(QPageSize(QPageSize::A4));
    return writer;
}

bool BrowserPrinter::deliver(QPagedPaintDevice&, bool ended) {
    pdf_.close();
    if (!ended || pdf_.data().isEmpty())
        return false;
    QFileDialog::saveFileContent(pdf_.data(), name_ + QStringLiteral(".pdf"));
    return true;
}
