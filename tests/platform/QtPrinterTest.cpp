#include <gtest/gtest.h>
#include <QFile>
#include <QFontDatabase>
#include <QFontInfo>
#include <QLabel>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QWidget>

#include <algorithm>

#include "platform/QtPrinter.h"

namespace {

// A word of a PDF page as pdftotext places it, in points from the top left of the page.
struct Word {
    QString text;
    double left = 0, top = 0, right = 0, bottom = 0;
};

QString runTool(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0) {
        ADD_FAILURE() << program.toStdString() << " failed on "
                      << arguments.join(' ').toStdString();
        return {};
    }
    return QString::fromUtf8(process.readAllStandardOutput());
}

QString pdfText(const QString& pdf) {
    return runTool("pdftotext", {"-layout", pdf, "-"});
}
QString pdfFonts(const QString& pdf) {
    return runTool("pdffonts", {pdf});
}
QString pdfInfo(const QString& pdf) {
    return runTool("pdfinfo", {pdf});
}

QList<Word> pdfWords(const QString& pdf) {
    static const QRegularExpression word(
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re");
    QList<Word> words;
    const QString html = runTool("pdftotext", {"-bbox", pdf, "-"});
    for (const auto& m : word.globalMatch(html)) {
        words.append({m.captured(5), m.captured(1).toDouble(), m.captured(2).toDouble(),
                      m.captured(3).toDouble(), m.captured(4).toDouble()});
    }
    return words;
}

Word wordNamed(const QList<Word>& words, const QString& text) {
    for (const Word& w : words) {
        if (w.text == text)
            return w;
    }
    ADD_FAILURE() << "no word " << text.toStdString() << " in the PDF";
    return {};
}

// The printable area of the PDF pages, in points from the top left of the page.
QRectF printableArea(QPageLayout::Orientation orientation = QPageLayout::Portrait) {
    QPrinter reference(QPrinter::HighResolution);
    reference.setOutputFormat(QPrinter::PdfFormat);
    reference.setPageSize(QPageSize(QPageSize::A4));
    reference.setPageOrientation(orientation);
    return reference.pageLayout().paintRectPoints();
}

constexpr double kPointsPerTwip = 72.0 / 1440.0;

class QtPrinterPdf : public testing::Test {
  protected:
    QString path(const QString& name) const { return dir_.filePath(name); }

    QTemporaryDir dir_;
};

}  // namespace

TEST_F(QtPrinterPdf, LinesLandAtTheirTwipPositions) {
    auto printer = QtPrinter::toPdf(path("righe.pdf"));
    printer->setCurrentY(0);
    printer->printLine("Cima");
    EXPECT_EQ(printer->currentX(), 0);
    EXPECT_GT(printer->currentY(), 100);  // one line of 10 pt is about 230 twips
    EXPECT_LT(printer->currentY(), 400);

    printer->setCurrentY(2000);
    printer->setCurrentX(1000);
    printer->printLine("Alfa");
    printer->setCurrentY(2000);
    printer->setCurrentX(6000);
    printer->printLine("Beta");
    printer->setCurrentY(6400);
    printer->printLine("Gamma");
    ASSERT_EQ(printer->endDoc(), Printer::Result::Printed);

    const QStringList lines = pdfText(path("righe.pdf")).split('\n');
    const auto lineOf = [&](const QString& word) {
        return lines.indexOf(QRegularExpression(".*\\b" + word + "\\b.*"));
    };
    EXPECT_GE(lineOf("Alfa"), 0);
    EXPECT_EQ(lineOf("Alfa"), lineOf("Beta"));
    EXPECT_LT(lines.value(lineOf("Alfa")).indexOf("Alfa"),
              lines.value(lineOf("Beta")).indexOf("Beta"));
    EXPECT_LT(lineOf("Cima"), lineOf("Alfa"));
    EXPECT_LT(lineOf("Alfa"), lineOf("Gamma"));

    const QList<Word> words = pdfWords(path("righe.pdf"));
    const QRectF area = printableArea();
    const Word top = wordNamed(words, "Cima");
    const Word alfa = wordNamed(words, "Alfa");
    const Word beta = wordNamed(words, "Beta");
    const Word gamma = wordNamed(words, "Gamma");
    // The top of the text, not its baseline, is at the pen's Y.
    EXPECT_NEAR(top.top, area.top(), 1.5);
    EXPECT_NEAR(top.left, area.left(), 1.5);
    EXPECT_NEAR(alfa.left, area.left() + 1000 * kPointsPerTwip, 1.5);
    EXPECT_NEAR(beta.left - alfa.left, 5000 * kPointsPerTwip, 0.5);
    EXPECT_NEAR(beta.top, alfa.top, 0.1);
    EXPECT_NEAR(gamma.top - alfa.top, 4400 * kPointsPerTwip, 0.5);
}

