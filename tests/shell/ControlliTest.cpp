#include <gtest/gtest.h>
#include <QFontMetricsF>
#include <QLabel>

#include "shell/Controlli.h"

namespace {

class Intestazioni : public testing::TestWithParam<const char*> {};

// Texts spaced by hand for one face keep every word in its column in any face the font
// fallback can give.
TEST_P(Intestazioni, EachWordStandsInItsColumnInEveryFace) {
    const QString famiglia = QString::fromLatin1(GetParam());
    const std::vector<std::pair<double, double>> quattro = {
        {0, 38}, {42, 86}, {90, 142}, {146, 206}};
    const std::pair<QString, std::vector<std::pair<double, double>>> righe[] = {
        {" Eser.    Oper.   Tempo      Tempo ", quattro},
        {"                        parziale    totale", {quattro[2], quattro[3]}},
    };
    for (const auto& [testo, colonne] : righe) {
        QLabel etichetta(testo);
        etichetta.setFont(carattere(famiglia, 8.25, true));
        ASSERT_TRUE(incolonna(&etichetta, colonne)) << testo.toStdString();
        EXPECT_EQ(etichetta.text(), testo);
        const QFontMetricsF misura(etichetta.font());
        qsizetype da = 0;
        for (const auto& [sinistra, destra] : colonne) {
            while (testo.at(da) == ' ')
                ++da;
            qsizetype fine = testo.indexOf(' ', da);
            if (fine < 0)
                fine = testo.size();
            EXPECT_GE(misura.horizontalAdvance(testo.left(da)), sinistra - 0.01)
                << testo.mid(da, fine - da).toStdString();
            EXPECT_LE(misura.horizontalAdvance(testo.left(fine)), destra + 0.01)
                << testo.mid(da, fine - da).toStdString();
            da = fine;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Facce, Intestazioni,
                         testing::Values("MS Sans Serif", "Liberation Sans", "DejaVu Sans",
                                         "Nimbus Sans", "Liberation Serif", "DejaVu Sans Mono",
                                         "URW Gothic"),
                         [](const testing::TestParamInfo<const char*>& info) {
                             QString nome = QString::fromLatin1(info.param);
                             return nome.remove(' ').toStdString();
                         });

TEST(Intestazioni, WhereNothingFitsTheLabelStaysAsItWas) {
    QLabel etichetta(" Eser.    Oper. ");
    const QFont prima = etichetta.font();
    EXPECT_FALSE(incolonna(&etichetta, {{0, 10}, {12, 20}}));
    EXPECT_FALSE(incolonna(&etichetta, {{0, 100}}));  // two words, one column
    EXPECT_EQ(etichetta.font(), prima);
}

// The size that fits a text in a width, found from a few measurements, is the one stepping down
// from the font's own size would find.
TEST(PuntiPerLarghezza, TheSizeSteppingDownWouldFind) {
    const auto aPassi = [](QFont font, const QString& testo, double larghezza) {
        while (font.pointSizeF() > 12 && QFontMetricsF(font).horizontalAdvance(testo) > larghezza)
            font.setPointSizeF(font.pointSizeF() - 0.75);
        return font.pointSizeF();
    };
    int casi = 0;
    for (const char* famiglia : {"Arial", "DejaVu Sans", "Liberation Serif"}) {
        for (bool grassetto : {true, false}) {
            const QFont font = carattere(QString::fromLatin1(famiglia), 44.25, grassetto);
            for (const QString testo : {"ROVOROREZOVERED.1", "Esercizi", "W"}) {
                const double intera = QFontMetricsF(font).horizontalAdvance(testo);
                // From wider than the text to far narrower, past the least size.
                for (double parte = 1.2; parte > 0.05; parte -= 0.037) {
                    const double larghezza = intera * parte;
                    EXPECT_EQ(puntiPerLarghezza(font, testo, larghezza, 0.75, 12),
                              aPassi(font, testo, larghezza))
                        << famiglia << (grassetto ? " bold " : " ") << testo.toStdString() << " in "
                        << larghezza;
                    ++casi;
                }
            }
        }
    }
    EXPECT_GT(casi, 500);
    // A font already at or under the least size is left as it is.
    QFont piccolo = carattere(QStringLiteral("Arial"), 10);
    EXPECT_EQ(puntiPerLarghezza(piccolo, "ROVOROREZOVERED.1", 5, 0.75, 12), 10);
}

}  // namespace
