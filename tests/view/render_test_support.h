#pragma once

// Loads small layouts into an off-screen view and reads pixels back.

#include <QColor>
#include <QImage>
#include <cmath>
#include <cstdio>
#include <functional>
#include <memory>
#include <string>

#include "../support/temp_layout.h"
#include "doc/document.h"
#include "view/offscreen_renderer.h"

inline const char* const kMainLayer = "LAYERS 0 1 0 0 8421504 0 0 0 0 \"Main\"\n";

// A straight HO track from (x0, y0, z0) to (x1, y1, z1) with free ends (the
// heights given in the file) on the given layer; each end faces away from
// the track (degrees clockwise from north).
inline std::string straightRecord(int number, double x0, double y0, double z0, double x1, double y1,
                                  double z1, int layer = 0, int visible = 1)
{
    double out = std::atan2(x1 - x0, y1 - y0) * 180.0 / M_PI;
    if (out < 0)
        out += 360;
    const double back = out >= 180 ? out - 180 : out + 180;
    char text[400];
    std::snprintf(text, sizeof text,
                  "STRAIGHT %d %d 0 0 0 HO %d\nE %g %g %g 9 0 0 %g\nE %g %g %g 9 0 0 %g\nEND\n", number,
                  layer, visible, x0, y0, back, z0, x1, y1, out, z1);
    return text;
}

// One layout loaded into an off-screen view of w x h pixels and fitted.
struct ViewedLayout {
    ViewedLayout(const std::string& text, int w = 200, int h = 200) : file(text), doc(""), width(w), height(h)
    {
        loaded = renderer.ok() && renderer.openLayout(doc, file.path(), w, h);
    }
    QImage render() { return renderer.render(width, height); }
    SceneRenderer& scene() { return renderer.scene; }

    TempLayout file;
    CRavloViewerDoc doc;
    OffscreenRenderer renderer;
    int width, height;
    bool loaded = false;
};

inline bool near(QRgb p, int r, int g, int b, int tolerance = 3)
{
    return std::abs(qRed(p) - r) <= tolerance && std::abs(qGreen(p) - g) <= tolerance &&
           std::abs(qBlue(p) - b) <= tolerance;
}

// Number of pixels of the image for which the test holds.
inline int countPixels(const QImage& image, const std::function<bool(QRgb)>& test)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (test(image.pixel(x, y)))
                ++n;
    return n;
}

inline bool isRed(QRgb p)
{
    return qRed(p) > 235 && qGreen(p) < 40 && qBlue(p) < 40;
}
inline bool isOrange(QRgb p)
{
    return qRed(p) > 235 && qGreen(p) > 130 && qGreen(p) < 175 && qBlue(p) < 40;
}
inline bool isPureBlue(QRgb p)
{
    return qRed(p) < 40 && qGreen(p) < 40 && qBlue(p) > 215;
}
inline bool isGreen(QRgb p)
{
    return qRed(p) < 40 && qGreen(p) > 215 && qBlue(p) < 40;
}
