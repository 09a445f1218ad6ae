#pragma once

#include <QString>

// The program's own title, shown in captions and in message boxes without a title.
inline const QString kTitoloProgramma = QStringLiteral("ROVOROREZOVERED.1");

// The text form of a number with one leading character for the sign: a space for zero and
// positive numbers, "-" for negative ones (Str(7) is " 7").
QString Str(long long number);

// Removes leading and trailing spaces (only spaces).
QString Trim(const QString& text);

// A single space when `number` is below 10, otherwise the empty text: the pad that aligns one-
// and two-digit numbers in the records.
QString padSotto10(long long number);
