#pragma once

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

// A program called `nome` in a temporary folder that stands first on PATH while this object
// lives; run, it leaves a mark file behind. It is a shell script, so Unix only.
class ProgrammaTemporaneo {
  public:
    explicit ProgrammaTemporaneo(const QString& nome) : pathPrima_(qgetenv("PATH")) {
        QFile programma(cartella_.filePath(nome));
        pronto_ = cartella_.isValid() && programma.open(QIODevice::WriteOnly);
        if (!pronto_)
            return;
        programma.write(QStringLiteral("#!/bin/sh\ntouch '%1'\n").arg(segno()).toUtf8());
        programma.close();
        programma.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("PATH", QFile::encodeName(cartella_.path()) + ':' + pathPrima_);
    }
    ~ProgrammaTemporaneo() { qputenv("PATH", pathPrima_); }
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
