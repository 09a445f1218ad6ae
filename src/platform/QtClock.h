#pragma once

#include "platform/Clock.h"

class QtClock final : public Clock {
  public:
    double secondsSinceMidnight() override;
    QString shortDate() override;
};
