#include <gtest/gtest.h>
#include <QImage>

#include "exercise/Faccina.h"
#include "support/StampaQString.h"

namespace {

// The mark as painted into a 32 x 32 logical square at three device pixels to the pixel.
QImage dipinta(Faccina::Espressione espressione) {
    Faccina faccina(espressione);
    faccina.resize(32, 32);
    QImage immagine(96, 96, QImage::Format_ARGB32);
    immagine.setDevicePixelRatio(3);
    immagine.fill(Qt::white);
    faccina.render(&immagine);
    return immagine;
}

bool scuro(const QImage& immagine, int x, int y) {
    return qGray(immagine.pixel(x, y)) < 100;
}

bool giallo(const QImage& immagine, int x, int y) {
    const QColor c = immagine.pixelColor(x, y);
    return c.red() > 200 && c.green() > 150 && c.blue() < 100;
}

}  // namespace

TEST(Faccina, TheSmileAndTheFrownAreToldApart) {
    const QImage sorriso = dipinta(Faccina::Espressione::Sorridente);
    const QImage broncio = dipinta(Faccina::Espressione::Imbronciata);
    // Both yellow faces: the cheeks, left and right of the nose.
    for (const QImage* faccia : {&sorriso, &broncio}) {
        EXPECT_TRUE(giallo(*faccia, 20, 48));
        EXPECT_TRUE(giallo(*faccia, 76, 48));
        EXPECT_FALSE(giallo(*faccia, 2, 2));  // round, not square
    }
    // Below the middle of the face the smile's curve is low, the frown's high.
    EXPECT_TRUE(scuro(sorriso, 48, 71));
    EXPECT_TRUE(giallo(broncio, 48, 71));
    EXPECT_TRUE(scuro(broncio, 48, 63));
    EXPECT_TRUE(giallo(sorriso, 48, 63));
    // The corners of the mouth: up in the smile, down in the frown.
    EXPECT_TRUE(scuro(sorriso, 27, 57));
    EXPECT_TRUE(giallo(broncio, 27, 57));
}