TEST_F(QtPrinterPdf, FontListOffersCourierNamesAfterTheDatabaseFamilies) {
    auto printer = QtPrinter::toPdf(path("courier.pdf"));
    const QStringList families = QFontDatabase::families();
    QStringList names;
    for (int i = 0; i < printer->fontCount(); ++i)
        names.append(printer->fontName(i));
    EXPECT_EQ(printer->fontName(-1), QString());
    EXPECT_EQ(printer->fontName(printer->fontCount()), QString());

    ASSERT_GE(names.size(), families.size());
    EXPECT_EQ(names.mid(0, families.size()), families);
    EXPECT_EQ(names.count("Courier New"), 1);
    EXPECT_EQ(names.count("Courier"), 1);
    if (!families.contains("Courier New") && !families.contains("Courier")) {
        EXPECT_EQ(names.mid(families.size()), QStringList({"Courier New", "Courier"}));
    }

    printer->setFontName("Courier New");
    const QFontInfo face(printer->font());
    EXPECT_TRUE(face.fixedPitch()) << face.family().toStdString();
    printer->printLine("iiiiiiii");
    printer->printLine("MMMMMMMM");
    ASSERT_EQ(printer->endDoc(), Printer::Result::Printed);

    // The PDF carries the face the alias resolves to, and its letters are all of one width.
    QString embedded = face.family();
    embedded.remove(' ');
    EXPECT_TRUE(pdfFonts(path("courier.pdf")).contains(embedded)) << embedded.toStdString();
    const QList<Word> words = pdfWords(path("courier.pdf"));
    const Word narrow = wordNamed(words, "iiiiiiii");
    const Word wide = wordNamed(words, "MMMMMMMM");
    EXPECT_NEAR(narrow.right - narrow.left, wide.right - wide.left, 0.5);
}

TEST_F(QtPrinterPdf, EachDocumentIsItsOwnJobWithFreshSettings) {
    auto printer = QtPrinter::toPdf(path("primo.pdf"));
    printer->setFontName("Courier New");
    printer->setFontSize(20);
    printer->setFontBold(true);
    printer->setCurrentY(3000);
    printer->printLine("Primo");
    printer->setCurrentX(700);
    ASSERT_EQ(printer->endDoc(), Printer::Result::Printed);
    EXPECT_FALSE(printer->isPrinting());

    EXPECT_EQ(printer->currentX(), 0);
    EXPECT_EQ(printer->currentY(), 0);
    EXPECT_FALSE(printer->font().bold());
    EXPECT_EQ(printer->font().pointSizeF(), 10.0);
    EXPECT_FALSE(QFontInfo(printer->font()).fixedPitch());

    printer->setPdfOutput(path("secondo.pdf"));
    printer->printLine("Secondo");
    ASSERT_EQ(printer->endDoc(), Printer::Result::Printed);

    const QString first = pdfText(path("primo.pdf"));
    const QString second = pdfText(path("secondo.pdf"));
    EXPECT_TRUE(first.contains("Primo"));
    EXPECT_FALSE(first.contains("Secondo"));
    EXPECT_TRUE(second.contains("Secondo"));
    EXPECT_FALSE(second.contains("Primo"));
    EXPECT_TRUE(pdfFonts(path("primo.pdf")).contains("Bold"));
    EXPECT_FALSE(pdfFonts(path("secondo.pdf")).contains("Bold"));
    EXPECT_NEAR(wordNamed(pdfWords(path("secondo.pdf")), "Secondo").top, printableArea().top(),
                1.5);
    EXPECT_TRUE(pdfInfo(path("secondo.pdf")).contains(QRegularExpression("Pages:\\s+1\\n")));
}

