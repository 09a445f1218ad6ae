#include <gtest/gtest.h>

#include <ostream>

#include "shell/Posizione.h"

QT_BEGIN_NAMESPACE
inline void PrintTo(const QPoint& p, std::ostream* os) {
    *os << "(" << p.x() << ", " << p.y() << ")";
}
QT_END_NAMESPACE

// The frame of a window stands centred on the screen's free area, wholly inside it when it
// fits; a larger frame keeps its top left corner (title bar, first controls) on the screen.
TEST(Posizione, CentredOnTheFreeAreaAndNeverBeyondIt) {
    const QMargins openbox(1, 20, 1, 1);
    // The exercise window on a bare 1024 x 768 screen, and with a panel of 30 pixels below.
    EXPECT_EQ(posizioneIniziale({0, 0, 1024, 768}, {794, 575}, openbox), QPoint(114, 86));
    EXPECT_EQ(posizioneIniziale({0, 0, 1024, 738}, {794, 575}, openbox), QPoint(114, 71));
    // A panel on top moves the free area down; a second screen to the right moves it across.
    EXPECT_EQ(posizioneIniziale({0, 28, 1366, 740}, {481, 308}, openbox), QPoint(441, 233));
    EXPECT_EQ(posizioneIniziale({1366, 0, 1024, 768}, {400, 300}, QMargins()), QPoint(1678, 234));

    // Taller than the free area: the title bar at its top. Wider: the left edge at its left.
    EXPECT_EQ(posizioneIniziale({0, 28, 800, 560}, {700, 575}, openbox), QPoint(49, 28));
    EXPECT_EQ(posizioneIniziale({10, 0, 640, 480}, {800, 300}, openbox), QPoint(10, 79));

    // Exactly as large as the free area: it fills it.
    EXPECT_EQ(posizioneIniziale({0, 0, 1024, 768}, {1022, 747}, openbox), QPoint(0, 0));
}

// When the free area changes under a window already placed (a tablet turned upright), the window
// moves the least that brings its frame inside; one that is inside stays where it is.
TEST(Posizione, AWindowPlacedComesBackInsideTheFreeAreaByTheShortestWay) {
    // The certificate placed on a landscape page, then the page turned upright.
    EXPECT_EQ(posizioneDentro({0, 0, 830, 1106}, {400, 60, 810, 630}), QPoint(20, 60));
    EXPECT_EQ(posizioneDentro({0, 0, 830, 1106}, {0, 600, 810, 630}), QPoint(0, 476));
    EXPECT_EQ(posizioneDentro({0, 0, 1024, 768}, {100, 50, 810, 630}), QPoint(100, 50));
    // Above or left of the area, and larger than it: the top left corner in it.
    EXPECT_EQ(posizioneDentro({0, 28, 1024, 740}, {-30, 0, 400, 300}), QPoint(0, 28));
    EXPECT_EQ(posizioneDentro({0, 0, 640, 480}, {200, 100, 810, 630}), QPoint(0, 0));
}
