#pragma once

#include <algorithm>
#include <cstdlib>

// What the start window looks like once it is fully drawn, read from its pixels on the screen:
// the title band's cyan, the title's dark red letters on it, and the name panel's pink. Shared by
// the start-up benchmark and the tests that start the real program.
struct Rgb {
    int r, g, b;
};

inline bool vicino(const Rgb& p, int r, int g, int b) {
    return std::abs(p.r - r) <= 8 && std::abs(p.g - g) <= 8 && std::abs(p.b - b) <= 8;
}

// `pixel(x, y)` is the colour at a point of a `larghezza` x `altezza` image of the window.
template <class Pixel>
bool inizioDisegnato(int larghezza, int altezza, Pixel pixel) {
    int ciano = 0, rosa = 0, rosso = 0;
    int sinistra = larghezza, destra = -1, alto = altezza, basso = -1;
    for (int y = 0; y < altezza; ++y) {
        for (int x = 0; x < larghezza; ++x) {
            const Rgb p = pixel(x, y);
            if (vicino(p, 0, 255, 255)) {
                ++ciano;
                sinistra = std::min(sinistra, x);
                destra = std::max(destra, x);
                alto = std::min(alto, y);
                basso = std::max(basso, y);
            } else if (vicino(p, 255, 192, 255)) {
                ++rosa;
            }
        }
    }
    // The title's letters, within the band.
    for (int y = alto; y <= basso; ++y)
        for (int x = sinistra; x <= destra; ++x) {
            const Rgb p = pixel(x, y);
            rosso += p.r >= 140 && p.g <= 70 && p.b <= 70;
        }
    return ciano >= 5000 && rosso >= 800 && rosa >= 20000;
}

// The same, read from a picture of the window or of the page it stands on (a QImage, whose
// pixel() gives 0xAARRGGBB).
template <class Immagine>
bool inizioDisegnatoIn(const Immagine& im) {
    return inizioDisegnato(im.width(), im.height(), [&im](int x, int y) {
        const auto c = im.pixel(x, y);
        return Rgb{int((c >> 16) & 0xff), int((c >> 8) & 0xff), int(c & 0xff)};
    });
}
