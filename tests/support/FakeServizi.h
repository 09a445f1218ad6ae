#pragma once

// Fakes of the platform services that script answers and record what they are asked. Qt Core
// only: the tests of the rules use them without any window.

#include <QString>
#include <QStringList>
#include <deque>
#include <functional>
#include <random>
#include <vector>

#include "platform/Platform.h"

// A clock that reads what the test says. Each reading returns `now`, then adds `passo`.
class FakeClock final : public Clock {
  public:
    double now = 36000.0;  // 10:00:00
    double passo = 0.0;
    QString date = QStringLiteral("08/12/26");
    int readings = 0;

    double secondsSinceMidnight() override {
        ++readings;
        const double value = now;
        now += passo;
        return value;
    }
    QString shortDate() override { return date; }
};

// A random source that returns the listed reals first, then reals from a seeded engine.
// Reseeds are recorded, and the order of draws and reseeds is kept in `log`.
class FakeRandom final : public Random {
  public:
    std::deque<double> listed;
    std::vector<double> reseeds;
    QStringList log;  // "next 0.31", "reseed 36000"
    std::mt19937_64 engine{12345};

    double next() override {
        double value;
        if (!listed.empty()) {
            value = listed.front();
            listed.pop_front();
        } else {
            value = double(engine() >> 11) * 0x1.0p-53;
        }
        log << QStringLiteral("next %1").arg(value);
        return value;
    }
    void reseed(double seed) override {
        reseeds.push_back(seed);
        log << QStringLiteral("reseed %1").arg(seed, 0, 'f', 3);
    }
};

class FakeSound final : public Sound {
  public:
    struct Play {
        QString file;
        unsigned flags;
    };
    std::vector<Play> plays;
    bool play(const QString& file, unsigned flags) override {
        plays.push_back({file, flags});
        return true;
    }
};

// Message boxes that record what they show and answer with the listed buttons (or with
// `risposta` when the list is empty). `onShow` runs while the box is "open", as a modal box
// would let timers and tests look at the windows.
class FakeDialogs final : public Dialogs {
  public:
    struct Box {
        QString text;
        int style;
        QString title;
    };
    std::vector<Box> boxes;
    std::deque<int> answers;
    int risposta = Ok;
    int beeps = 0;
    std::function<void(const Box&)> onShow;

    int messageBox(const QString& text, int style, const QString& title) override {
        boxes.push_back({text, style, title});
        if (onShow)
            onShow(boxes.back());
        if (!answers.empty()) {
            const int answer = answers.front();
            answers.pop_front();
            return answer;
        }
        if ((style & 7) == 0)
            return Ok;
        return risposta;
    }
    void beep() override { ++beeps; }
};

class FakeEnding final : public Ending {
  public:
    int ended = 0;
    void endProgram() override { ++ended; }
};

class FakeLauncher final : public Launcher {
  public:
    QStringList started;
    bool riesce = false;
    bool startProgram(const QString& program) override {
        started << program;
        return riesce;
    }
};

// A printer that records every call as one line of text, e.g. "name ATTESTATO", "font Courier New",
// "size 12", "bold 1", "x 1000", "y 2000", "line <text>", "form FrmAttestato", "end".
class FakePrinter final : public Printer {
  public:
    QStringList fonts{QStringLiteral("Arial"), QStringLiteral("Courier New")};
    QStringList calls;
    Result result = Result::Printed;
    // Runs inside printForm, while the window is being drawn.
    std::function<void(QWidget&)> onForm;

    void setDocName(const QString& name) override { calls << QStringLiteral("name ") + name; }
    int fontCount() override { return int(fonts.size()); }
    QString fontName(int index) override { return fonts.value(index); }
    void setFontName(const QString& name) override { calls << QStringLiteral("font ") + name; }
    void setFontSize(double points) override { calls << QStringLiteral("size %1").arg(points); }
    void setFontBold(bool bold) override { calls << QStringLiteral("bold %1").arg(int(bold)); }
    void setCurrentX(double twips) override { calls << QStringLiteral("x %1").arg(twips); }
    void setCurrentY(double twips) override { calls << QStringLiteral("y %1").arg(twips); }
    void printLine(const QString& text) override { calls << QStringLiteral("line ") + text; }
    // The name printForm records for the window it draws. The rules know a window only as a
    // widget they do not look into: the window tests' FakePlatform reads its objectName.
    std::function<QString(QWidget&)> nomeFinestra;
    void printForm(QWidget& window) override {
        calls << QStringLiteral("form ") + (nomeFinestra ? nomeFinestra(window) : QString());
        if (onForm)
            onForm(window);
    }
    Result endDoc() override {
        calls << QStringLiteral("end");
        return result;
    }
};
