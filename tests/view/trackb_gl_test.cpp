#include <gtest/gtest.h>

#include <QImage>
#include <string>

#include "render_test_support.h"

namespace {

// A turntable of radius 6 with four tracks' ends on its rim, seen fitted.
const std::string kTurnTable =
    std::string(kMainLayer) +
    "TURNTABLE 5 0 0 0 0 HO 1 0 0 0 6\n"
    "E 6 0 90 9 0 0 1\nE -6 0 270 9 0 0 1\nE 0 6 0 9 0 0 1\nE 0 -6 180 9 0 0 1\nEND\n";

bool isPitFloor(QRgb p)
{
    return near(p, 180, 180, 180, 4);
}
bool isRim(QRgb p)
{
    return near(p, 170, 158, 149, 4);
}

TEST(TrackbGl, TurnTablePitShowsFloorAndRim)
{
    ViewedLayout v(kTurnTable);
    ASSERT_TRUE(v.loaded);
    const QImage image = v.render();
    const int floor = countPixels(image, isPitFloor);
    const int rim = countPixels(image, isRim);
    // The floor disc fills most of the fitted view; the rim is a thin ring.
    EXPECT_GT(floor, 200 * 200 / 10);
    EXPECT_GT(rim, 50);
    // The centre of the picture looks down onto the pit floor.
    EXPECT_TRUE(isPitFloor(image.pixel(100, 80))) << std::hex << image.pixel(100, 100);
}

TEST(TrackbGl, CornuChainDrawsItsEmbankment)
{
    const std::string text = std::string(kMainLayer) +
                             "CORNU 7 0 0 0 0 HO 1\nS 1 1 -4 0 0 0\nC 1 1 4 0 -4 0 90\n"
                             "E -4 0 90\nE 4 -4 180\nEND\n";
    ViewedLayout v(text);
    ASSERT_TRUE(v.loaded);
    const QImage image = v.render();
    const int embankment = countPixels(image, [](QRgb p) { return near(p, 147, 140, 133, 6); });
    EXPECT_GT(embankment, 200);
}

} // namespace
