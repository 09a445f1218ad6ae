#include "start/SenzaCifre.h"

SenzaCifre::SenzaCifre(std::function<void()> rifiuto, QObject* parent)
    : QValidator(parent), rifiuto_(std::move(rifiuto)) {}

QValidator::State SenzaCifre::validate(QString& testo, int& cursore) const {
    QString pulito;
    pulito.reserve(testo.size());
    int tolteDavanti = 0;
    for (qsizetype i = 0; i < testo.size(); ++i) {
        const QChar c = testo.at(i);
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9')) {
            if (i < cursore)
                ++tolteDavanti;
        } else {
            pulito += c;
        }
    }
    if (pulito.size() != testo.size()) {
        testo = pulito;
        cursore -= tolteDavanti;
        rifiuto_();
    }
    return Acceptable;
}
