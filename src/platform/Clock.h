#pragma once

#include <QString>

// The wall clock, as the drill reads it.
class Clock {
  public:
    virtual ~Clock() = default;
    // Seconds since local midnight, with milliseconds (0 <= value < 86400).
    virtual double secondsSinceMidnight() = 0;
    // Today's date in the system's short date format; in the Italian one where the system has
    // no locale of its own.
    virtual QString shortDate() = 0;
};
