#pragma once

#include <QImage>
#include <QRect>
#include <algorithm>

// The smallest rectangle round the pixels of `immagine` for which `scelto(pixel)` holds (the
// pixel as QImage::pixel gives it); empty when none does. What the tests read off a picture: where
// a colour, the ink of a text or a drawing on paper stands.
template <class Scelto>
QRect zona(const QImage& immagine, Scelto scelto) {
    int sinistra = immagine.width(), destra = -1, alto = immagine.height(), basso = -1;
    for (int y = 0; y < immagine.height(); ++y)
        for (int x = 0; x < immagine.width(); ++x)
            if (scelto(immagine.pixel(x, y))) {
                sinistra = std::min(sinistra, x);
                destra = std::max(destra, x);
                alto = std::min(alto, y);
                basso = std::max(basso, y);
            }
    return destra < 0 ? QRect() : QRect(QPoint(sinistra, alto), QPoint(destra, basso));
}
