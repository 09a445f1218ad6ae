#pragma once

#include <QDate>

#include "platform/Clock.h"

class QLocale;

class QtClock final : public Clock {
  public:
    double secondsSinceMidnight() override;
    QString shortDate() override;

    // `date` in the short format of `system`, the system's locale. Where the system has none of
    // its own (the C or POSIX locale of a machine without a language set), in the Italian short
    // format, as every other text of the program is Italian.
    static QString shortDate(const QLocale& system, QDate date);
};
