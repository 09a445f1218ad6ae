#include "platform/QtClock.h"

#include <QDate>
#include <QLocale>
#include <QTime>

double QtClock::secondsSinceMidnight() {
    return QTime::currentTime().msecsSinceStartOfDay() / 1000.0;
}

QString QtClock::shortDate() {
    return shortDate(QLocale::system(), QDate::currentDate());
}

QString QtClock::shortDate(const QLocale& system, QDate date) {
    const QLocale locale =
        system.language() == QLocale::C ? QLocale(QLocale::Italian, QLocale::Italy) : system;
    return locale.toString(date, QLocale::ShortFormat);
}
