#pragma once

#include <QString>

class QWidget;

// The default printer, drawn on like a page: the name of the job, a font, a pen position in
// twips from the top left of the printable area, lines of text, the image of a window, and the
// end of the document that sends the job.
class Printer {
  public:
    enum class Result { Printed, NoPrinter, Failed };

    virtual ~Printer() = default;

    // The name the next document carries in the print queue; set before its first drawing
    // call, as the job takes its name when it starts. endDoc() forgets it.
    virtual void setDocName(const QString& name) = 0;

    // The printer's font names, by index 0..fontCount()-1.
    virtual int fontCount() = 0;
    virtual QString fontName(int index) = 0;

    virtual void setFontName(const QString& name) = 0;
    virtual void setFontSize(double points) = 0;
    virtual void setFontBold(bool bold) = 0;

    virtual void setCurrentX(double twips) = 0;
    virtual void setCurrentY(double twips) = 0;

    // Prints `text` with the top of the text at the current Y, then ends the line: the pen
    // goes to X 0, one line height down.
    virtual void printLine(const QString& text) = 0;
    // Draws the client area of `window` at its true size, centred on the printable area. As the
    // first drawing of a document it turns the page to landscape when the window fits only so;
    // a window larger than the page either way is scaled down to fit, keeping its proportions.
    virtual void printForm(QWidget& window) = 0;
    // Ends the document and sends it; tells whether the page really went to the printer.
    // The next document starts with fresh font settings.
    virtual Result endDoc() = 0;
};
