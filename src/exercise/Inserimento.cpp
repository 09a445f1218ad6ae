#include "exercise/Inserimento.h"

#include <algorithm>

bool soloCifre(const QString& testo) {
    return !testo.isEmpty() && std::all_of(testo.begin(), testo.end(), [](QChar c) {
        return c >= QLatin1Char('0') && c <= QLatin1Char('9');
    });
}

bool inserimentoAmmesso(const QString& attuale, qsizetype selezionati, const QString& inserito) {
    return soloCifre(inserito) &&
           attuale.size() - selezionati + inserito.size() <= kMassimoDaTastiera;
}
