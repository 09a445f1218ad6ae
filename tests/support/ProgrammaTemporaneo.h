#pragma once

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

// A program called `nome` in a temporary folder that stands first on PATH while this object
// lives; run, it leaves a mark file behind. It is a copy of the small program `segno`, which
// the build puts beside every test executable, so it is a real executable on every system.
class ProgrammaTemporaneo {
  public:
    explicit ProgrammaTemporaneo(const QString& nome) : pathPrima_(qgetenv("PATH")) {
        const QString originale =
            QCoreApplication::applicationDirPath() + QStringLiteral("/" DRILL_SEGNO_FILE);
        pronto_ = cartella_.isValid() && QFile::copy(originale, cartella_.filePath(nome));
        if (!pronto_)
            return;
        // Where the program leaves its mark; the variable passes to it with the environment.
        qputenv("DRILL_SEGNO", QFile::encodeName(QDir::toNativeSeparators(segno())));
        qputenv("PATH", QFile::encodeName(QDir::toNativeSeparators(cartella_.path())) +
                            QDir::listSeparator().toLatin1() + pathPrima_);
    }
    ~ProgrammaTemporaneo() {
        qputenv("PATH", pathPrima_);
        qunsetenv("DRILL_SEGNO");
    }
    ProgrammaTemporaneo(const ProgrammaTemporaneo&) = delete;
    ProgrammaTemporaneo& operator=(const ProgrammaTemporaneo&) = delete;

    bool pronto() const { return pronto_; }
    // Whether the program has run (waits for its mark up to `ms` milliseconds).
    bool partito(int ms = 5000) const {
        return QTest::qWaitFor([this] { return QFile::exists(segno()); }, ms);
    }

  private:
    QString segno() const { return cartella_.filePath(QStringLiteral("partito")); }

    QTemporaryDir cartella_;
    QByteArray pathPrima_;
    bool pronto_ = false;
};
