#include <gtest/gtest.h>

#include "shell/Modulo1.h"
#include "shell/Testi.h"

TEST(Testi, StrKeepsThePlaceOfTheSign) {
    EXPECT_EQ(Str(7), " 7");
    EXPECT_EQ(Str(0), " 0");
    EXPECT_EQ(Str(120), " 120");
    EXPECT_EQ(Str(-7), "-7");
}

TEST(Testi, TrimRemovesOnlyOuterSpaces) {
    EXPECT_EQ(Trim(" 42 "), "42");
    EXPECT_EQ(Trim("   "), "");
    EXPECT_EQ(Trim(""), "");
    EXPECT_EQ(Trim(" a b "), "a b");
    EXPECT_EQ(Trim("\t7"), "\t7");
}

TEST(Modulo1, StartsZeroed) {
    const Modulo1 stato;
    EXPECT_TRUE(stato.nomeAlunno.isEmpty());
    EXPECT_EQ(stato.livelloScelto, 0);
    EXPECT_EQ(stato.contatoreOperazioni, 0);
    EXPECT_EQ(stato.stileMessaggio, 0);
    for (int i = stato.elencoOperazioni.primo(); i <= stato.elencoOperazioni.ultimo(); ++i)
        EXPECT_TRUE(stato.elencoOperazioni(i).isEmpty());
    for (int i = 0; i <= 5; ++i) {
        EXPECT_EQ(stato.tempoEsercizio(i), 0);
        EXPECT_TRUE(stato.testoTempoEsercizio(i).isEmpty());
    }
    EXPECT_EQ(stato.elencoOperazioni.ultimo(), 45);
}
