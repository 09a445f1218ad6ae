#include "platform/QtClock.h"

#include <QDate>
#include <QLocale>
#include <QTime>

double QtClock::secondsSinceMidnight() {
    return QTime::currentTime().msecsSinceStartOfDay() / 1000.0;
}

QString QtClock::shortDate() {
    return QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat);
}