TEST_F(QtPrinterPdf, TheNameGoesWithTheNextDocumentOnly) {
    auto printer = QtPrinter::toPdf(path("nominato.pdf"));
    printer->setDocName("ATTESTATO");
    printer->printLine("Con nome");
    ASSERT_EQ(printer->endDoc(), Printer::Result::Printed);
    printer->setPdfOutput(path("anonimo.pdf"));
    printer->printLine("Senza nome");
    ASSERT_EQ(printer->endDoc(), Printer::Result::Printed);

    EXPECT_TRUE(
        pdfInfo(path("nominato.pdf")).contains(QRegularExpression("Title:\\s+ATTESTATO\\n")));
    EXPECT_FALSE(pdfInfo(path("anonimo.pdf")).contains("ATTESTATO"));
}

TEST_F(QtPrinterPdf, EndDocWithNothingDrawnSendsOneEmptyPage) {
    auto printer = QtPrinter::toPdf(path("vuoto.pdf"));
    ASSERT_EQ(printer->endDoc(), Printer::Result::Printed);
    ASSERT_TRUE(QFile::exists(path("vuoto.pdf")));
    EXPECT_TRUE(pdfInfo(path("vuoto.pdf")).contains(QRegularExpression("Pages:\\s+1\\n")));
    EXPECT_TRUE(pdfText(path("vuoto.pdf")).trimmed().isEmpty());
}

TEST_F(QtPrinterPdf, AJobThatCannotStartIsAFailureAndTheNextOneStillPrints) {
    auto printer = QtPrinter::toPdf(path("manca/cartella/stampa.pdf"));
    printer->setCurrentX(500);
    printer->printLine("Perso");
    EXPECT_FALSE(printer->isPrinting());
    EXPECT_EQ(printer->currentX(), 0);
    EXPECT_GT(printer->currentY(), 0);
    EXPECT_EQ(printer->endDoc(), Printer::Result::Failed);
    EXPECT_FALSE(QFile::exists(path("manca/cartella/stampa.pdf")));

    printer->setPdfOutput(path("dopo.pdf"));
    printer->printLine("Dopo");
    EXPECT_EQ(printer->endDoc(), Printer::Result::Printed);
    EXPECT_TRUE(pdfText(path("dopo.pdf")).contains("Dopo"));
}

TEST_F(QtPrinterPdf, AnUnfinishedDocumentIsClosedOnDestruction) {
    {
        auto printer = QtPrinter::toPdf(path("aperto.pdf"));
        printer->printLine("A meta");
        ASSERT_TRUE(printer->isPrinting());
    }
    auto again = QtPrinter::toPdf(path("aperto.pdf"));
    again->printLine("Di nuovo");
    EXPECT_EQ(again->endDoc(), Printer::Result::Printed);
    EXPECT_TRUE(pdfText(path("aperto.pdf")).contains("Di nuovo"));
}

// A window printed on a page of its own: its size in logical pixels, the orientation its page
// must have, and the share of its true size it keeps there.
struct FormOnPage {
    int width, height;
    QPageLayout::Orientation orientation;
    bool shrunk;
};

void PrintTo(const FormOnPage& form, std::ostream* os) {
    *os << form.width << " x " << form.height << " px";
}

class QtPrinterForm : public QtPrinterPdf, public testing::WithParamInterface<FormOnPage> {};

