#pragma once

#include <QString>
#include <ostream>

// GoogleTest shows QStrings in failures as quoted text rather than as bytes.
inline void PrintTo(const QString& testo, std::ostream* os) {
    *os << '"' << testo.toStdString() << '"';
}
