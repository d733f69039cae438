#include <gtest/gtest.h>

#include <QImage>
#include <string>

#include "render_test_support.h"

namespace {

// The base plane's default colour 0xC0C0C0 is 192/256 = 0.75 per channel; at
// alpha 0.9 over the white background: 0.9 * 0.75 + 0.1 = 0.775 -> 198.
bool isBasePlane(QRgb p)
{
    return near(p, 198, 198, 198, 2);
}
bool isWhite(QRgb p)
{
    return near(p, 255, 255, 255, 0);
}
// The rail shades (outer side, head, inner side) and the embankment shades.
bool isRailHead(QRgb p)
{
    return near(p, 153, 153, 153, 6) || near(p, 51, 51, 102, 6) || near(p, 102, 102, 128, 6);
}
bool isEmbankment(QRgb p)
{
    return near(p, 147, 140, 133, 4) || near(p, 183, 185, 174, 4) || near(p, 142, 135, 128, 4);
}
bool isTunnel(QRgb p)
{
    return near(p, 179, 179, 230, 4);
}

// A straight 20 inches long along x, away from the origin, slightly graded.
std::string gradedStraight(int visible = 1)
{
    return std::string(kMainLayer) + straightRecord(1, 50, 0, 0, 70, 0, 1, 0, visible);
}

// Two parallel straights 10 inches apart: the base plane shows between them.
std::string twoStraights()
{
    return std::string(kMainLayer) + straightRecord(1, 50, 0, 0, 70, 0, 0) +
           straightRecord(2, 50, 10, 0, 70, 10, 0);
}

// A short straight seen close enough for its rail heads to span pixels.
std::string shortStraight(int visible = 1)
{
    return std::string(kMainLayer) + straightRecord(1, 50, 0, 0, 53, 0, 0, 0, visible);
}

} // namespace

TEST(ViewScene, EmptyLayoutShowsTheAxes)
{
    ViewedLayout v(std::string(kMainLayer), 400, 300);
    ASSERT_TRUE(v.loaded);
    const QImage image = v.render();
    // Fit of an empty layout: 10 inches back looking down. The unit x axis
    // ends at 1/10 * cot(17.5 deg) / aspect of half the width right of centre
    // (about 47 pixels), the y axis at 1/10 * cot(17.5 deg) of half the height.
    EXPECT_TRUE(isRed(image.pixel(225, 150))) << std::hex << image.pixel(225, 150);
    EXPECT_TRUE(isGreen(image.pixel(200, 130))) << std::hex << image.pixel(200, 130);
    EXPECT_TRUE(isWhite(image.pixel(300, 150)));
    EXPECT_TRUE(isWhite(image.pixel(200, 50)));
    // The letter "x" at 1.07 along the axis: dark red bitmap pixels right of the tip.
    int letter = 0;
    for (int y = 135; y < 155; ++y)
        for (int x = 249; x < 262; ++x)
            if (qRed(image.pixel(x, y)) > 60 && qGreen(image.pixel(x, y)) < 30)
                ++letter;
    EXPECT_GT(letter, 4);
}

TEST(ViewScene, BasePlaneLiesBelowTheLayoutInItsColour)
{
    ViewedLayout v(twoStraights());
    ASSERT_TRUE(v.loaded);
    // 0.2 inch below the lowest point of the end boxes.
    EXPECT_DOUBLE_EQ(v.doc.basePlaneLevel, v.doc.tables.bounds[2] - 0.2);
    EXPECT_LT(v.doc.basePlaneLevel, -0.2);
    QImage image = v.render();
    // Between the two tracks, within the plane's extent.
    const int y = 100;
    EXPECT_TRUE(isBasePlane(image.pixel(100, y))) << std::hex << image.pixel(100, y);
    v.doc.showBasePlane = false;
    image = v.render();
    EXPECT_TRUE(isWhite(image.pixel(100, y))) << std::hex << image.pixel(100, y);
    // Opacity 50 and pure red 0x0000FF (red in the low byte): 0.5 * 255/256 + 0.5.
    v.doc.showBasePlane = true;
    v.doc.basePlaneColor = 0x0000FF;
    v.doc.basePlaneOpacity = 50;
    image = v.render();
    EXPECT_TRUE(near(image.pixel(100, y), 255, 128, 128, 2)) << std::hex << image.pixel(100, y);
}

