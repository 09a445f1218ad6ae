#include "shell/Testi.h"

QString Str(long long number) {
    return number < 0 ? QString::number(number) : QLatin1Char(' ') + QString::number(number);
}

QString Trim(const QString& text) {
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text[first] == QLatin1Char(' '))
        ++first;
    while (last > first && text[last - 1] == QLatin1Char(' '))
        --last;
    return text.mid(first, last - first);
}

QString padSotto10(long long number) {
    return number < 10 ? QStringLiteral(" ") : QString();
}
