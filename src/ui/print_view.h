#pragma once

#include <QImage>
#include <QRect>
#include <QSize>

class CRavloViewerView;
class QPaintDevice;

// The largest picture printed at once, in pixels.
constexpr long long MaxPrintPixels = 20000000;

// The size of the off-screen picture for a page: the window's size for print
// preview; otherwise the largest rectangle of the window's proportions inside
// the page, halved until it holds at most MaxPrintPixels.
QSize printBitmapSize(QSize client, QSize page, bool preview);

// Where the picture goes on the page: as large as the page allows with the
// picture's proportions, centred.
QRect printDestination(QSize bitmap, QSize page);

// Draws the view's scene into an off-screen target of its own, without the
// window's display lists: axes, every visible item drawn directly, the end
// markers and the base plane. A null image when no target could be made.
QImage renderViewDirect(CRavloViewerView& view, QSize size);

// One printed page: the picture stretched onto the page inside a frame
// rectangle, combined so that white stays paper-coloured.
void printView(CRavloViewerView& view, QPaintDevice& page, bool preview);
