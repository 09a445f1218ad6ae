#include "shell/RecordOperazione.h"

#include "shell/Testi.h"

QString parteOperazione(int posizione, int fattore1, int fattore2) {
    const QString f1 = padSotto10(fattore1) + QString::number(fattore1);
    const QString f2 = padSotto10(fattore2) + QString::number(fattore2);
    const int prodotto = fattore1 * fattore2;
    const QString p = padSotto10(prodotto) + QString::number(prodotto);
    switch (posizione) {
        case 1:
            return f1 + QStringLiteral(" x ") + f2 + QStringLiteral(" =  ?");
        case 2:
            return QStringLiteral(" ? x ") + f1 + QStringLiteral(" = ") + p;
        case 3:
            return f1 + QStringLiteral(" x  ? = ") + p;
        default:
            return QString();
    }
}

QString spazioRispostaPer(qsizetype lunghezza, const QString& precedente) {
    switch (lunghezza) {
        case 1:
            return QStringLiteral("   ");
        case 2:
            return QStringLiteral("  ");
        case 3:
            return QStringLiteral(" ");
        default:
            return precedente;
    }
}

QString parteRisposta(const QString& spazioRisposta, const QString& digitato,
                      const QString& segnoEsito, const QString& spazioTempo,
                      const QString& testoTempoRisposta) {
    return spazioRisposta + QLatin1Char('(') + digitato + QLatin1Char(')') + segnoEsito +
           spazioTempo + testoTempoRisposta + QStringLiteral(" Tp");
}
