#pragma once

#include <QBuffer>
#include <QString>

#include "platform/PagePrinter.h"

// A browser has no print system: each document becomes a PDF on an A4 page (PagePrinter draws
// it, as on paper), handed to the browser as a download named after the document, "ATTESTATO.pdf"
// say, which the teacher prints from the browser. Nothing is written on the device but what the
// browser itself saves. A document that cannot be made is a failed print. Built for the browser
// only.
class BrowserPrinter final : public PagePrinter {
  public:
    BrowserPrinter() = default;
    // A document still open ends here, while the buffer its PDF writes into is still there.
    ~BrowserPrinter() override { abandonDocument(); }

  protected:
    std::unique_ptr<QPagedPaintDevice> newDevice(const QString& docName) override;
    bool deliver(QPagedPaintDevice& device, bool ended) override;

  private:
    QBuffer pdf_;
    QString name_;
};
