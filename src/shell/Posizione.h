#pragma once

#include <QMargins>
#include <QPoint>
#include <QRect>
#include <QSize>

// Where a window opens the first time: the top left corner of its frame (the window with the
// title bar and borders the window manager puts round it, `cornice`), chosen so that the frame
// stands centred on `disponibile`, the part of the screen that panels leave free, and never
// beyond its edges. A frame larger than that area keeps its top left corner in it, so that the
// title bar and the first controls stay within reach.
QPoint posizioneIniziale(const QRect& disponibile, const QSize& finestra, const QMargins& cornice);

// Where a window already placed goes when the free area changes (a tablet turned, a smaller
// screen): the top left corner of its frame `cornice` moved the least that brings the frame inside
// `disponibile`; a frame larger than the area keeps its top left corner in it.
QPoint posizioneDentro(const QRect& disponibile, const QRect& cornice);
