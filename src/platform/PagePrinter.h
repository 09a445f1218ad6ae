#pragma once

#include <QFont>
#include <QHash>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

#include "platform/Printer.h"

class QPagedPaintDevice;
class QPainter;

// A printer that draws each document on a page device with QPainter: the fonts, the pen, the
// lines of text and the image of a window, the same on every system. Where the page goes is the
// subclass's: the system's default printer (QtPrinter) or a PDF handed to the browser.
//
// Nothing is opened at construction: the page device is made and the document begun at the first
// drawing call of each document (printLine, printForm), so a program that never prints never
// talks to the print system. Each document starts with the default font (the application's font
// family, 10 pt, not bold), the pen at 0, 0 and no name; endDoc() ends the document and resets
// all three. Where there is nothing to print on, the drawing calls only move the pen, as they
// would on paper, and endDoc() answers NoPrinter. endDoc() with nothing drawn since the previous
// one still sends one empty page, so its answer always tells what really happened.
class PagePrinter : public Printer {
  public:
    ~PagePrinter() override;

    PagePrinter(const PagePrinter&) = delete;
    PagePrinter& operator=(const PagePrinter&) = delete;

    // The font the following text is printed with.
    QFont font() const;
    // Whether a document is open on a page device (the current document has started printing).
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

  protected:
    PagePrinter();

    // The page device of a new document named `docName`, set up but not begun; none when there
    // is nothing to print on.
    virtual std::unique_ptr<QPagedPaintDevice> newDevice(const QString& docName) = 0;
    // Called once the painter has ended the document on `device` (`ended` says whether it could):
    // sends the page where it goes, and tells whether it got there.
    virtual bool deliver(QPagedPaintDevice& device, bool ended) = 0;
    // The page device of the document now open; none between documents.
    QPagedPaintDevice* device() const { return device_.get(); }
    // Ends the document now open, if any, sending nothing: for a subclass whose device writes
    // into a member of its own, before that member is gone.
    void abandonDocument();

  private:
    static constexpr double kDefaultFontSize = 10.0;

    // Where the current document stands: not begun yet, printing, or unable to print.
    enum class Document { NotStarted, Open, NoPrinter, Failed };

    const QStringList& fonts();
    // Begins a new document on a new page device, or notes why it cannot.
    void startDocument();
    void begin(std::unique_ptr<QPagedPaintDevice> device);
    void resetSettings();
    double toDevice(double twips) const;
    double lineHeight(const QFont& font) const;

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
    // The painter is declared after the device, so it is gone before the device it paints on.
    std::unique_ptr<QPagedPaintDevice> device_;
    std::unique_ptr<QPainter> painter_;
};
