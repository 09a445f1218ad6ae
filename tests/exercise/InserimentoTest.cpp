#include <gtest/gtest.h>

#include "exercise/Inserimento.h"

TEST(Inserimento, DigitsOnlyAndAtMostThreeFromTheKeyboard) {
    EXPECT_TRUE(inserimentoAmmesso("", 0, "7"));
    EXPECT_TRUE(inserimentoAmmesso("12", 0, "3"));
    EXPECT_FALSE(inserimentoAmmesso("123", 0, "4"));
    EXPECT_TRUE(inserimentoAmmesso("123", 1, "4"));  // typing over a selection
    EXPECT_FALSE(inserimentoAmmesso("000000", 0, "1"));
    EXPECT_TRUE(inserimentoAmmesso("000000", 6, "1"));
    EXPECT_TRUE(inserimentoAmmesso("", 0, "108"));
    EXPECT_FALSE(inserimentoAmmesso("", 0, "1080"));
    EXPECT_TRUE(inserimentoAmmesso("1", 0, "42"));
    EXPECT_FALSE(inserimentoAmmesso("12", 0, "42"));
    for (const QString testo : {"a", " ", "-", "4a", "4 ", "١", "٣", "½", "\r"})
        EXPECT_FALSE(inserimentoAmmesso("", 0, testo)) << testo.toStdString();
    EXPECT_FALSE(soloCifre(""));
}
