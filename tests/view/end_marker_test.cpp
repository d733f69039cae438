#include <gtest/gtest.h>

#include <GL/gl.h>
#include <GL/glu.h>

#include <QImage>

#include "render_test_support.h"
#include "view/end_marker.h"

namespace {

// An HO end at (5, 5, 0) facing north: the track lies behind it along -y.
EndPoint endAt(int other)
{
    EndPoint r;
    r.position = {5, 5, 0};
    r.angle = 0;
    r.owner = 1;
    r.other = other;
    r.gauge = 16.5 / 25.4;
    return r;
}

// Draws one marker on a clear 200 x 200 frame seen from the eye, looking at
// the end's position with z up (no labels unless asked).
QImage drawMarker(OffscreenRenderer& renderer, const EndPoint& r, const Point3& eye, bool labels = false)
{
    renderer.paintFrame(200, 200);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    gluLookAt(eye.x, eye.y, eye.z, r.position.x, r.position.y, r.position.z, 0, 0, 1);
    glColor3d(1, 0, 0);
    drawEndMarker(r, labels, renderer.scene.labelText, eye, true);
    return renderer.image();
}

// Rows of the picture holding pixels for which the test holds: first and last.
std::pair<int, int> rowSpan(const QImage& image, bool (*test)(QRgb))
{
    int top = image.height(), bottom = -1;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (test(image.pixel(x, y))) {
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
    return {top, bottom};
}

} // namespace

TEST(EndMarker, HeightLabelText)
{
    const struct {
        double z;
        bool cm;
        const char* text;
    } cases[] = {{1.0, true, "2.5"}, {1.0, false, "1.0"}, {-0.26, false, "-0.3"}, {10.0, true, "25.4"}};
    for (const auto& c : cases)
        EXPECT_EQ(heightLabel(c.z, c.cm), c.text) << c.z;
}

TEST(EndMarker, WhichEndsGetALabel)
{
    EndPoint given = endAt(2);
    given.elevationGiven = true;
    given.neighbours = {{3, 0.5}, {4, 0.5}};
    EXPECT_TRUE(endHasLabel(given));
    EndPoint computed = endAt(2);
    computed.neighbours = {{3, 0.5}, {4, 7.0}};
    EXPECT_FALSE(endHasLabel(computed)); // first neighbour 0.5 inch away
    computed.neighbours = {{3, 1.0}, {4, 7.0}};
    EXPECT_TRUE(endHasLabel(computed));
    computed.neighbours = {{3, 0.5}, {4, 7.0}, {5, 2.0}};
    EXPECT_TRUE(endHasLabel(computed));
    computed.neighbours = {{3, 0.5}};
    EXPECT_TRUE(endHasLabel(computed));
}

TEST(EndMarker, FreeEndBufferStopStandsAboveTheRailTop)
{
    OffscreenRenderer renderer;
    ASSERT_TRUE(renderer.ok());
    // Seen from the side at rail-top height, 3 inches off along +x. The red
    // beam end faces the eye at 0.9 g (depth 3 - 0.585) and spans 0.5 g to
    // 0.8 g above the rail top: rows 100 - 317 * u / depth, with the rail top
    // on row 100. The undersides seen from below reach back to the far red
    // end's outer face at depth 3 + 0.585.
    const QImage image = drawMarker(renderer, endAt(-1), {8, 5, 0});
    const auto red = rowSpan(image, isRed);
    ASSERT_LE(red.first, red.second);
    EXPECT_NEAR(red.first, 100 - 317.16 * 0.52 / 2.415, 2);
    EXPECT_NEAR(red.second, 100 - 317.16 * 0.325 / 3.585, 2);
    // The orange struts stand below the beam, on the rail top.
    const auto orange = rowSpan(image, isOrange);
    ASSERT_LE(orange.first, orange.second);
    EXPECT_GT(orange.first, red.first);
    EXPECT_LE(orange.second, 101);
    EXPECT_GE(orange.second, 95);
}

TEST(EndMarker, KindsOfEndFromAbove)
{
    OffscreenRenderer renderer;
    ASSERT_TRUE(renderer.ok());
    const Point3 above{5, 5.01, 4};
    auto blueCircle = [](QRgb p) { return isPureBlue(p); };
    // A joined end: only the blue circle.
    QImage image = drawMarker(renderer, endAt(2), above);
    EXPECT_GT(countPixels(image, blueCircle), 20);
    EXPECT_EQ(countPixels(image, isRed), 0);
    EXPECT_EQ(countPixels(image, isOrange), 0);
    // A free end: buffer stop, no circle.
    image = drawMarker(renderer, endAt(-1), above);
    EXPECT_GT(countPixels(image, isRed), 50);
    EXPECT_GT(countPixels(image, isOrange), 10);
    EXPECT_EQ(countPixels(image, blueCircle), 0);
    // On a turntable: a free end draws nothing, not even its label.
    EndPoint pit = endAt(-1);
    pit.onTurntable = true;
    pit.elevationGiven = true;
    image = drawMarker(renderer, pit, above, true);
    EXPECT_EQ(countPixels(image, [](QRgb p) { return p != qRgb(255, 255, 255); }), 0);
    // A joined end on a turntable: the dark blue rail faces only (seen from
    // in front, along the end's direction).
    pit.other = 3;
    image = drawMarker(renderer, pit, {5, 8, 0.1});
    EXPECT_GT(countPixels(image, [](QRgb p) { return near(p, 51, 51, 102, 3); }), 4);
    EXPECT_EQ(countPixels(image, isRed), 0);
    EXPECT_EQ(countPixels(image, blueCircle), 0);
}

TEST(EndMarker, LabelColourAndDistance)
{
    OffscreenRenderer renderer;
    ASSERT_TRUE(renderer.ok());
    EndPoint r = endAt(2);
    r.position.z = 1.0;
    r.elevationGiven = true;
    const Point3 above{5, 5.01, 8};
    EXPECT_GT(countPixels(drawMarker(renderer, r, above, true), isRed), 30);
    r.elevationGiven = false;
    QImage image = drawMarker(renderer, r, above, true);
    EXPECT_GT(countPixels(image, isGreen), 30);
    EXPECT_EQ(countPixels(image, isRed), 0);
    // 120 inches away: no label (a wider look would still show the circle).
    EXPECT_EQ(countPixels(drawMarker(renderer, r, {5, 5.01, 121}, true), isGreen), 0);
    // Labels off.
    EXPECT_EQ(countPixels(drawMarker(renderer, r, above, false), isGreen), 0);
}
