#include <gtest/gtest.h>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QInputMethodEvent>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QTest>
#include <functional>

#include "exercise/CasellaRisultato.h"
#include "support/Controlli.h"
#include "support/StampaQString.h"

namespace {

// The ways text reaches the answer box.
enum class Via { Tastiera, Incolla, ShiftIns, Menu, MetodoInput, Trascina, Tastierino };

const char* nomeVia(Via via) {
    switch (via) {
        case Via::Tastiera:
            return "Tastiera";
        case Via::Incolla:
            return "Incolla";
        case Via::ShiftIns:
            return "ShiftIns";
        case Via::Menu:
            return "Menu";
        case Via::MetodoInput:
            return "MetodoInput";
        case Via::Trascina:
            return "Trascina";
        case Via::Tastierino:
            return "Tastierino";
    }
    return "?";
}

// The box inside a small window, with a button after it in the tab order, and a count of
// everything it reports.
class Casella : public ::testing::Test {
  protected:
    QWidget finestra;
    CasellaRisultato* casella = new CasellaRisultato(&finestra);
    QPushButton* dopo = new QPushButton(QStringLiteral("dopo"), &finestra);
    int rifiuti = 0;
    QList<int> codici;
    // What the window's key handler does with each code; by default it keeps it.
    std::function<void(int&)> gestore = [](int&) {};

    void SetUp() override {
        QGuiApplication::clipboard()->clear();
        casella->setGeometry(0, 0, 120, 40);
        dopo->setGeometry(0, 50, 120, 30);
        QObject::connect(casella, &CasellaRisultato::rifiutato, [this] { ++rifiuti; });
        QObject::connect(casella, &CasellaRisultato::tastoCarattere, [this](int& codice) {
            codici << codice;
            gestore(codice);
        });
        finestra.show();
        QApplication::setActiveWindow(&finestra);
        casella->setFocus();
    }

