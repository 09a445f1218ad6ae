#pragma once

#include <QFont>
#include <QHash>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

#include "platform/Printer.h"

class QPainter;
class QPrinter;

// The system's default printer through QPrinter and QPainter.
//
// Nothing is opened at construction: the printer is looked up and the job started at the
// first drawing call of each document (printLine, printForm), so a program that never prints
// never talks to the print system. Each document starts with the default font (the
// application's font family, 10 pt, not bold), the pen at 0, 0 and no name; endDoc() ends the
// job and resets all three. When no printer is installed the drawing calls only move the pen, as
// they would on paper, and endDoc() answers NoPrinter.
//
// endDoc() with nothing drawn since the previous one still sends a job with one empty page,
// so its answer always tells what really happened. The print system is asked as well
// (spoolerRefusal): on Linux a submission the scheduler refused or failed is a failure, which
// Qt's CUPS engine would report as printed; a paused queue that takes the job and holds it is a
// success.
class QtPrinter final : public Printer {
  public:
    // Prints on the system's default printer.
    QtPrinter();
    ~QtPrinter() override;

    QtPrinter(const QtPrinter&) = delete;
    QtPrinter& operator=(const QtPrinter&) = delete;

    // Writes each document to the PDF file `path` (change it between documents with
    // setPdfOutput) instead of the default printer.
    static std::unique_ptr<QtPrinter> toPdf(const QString& path);
    // Behaves as if no printer were installed, whatever the system has.
    static std::unique_ptr<QtPrinter> withoutPrinter();

    // The PDF file of the next document; only for a printer made with toPdf().
    void setPdfOutput(const QString& path);

    // The font the following text is printed with.
    QFont font() const;
    // Whether a job is open on the print system (the current document has started printing).
    bool isPrinting() const;

    void setDocName(const QString& name) override;

    int fontCount() override;
    QString fontName(int index) override;

    void setFontName(const QString& name) override;
    void setFontSize(double points) override;
    void setFontBold(bool bold) override;

    // Where the pen stands, in twips.
    double currentX() const { return x_; }
    double currentY() const { return y_; }
    void setCurrentX(double twips) override;
    void setCurrentY(double twips) override;

    void printLine(const QString& text) override;
    void printForm(QWidget& window) override;
    Result endDoc() override;

  private:
    static constexpr double kDefaultFontSize = 10.0;

    enum class Target { DefaultPrinter, Pdf, None };
    // Where the current document stands: not begun yet, printing, or unable to print.
    enum class Document { NotStarted, Open, NoPrinter, Failed };

    explicit QtPrinter(Target target, const QString& pdfPath = QString());

    const QStringList& fonts();
    // Starts the job of a new document on the default printer, or notes why it cannot.
    void startDocument();
    // The printer of a new document, set up but not begun; none when no printer is installed.
    std::unique_ptr<QPrinter> newPrinter();
    void beginJob(std::unique_ptr<QPrinter> printer);
    bool closeJob();
    void resetSettings();
    double toDevice(double twips) const;
    double lineHeight(const QFont& font) const;

    Target target_;
    QString pdfPath_;

    // The printer's font names, and for the names that are only aliases the family the font
    // system prints them with; computed at the first question.
    std::optional<QStringList> fonts_;
    QHash<QString, QString> aliases_;

    QString docName_;
    QString fontName_;  // empty: the application's font family
    double fontSize_ = kDefaultFontSize;
    bool bold_ = false;
    double x_ = 0.0;
    double y_ = 0.0;

    Document document_ = Document::NotStarted;
    // The painter is declared after the printer, so it is gone before the device it paints on.
    std::unique_ptr<QPrinter> printer_;
    std::unique_ptr<QPainter> painter_;
};