TEST_P(QtPrinterForm, WindowCentredOnThePageInTheOrientationItFitsAsText) {
    const FormOnPage form = GetParam();
    QWidget window;
    window.setFixedSize(form.width, form.height);
    QFont font = window.font();
    font.setPointSize(12);
    window.setFont(font);
    // One word near the top left corner, one near the bottom right.
    auto* topLeft = new QLabel("Pagella", &window);
    topLeft->setGeometry(10, 10, 200, 30);
    topLeft->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    auto* bottomRight = new QLabel("Firma", &window);
    bottomRight->setGeometry(form.width - 96, form.height - 36, 90, 30);
    bottomRight->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    auto printer = QtPrinter::toPdf(path("finestra.pdf"));
    printer->printForm(window);
    ASSERT_EQ(printer->endDoc(), Printer::Result::Printed);

    const QRectF area = printableArea(form.orientation);
    const QString info = pdfInfo(path("finestra.pdf"));
    const QString size = QStringLiteral("%1 x %2 pts")
                             .arg(area.left() + area.right(), 0, 'g', 6)
                             .arg(area.top() + area.bottom(), 0, 'g', 6);
    EXPECT_TRUE(info.contains(size)) << size.toStdString() << "\n" << info.toStdString();

    // The two words are as far apart as on screen, times the scale, the same across and down.
    constexpr double pointsPerPixel = 72.0 / 96.0;
    const QSizeF onPaper = QSizeF(form.width, form.height) * pointsPerPixel;
    const double scale =
        std::min({1.0, area.width() / onPaper.width(), area.height() / onPaper.height()});
    EXPECT_EQ(scale < 1.0, form.shrunk) << scale;
    const QList<Word> words = pdfWords(path("finestra.pdf"));
    const Word first = wordNamed(words, "Pagella");
    const Word last = wordNamed(words, "Firma");
    EXPECT_NEAR(last.left - first.left, (form.width - 106) * pointsPerPixel * scale, 1);
    EXPECT_NEAR(last.top - first.top, (form.height - 46) * pointsPerPixel * scale, 1);
    // Centred: as much room on the left of the window as on its right, above as below.
    const QPointF origin(first.left - 10 * pointsPerPixel * scale,
                         first.top - 10 * pointsPerPixel * scale);
    EXPECT_NEAR(origin.x() - area.left(), (area.width() - onPaper.width() * scale) / 2, 1.5);
    EXPECT_NEAR(origin.y() - area.top(), (area.height() - onPaper.height() * scale) / 2, 1.5);
    // Text of 12 pt stays 12 pt on paper where the window keeps its size.
    EXPECT_GT(first.bottom - first.top, 10 * scale);
    EXPECT_LT(first.bottom - first.top, 18 * scale);
}

INSTANTIATE_TEST_SUITE_P(
    Sizes, QtPrinterForm,
    testing::Values(
        // 3.6 x 4.75 inches: fits upright.
        FormOnPage{346, 456, QPageLayout::Portrait, false},
        // The certificate, 8.33 x 6.25 inches: too wide for an upright A4, fits across.
        FormOnPage{800, 600, QPageLayout::Landscape, false},
        // A maximised window, larger than the page either way: shrunk, the page across.
        FormOnPage{1600, 1100, QPageLayout::Landscape, true},
        // Tall and larger than the page either way: shrunk less on an upright page.
        FormOnPage{700, 1500, QPageLayout::Portrait, true}));

TEST(QtPrinterWithoutPrinter, DrawsNothingButMovesThePenAsOnPaper) {
    QTemporaryDir dir;
    auto onPaper = QtPrinter::toPdf(dir.filePath("carta.pdf"));
    auto printer = QtPrinter::withoutPrinter();
    for (Printer* p :
         {static_cast<Printer*>(onPaper.get()), static_cast<Printer*>(printer.get())}) {
        p->setFontSize(16);
        p->setCurrentY(1000);
        p->setCurrentX(500);
        p->printLine("Riga");
    }
    EXPECT_EQ(printer->currentX(), 0);
    EXPECT_NEAR(printer->currentY(), onPaper->currentY(), 15);
    EXPECT_GT(printer->currentY(), 1200);

    QWidget window;
    window.resize(100, 100);
    printer->printForm(window);
    EXPECT_FALSE(printer->isPrinting());
    EXPECT_EQ(printer->endDoc(), Printer::Result::NoPrinter);
    EXPECT_EQ(printer->currentY(), 0);

    ASSERT_EQ(printer->fontCount(), onPaper->fontCount());
    for (int i = 0; i < printer->fontCount(); ++i)
        EXPECT_EQ(printer->fontName(i), onPaper->fontName(i));
    EXPECT_EQ(onPaper->endDoc(), Printer::Result::Printed);
}
