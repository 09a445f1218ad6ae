#include <gtest/gtest.h>

#include "shell/RecordOperazione.h"
#include "shell/Testi.h"

namespace {

// A whole record: the operation part, then the answer part as the verification builds it.
QString record(int posizione, int f1, int f2, const QString& digitato, bool esatta, int secondi,
               QString& spazioRisposta) {
    spazioRisposta = spazioRispostaPer(digitato.size(), spazioRisposta);
    return parteOperazione(posizione, f1, f2) + parteRisposta(spazioRisposta, digitato,
                                                              esatta ? " " : "*",
                                                              padSotto10(secondi), Str(secondi));
}

}  // namespace

TEST(RecordOperazione, WorkedExamples) {
    QString spazio;
    EXPECT_EQ(record(1, 3, 7, "21", true, 4, spazio), " 3 x  7 =  ?  (21)   4 Tp");
    EXPECT_EQ(record(3, 6, 7, "5", false, 4, spazio), " 6 x  ? = 42   (5)*  4 Tp");
    EXPECT_EQ(record(1, 12, 9, "108", true, 15, spazio), "12 x  9 =  ? (108)  15 Tp");
}

TEST(RecordOperazione, OperationPartOfEachPosition) {
    EXPECT_EQ(parteOperazione(1, 12, 11), "12 x 11 =  ?");
    EXPECT_EQ(parteOperazione(2, 6, 7), " ? x  6 = 42");
    EXPECT_EQ(parteOperazione(3, 6, 7), " 6 x  ? = 42");
    // A product below 10 gets its pad; three- and four-digit products shift the record.
    EXPECT_EQ(parteOperazione(2, 2, 3), " ? x  2 =  6");
    EXPECT_EQ(parteOperazione(3, 19, 19), "19 x  ? = 361");
    EXPECT_EQ(parteOperazione(2, 99, 99), " ? x 99 = 9801");
}

TEST(RecordOperazione, AnswerPadKeepsThePreviousOneForOtherLengths) {
    EXPECT_EQ(spazioRispostaPer(1, "x"), "   ");
    EXPECT_EQ(spazioRispostaPer(2, "x"), "  ");
    EXPECT_EQ(spazioRispostaPer(3, "x"), " ");
    EXPECT_EQ(spazioRispostaPer(4, "  "), "  ");
    EXPECT_EQ(spazioRispostaPer(0, " "), " ");

    // Before any verification the pad is empty, so a first answer of four characters has none.
    QString spazio;
    EXPECT_EQ(record(1, 3, 7, "0021", false, 4, spazio), " 3 x  7 =  ?(0021)*  4 Tp");
    // An empty answer keeps the pad of the previous verification.
    record(1, 3, 7, "21", true, 4, spazio);
    EXPECT_EQ(record(1, 3, 7, "", false, 4, spazio), " 3 x  7 =  ?  ()*  4 Tp");
}

TEST(RecordOperazione, TimesOfTenSecondsOrMoreHaveNoPad) {
    EXPECT_EQ(parteRisposta("  ", "21", " ", padSotto10(15), Str(15)), "  (21)  15 Tp");
    EXPECT_EQ(parteRisposta("  ", "21", "*", padSotto10(15), Str(15)), "  (21)* 15 Tp");
    EXPECT_EQ(parteRisposta("  ", "21", " ", padSotto10(9), Str(9)), "  (21)   9 Tp");
    EXPECT_EQ(parteRisposta("  ", "21", " ", padSotto10(120), Str(120)), "  (21)  120 Tp");
}
