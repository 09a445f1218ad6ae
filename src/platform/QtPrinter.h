#pragma once

#include <QString>

#include <memory>

#include "platform/PagePrinter.h"

// The system's default printer through QPrinter (PagePrinter says how a document is drawn).
//
// The print system is asked as well whether it took each job (spoolerRefusal): on Linux a
// submission the scheduler refused or failed is a failure, which Qt's CUPS engine would report as
// printed; a paused queue that takes the job and holds it is a success.
class QtPrinter final : public PagePrinter {
  public:
    // Prints on the system's default printer.
    QtPrinter();
    ~QtPrinter() override;

    // Writes each document to the PDF file `path` (change it between documents with
    // setPdfOutput) instead of the default printer.
    static std::unique_ptr<QtPrinter> toPdf(const QString& path);
    // Behaves as if no printer were installed, whatever the system has.
    static std::unique_ptr<QtPrinter> withoutPrinter();

    // The PDF file of the next document; only for a printer made with toPdf().
    void setPdfOutput(const QString& path);

  protected:
    std::unique_ptr<QPagedPaintDevice> newDevice(const QString& docName) override;
    bool deliver(QPagedPaintDevice& device, bool ended) override;

  private:
    enum class Target { DefaultPrinter, Pdf, None };

    explicit QtPrinter(Target target, const QString& pdfPath = QString());

    Target target_;
    QString pdfPath_;
};