    void porta(Via via, const QString& testo) {
        switch (via) {
            case Via::Tastiera:
                QTest::keyClicks(casella, testo);
                break;
            case Via::Incolla:
                QGuiApplication::clipboard()->setText(testo);
                QTest::keySequence(casella,
                                   QKeySequence::keyBindings(QKeySequence::Paste).value(0));
                break;
            case Via::ShiftIns:
                QGuiApplication::clipboard()->setText(testo);
                QTest::keyClick(casella, Qt::Key_Insert, Qt::ShiftModifier);
                break;
            case Via::Menu:
                incollaDalMenu(casella, testo);
                break;
            case Via::MetodoInput: {
                QInputMethodEvent evento;
                evento.setCommitString(testo);
                QApplication::sendEvent(casella, &evento);
                break;
            }
            case Via::Trascina: {
                QMimeData dati;
                dati.setText(testo);
                QDragEnterEvent entra(QPoint(5, 5), Qt::CopyAction, &dati, Qt::LeftButton,
                                      Qt::NoModifier);
                QApplication::sendEvent(casella, &entra);
                EXPECT_FALSE(entra.isAccepted());
                QDropEvent rilascio(QPointF(5, 5), Qt::CopyAction, &dati, Qt::LeftButton,
                                    Qt::NoModifier);
                QApplication::sendEvent(casella, &rilascio);
                EXPECT_FALSE(rilascio.isAccepted());
                break;
            }
            case Via::Tastierino:
                casella->setText(casella->text() + testo);
                break;
        }
    }
};

struct Caso {
    Via via;
    const char* prima;  // what the keypad put in the box before
    const char* portato;
    const char* dopo;
    int rifiuti;
};

std::ostream& operator<<(std::ostream& os, const Caso& c) {
    return os << nomeVia(c.via) << " \"" << c.portato << "\" into \"" << c.prima << "\"";
}

class Regole : public Casella, public ::testing::WithParamInterface<Caso> {};

TEST_P(Regole, TextGoesInByTheRulesOfAnAnswer) {
    const Caso& c = GetParam();
    casella->setText(QString::fromUtf8(c.prima));
    porta(c.via, QString::fromUtf8(c.portato));
    EXPECT_EQ(casella->text(), QString::fromUtf8(c.dopo));
    EXPECT_EQ(rifiuti, c.rifiuti);
}

// Typed, at most three characters, each key judged alone; pasted or composed, whole or not at
// all; dropped, never; from the keypad, without a limit.
INSTANTIATE_TEST_SUITE_P(
    Vie, Regole,
    ::testing::Values(
        Caso{Via::Tastiera, "", "42", "42", 0}, Caso{Via::Tastiera, "", "1234", "123", 1},
        Caso{Via::Tastiera, "000000", "1", "000000", 1}, Caso{Via::Incolla, "", "42", "42", 0},
        Caso{Via::Incolla, "42", "7", "427", 0}, Caso{Via::Incolla, "427", "1", "427", 1},
        Caso{Via::Incolla, "", "1234", "", 1}, Caso{Via::Incolla, "", "4a", "", 1},
        Caso{Via::Incolla, "", " 12", "", 1}, Caso{Via::Incolla, "", "-5", "", 1},
        Caso{Via::ShiftIns, "", "x9", "", 1}, Caso{Via::ShiftIns, "", "9", "9", 0},
        Caso{Via::Menu, "", "56", "56", 0}, Caso{Via::Menu, "", "12345", "", 1},
        Caso{Via::Menu, "", "1.5", "", 1}, Caso{Via::MetodoInput, "", "12", "12", 0},
        Caso{Via::MetodoInput, "99", "12", "99", 1}, Caso{Via::MetodoInput, "", "١٢", "", 1},
        Caso{Via::Trascina, "", "99", "", 0}, Caso{Via::Tastierino, "000", "000", "000000", 0},
        Caso{Via::Tastierino, "000000", "000", "000000000", 0}),
    [](const ::testing::TestParamInfo<Caso>& info) {
        return std::string(nomeVia(info.param.via)) + std::to_string(info.index);
    });

TEST_F(Casella, EveryCharacterKeyGoesFirstToTheWindowWithItsCode) {
    QTest::keyClick(casella, Qt::Key_4);
    QTest::keyClick(casella, Qt::Key_Backspace);
    QTest::keyClick(casella, Qt::Key_Return);
    QTest::keyClick(casella, Qt::Key_Enter, Qt::KeypadModifier);
    QTest::keyClick(casella, Qt::Key_A);
    EXPECT_EQ(codici, QList<int>({'4', 8, 13, 13, 'a'}));
    // A letter the window lets through is still no digit.
    EXPECT_EQ(casella->text(), "");
    EXPECT_EQ(rifiuti, 1);
    // Keys that type nothing are the box's own editing.
    QTest::keyClicks(casella, "12");
    QTest::keyClick(casella, Qt::Key_Home);
    QTest::keyClick(casella, Qt::Key_Delete);
    EXPECT_EQ(casella->text(), "2");
    EXPECT_EQ(codici.size(), 7);

    // A code set to 0 keeps the key out; Enter never becomes text.
    casella->clear();
    gestore = [](int& codice) {
        if (codice == '7' || codice == 13)
            codice = 0;
    };
    QTest::keyClicks(casella, "172");
    QTest::keyClick(casella, Qt::Key_Return);
    EXPECT_EQ(casella->text(), "12");
    EXPECT_EQ(rifiuti, 1);
}

TEST_F(Casella, TabAndShiftTabMoveTheFocusAndTypeNothing) {
    QTest::keyClicks(casella, "4");
    codici.clear();
    QTest::keyClick(casella, Qt::Key_Tab);
    EXPECT_EQ(finestra.focusWidget(), dopo);
    casella->setFocus();
    QTest::keyClick(casella, Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(finestra.focusWidget(), dopo);  // the only other stop, backwards too
    EXPECT_EQ(casella->text(), "4");
    EXPECT_TRUE(codici.isEmpty());
    EXPECT_EQ(rifiuti, 0);
}

TEST_F(Casella, ALockedBoxRefusesEveryEdit) {
    casella->setText("42");
    casella->setReadOnly(true);
    for (Via via : {Via::Tastiera, Via::Incolla, Via::MetodoInput})
        porta(via, "5");
    QTest::keyClick(casella, Qt::Key_Backspace);
    QTest::keyClick(casella, Qt::Key_Return);
    EXPECT_EQ(casella->text(), "42");
    EXPECT_EQ(rifiuti, 5);
    // The window hears of no key while the box is locked.
    EXPECT_TRUE(codici.isEmpty());
}

}  // namespace