TEST(ViewScene, StraightShowsRailsAndEmbankmentUntilItsLayerIsHidden)
{
    ViewedLayout v(shortStraight(), 400, 400);
    ASSERT_TRUE(v.loaded);
    v.scene().drawGrades = 0;
    QImage image = v.render();
    // The track runs across the middle of the picture.
    int rails = 0, bank = 0;
    for (int x = 100; x < 300; ++x)
        for (int y = 150; y < 250; ++y) {
            rails += isRailHead(image.pixel(x, y));
            bank += isEmbankment(image.pixel(x, y));
        }
    EXPECT_GT(rails, 100);
    EXPECT_GT(bank, 300);
    EXPECT_GT(countPixels(image, isRed), 0); // buffer stops at the free ends

    v.doc.tables.layerVisible[0] = false;
    image = v.render();
    EXPECT_EQ(countPixels(image, isRailHead), 0);
    EXPECT_EQ(countPixels(image, isEmbankment), 0);
    EXPECT_EQ(countPixels(image, isRed), 0); // the end markers went with the layer
    EXPECT_TRUE(isBasePlane(image.pixel(200, 200)));
}

TEST(ViewScene, HiddenTrackShowsItsTunnelOnlyWithDrawTunnel)
{
    ViewedLayout v(shortStraight(0), 400, 400);
    ASSERT_TRUE(v.loaded);
    v.scene().drawGrades = 0;
    QImage image = v.render();
    EXPECT_GT(countPixels(image, isTunnel), 500);
    v.scene().drawTunnels = 0;
    image = v.render();
    EXPECT_EQ(countPixels(image, isTunnel), 0);
    EXPECT_GT(countPixels(image, isRailHead), 100);
}

TEST(ViewScene, GradeLabelOnlyNearTheEye)
{
    // Grade 1 in 20 = 5%: labelled in blue at the middle when the eye is near.
    ViewedLayout v(gradedStraight());
    ASSERT_TRUE(v.loaded);
    EXPECT_GT(countPixels(v.render(), isPureBlue), 20);
    v.scene().drawGrades = 0;
    EXPECT_EQ(countPixels(v.render(), isPureBlue), 0);
    // Beyond 100 inches no label, though the track is still in view.
    v.scene().drawGrades = 2;
    ViewCamera::moveCamera(v.scene().camera.placement, 0, 0, -90);
    const QImage far = v.render();
    EXPECT_EQ(countPixels(far, isPureBlue), 0);
    EXPECT_GT(countPixels(far, isEmbankment), 20);
}

TEST(ViewScene, HeightLabelsOnlyNearTheEye)
{
    // Both ends have heights from the file: red labels; 120 inches away none.
    ViewedLayout v(std::string(kMainLayer) + straightRecord(1, 50, 0, 1, 70, 0, 1));
    ASSERT_TRUE(v.loaded);
    v.doc.showBasePlane = false;
    const int nearRed = countPixels(v.render(), isRed);
    v.scene().drawGrades = 0;
    const int noLabels = countPixels(v.render(), isRed);
    EXPECT_GT(nearRed, noLabels + 30);
    v.scene().drawGrades = 2;
    ViewCamera::moveCamera(v.scene().camera.placement, 0, 0, -90);
    const int farRed = countPixels(v.render(), isRed);
    v.scene().drawGrades = 0;
    EXPECT_EQ(farRed, countPixels(v.render(), isRed));
}
