#include <gtest/gtest.h>

#include <QImage>
#include <string>

#include "render_test_support.h"

namespace {

bool isEmbankment(QRgb p)
{
    return near(p, 147, 140, 133, 8);
}

int differingPixels(const QImage& a, const QImage& b)
{
    int n = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (!near(a.pixel(x, y), qRed(b.pixel(x, y)), qGreen(b.pixel(x, y)), qBlue(b.pixel(x, y)), 8))
                ++n;
    return n;
}

TEST(TrackGl, StraightDrawsItsEmbankment)
{
    ViewedLayout v(std::string(kMainLayer) + straightRecord(1, -5, 0, 0, 5, 0, 0));
    ASSERT_TRUE(v.loaded);
    EXPECT_GT(countPixels(v.render(), isEmbankment), 200);
}

TEST(TrackGl, TurnoutPiecesAreDrawnWhereTheirPlacementPutsThem)
{
    // A sectional straight of local (0, 0)-(10, 0), turned by 90 degrees at
    // the origin, lies where a straight from (0, 0) to (0, -10) lies.
    const std::string turnout = std::string(kMainLayer) +
                                "TURNOUT 1 0 0 0 0 HO 1 0 0 0 90 \"Piece\"\nS 0 0 0 0 10 0\n"
                                "E 0 0 0 9 0 0 0\nE 0 -10 180 9 0 0 0\nEND\n";
    ViewedLayout a(turnout);
    ViewedLayout b(std::string(kMainLayer) + straightRecord(2, 0, 0, 0, 0, -10, 0));
    ASSERT_TRUE(a.loaded && b.loaded);
    const QImage ia = a.render();
    const QImage ib = b.render();
    EXPECT_GT(countPixels(ia, isEmbankment), 200);
    EXPECT_LT(differingPixels(ia, ib), 200 * 200 / 50);
}

TEST(TrackGl, CurveDrawsItsEmbankment)
{
    const std::string curve = std::string(kMainLayer) + "CURVE 3 0 0 0 0 HO 1 0 0 0 10 0\n"
                                                        "E 0 10 270 9 0 0 0\nE 10 0 180 9 0 0 0\nEND\n";
    ViewedLayout v(curve);
    ASSERT_TRUE(v.loaded);
    EXPECT_GT(countPixels(v.render(), isEmbankment), 200);
}

} // namespace
