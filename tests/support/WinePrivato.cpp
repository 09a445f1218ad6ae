#include "support/WinePrivato.h"

#include <QDir>

#include "support/ProcessoFiglio.h"

WinePrivato::WinePrivato(const QString& display) : display_(display) {
    if (!cartella_.isValid()) {
        errore_ = "no temporary folder: " + cartella_.errorString();
        return;
    }
    QString uscita;
    if (!eseguiStrumento(QStringLiteral(DRILL_SOURCE_DIR "/tools/windows/wine-prefix"),
                         {cartella_.filePath("wine")}, ambiente(), &uscita, 180000))
        errore_ =
            "the Wine prefix was not made (tools/install-deps --windows installs Wine): " + uscita;
}

WinePrivato::~WinePrivato() {
    eseguiStrumento(QStringLiteral("wineserver"), {"-k"}, ambiente());
}

QProcessEnvironment WinePrivato::ambiente() const {
    QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
    ambiente.insert("WINEPREFIX", cartella_.filePath("wine"));
    // Quiet, unless the one who runs the test asks Wine for more (WINEDEBUG=err+all, say).
    if (!ambiente.contains("WINEDEBUG"))
        ambiente.insert("WINEDEBUG", "-all");
    ambiente.insert("WINEDLLOVERRIDES", "mscoree,mshtml=;winemenubuilder.exe=d");
    ambiente.insert("DISPLAY", display_);
    // The program chooses its own platform, as on a Windows PC.
    for (const QString& nome : ambiente.keys())
        if (nome.startsWith("QT_") || nome.startsWith("WINEQT_"))
            ambiente.remove(nome);
    return ambiente;
}

void WinePrivato::avvia(QProcess& processo, const QString& programma,
                        const QStringList& argomenti) const {
    processo.setProcessEnvironment(ambiente());
    processo.setProcessChannelMode(QProcess::MergedChannels);
    terminaColTest(processo);
    processo.start(QStringLiteral("wine"), QStringList{programma} + argomenti);
}

bool WinePrivato::esegui(const QString& programma, const QStringList& argomenti, QString* uscita,
                         int ms) const {
    return eseguiStrumento(QStringLiteral("wine"), QStringList{programma} + argomenti, ambiente(),
                           uscita, ms);
}

bool WinePrivato::attendiTutti(int ms) const {
    return eseguiStrumento(QStringLiteral("wineserver"), {"-w"}, ambiente(), nullptr, ms);
}

QString WinePrivato::discoC() const {
    return cartella_.filePath("wine/drive_c");
}
