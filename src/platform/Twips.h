#pragma once

#include <QRect>
#include <QtGlobal>

// Window geometry is written in twips (1440 per inch). On a 96 dpi screen a logical pixel is
// 15 twips; Qt scales logical pixels on HiDPI screens.
constexpr double kTwipsPerInch = 1440.0;
constexpr double kTwipsPerPixel = 15.0;
// Logical pixels to the inch: 96.
constexpr double kPixelsPerInch = kTwipsPerInch / kTwipsPerPixel;

inline int twips(double t) {
    return qRound(t / kTwipsPerPixel);
}

inline QRect twipsRect(double left, double top, double width, double height) {
    return QRect(twips(left), twips(top), twips(width), twips(height));
}
