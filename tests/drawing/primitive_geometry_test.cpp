#include <cmath>
#include <gtest/gtest.h>
#include <numbers>

#include "doc/tokenizer.h"
#include "drawing/bench_work3.h"
#include "drawing/circle3.h"
#include "drawing/curved_line3.h"
#include "drawing/line3.h"
#include "drawing/poly_line3.h"
#include "drawing/primitive_list.h"
#include "drawing/text3.h"
#include "drawing_test_support.h"

namespace {

ZPath bandPath(const Band& band)
{
    return band.paths.empty() ? ZPath{} : band.paths.front();
}

TEST(Line3Record, ColourSplitsIntoChannelsAndLengthIsPlanDistance)
{
    QuietGl quiet;
    Line3 l("L 255 0 0 0 0 10 0 0");
    EXPECT_EQ(l.letter, "L");
    EXPECT_EQ(l.red, 0);
    EXPECT_EQ(l.green, 0);
    EXPECT_EQ(l.blue, 255);
    EXPECT_DOUBLE_EQ(l.length(), 10.0);
    l.buildGeometry();
    EXPECT_FALSE(l.thick);
    EXPECT_TRUE(l.band.paths.empty());

    // Heights do not count in the length, but the centre keeps them.
    l.setEndHeight(1, 4.0);
    EXPECT_DOUBLE_EQ(l.length(), 10.0);
    const Point3 c = l.centre();
    EXPECT_DOUBLE_EQ(c.x, 5.0);
    EXPECT_DOUBLE_EQ(c.z, 2.0);
}

TEST(Line3Record, ThickTableEdgeBandCornersInOrder)
{
    QuietGl quiet;
    Line3 q("Q 16711680 0.5 0 0 0 4 0 0");
    EXPECT_EQ(q.red, 255);
    EXPECT_EQ(q.green, 0);
    q.buildGeometry();
    ASSERT_TRUE(q.thick);
    const ZPath expected{{0, 250, 0}, {4000, 250, 0}, {4000, -250, 0}, {0, -250, 0}};
    EXPECT_EQ(bandPath(q.band), expected);

    // A rebuild replaces the band instead of adding to it.
    q.buildGeometry();
    ASSERT_EQ(q.band.paths.size(), 1u);
    EXPECT_EQ(bandPath(q.band), expected);
}

TEST(Line3Record, WidthAboveOneHundredthMakesABand)
{
    QuietGl quiet;
    const struct {
        const char* line;
        bool thick;
    } cases[] = {
        {"L 0 0.01 0 0 0 1 0 0", false}, {"L 0 0.0101 0 0 0 1 0 0", true}, {"L 0 0 0 0 0 1 0 0", false}};
    for (const auto& c : cases) {
        Line3 l(c.line);
        l.buildGeometry();
        EXPECT_EQ(l.thick, c.thick) << c.line;
        EXPECT_EQ(l.band.paths.empty(), !c.thick) << c.line;
    }
}

TEST(Line3Record, ThickLineShorterThanOneHundredthBuildsNothing)
{
    QuietGl quiet;
    Line3 l("L 0 1 2 2 0 2.005 2 0");
    l.buildGeometry();
    EXPECT_FALSE(l.thick);
    EXPECT_TRUE(l.band.paths.empty());
}

TEST(Line3Record, ThickSlantedBandFollowsHeights)
{
    QuietGl quiet;
    // From (0, 0, 0) to (0, 3, 4): 3-D length 5, normal (-3/5, 0, 0).
    Line3 l("L 0 2 0 0 0 0 3 0");
    l.setEndHeight(1, 4.0);
    l.buildGeometry();
    const ZPath expected{{-600, 0, 0}, {-600, 3000, 4000}, {600, 3000, 4000}, {600, 0, 0}};
    EXPECT_EQ(bandPath(l.band), expected);
}

TEST(PrimitiveRecord, MissingOrBadFieldsThrow)
{
    const char* lines[] = {"L 0 0 1 2 0 3",
                           "L red 0 0 0 0 1 0",
                           "B 0 0 0 0 0 1 0 0",
                           "A 0 0 1 0 0 0 0",
                           "G 0 0 1 0",
                           "Z 0 1 2 3 0 12",
                           "Y",
                           "F x 0"};
    for (const char* line : lines)
        EXPECT_THROW(delete makePrimitive(line), ParseError) << line;
    PolyLine3 p("Y 0 0 3");
    EXPECT_THROW(p.addPoint("1 2"), ParseError);
    EXPECT_THROW(p.addPoint("D 1 2 3"), ParseError);
    EXPECT_TRUE(p.points.empty());
}

TEST(PrimitiveRecord, ValuesAreSinglePrecision)
{
    Line3 l("L 0 0 0.1 0 0 1 0 0");
    EXPECT_EQ(l.p1.x, static_cast<double>(0.1f));
    EXPECT_NE(l.p1.x, 0.1);
}

TEST(BenchWork3Record, FieldsAndMidpoint)
{
    BenchWork3 b("B 65280 1.5 0 0 0 4 2 0 7");
    EXPECT_EQ(b.green, 255);
    EXPECT_DOUBLE_EQ(b.width, 1.5);
    EXPECT_EQ(b.option, 7);
    EXPECT_DOUBLE_EQ(b.centre().x, 2.0);
    EXPECT_DOUBLE_EQ(b.centre().y, 1.0);
    EXPECT_DOUBLE_EQ(b.length(), 0.0);
    EXPECT_FALSE(b.writesVrml());
}

TEST(CurvedLine3Record, NegativeRadiusAndSweep)
{
    QuietGl quiet;
    CurvedLine3 a("A 0 0 -2 0 0 0 90 -90");
    EXPECT_DOUBLE_EQ(a.radius, 2.0);
    EXPECT_DOUBLE_EQ(a.sweep, -90.0);
    EXPECT_NEAR(a.arcLength, 3 * std::numbers::pi, 1e-12);
    EXPECT_DOUBLE_EQ(a.length(), a.arcLength);
    EXPECT_EQ(a.segmentCount(), 135);
    a.buildGeometry();
    EXPECT_EQ(a.points.size(), 136u);
    // Start at 90 degrees (east), 270 degrees clockwise ends at 0 (north).
    EXPECT_NEAR(a.startPoint.x, 2.0, 1e-12);
    EXPECT_NEAR(a.startPoint.y, 0.0, 1e-12);
    EXPECT_NEAR(a.endPoint.x, 0.0, 1e-12);
    EXPECT_NEAR(a.endPoint.y, 2.0, 1e-12);
}

TEST(CurvedLine3Record, SegmentCountsAndEnds)
{
    QuietGl quiet;
    const struct {
        const char* line;
        int segments;
    } cases[] = {{"A 0 0 1 0 0 0 0 3", 1},
                 {"A 0 0 1 0 0 0 0 4", 2},
                 {"A 0 0 1 0 0 0 0 360", 180},
                 {"A 0 0 1 0 0 0 0 0", 1},
                 {"A 0 0 1 0 0 0 0 -1", 179}};
    for (const auto& c : cases) {
        CurvedLine3 a(c.line);
        a.buildGeometry();
        EXPECT_EQ(a.segmentCount(), c.segments) << c.line;
        EXPECT_EQ(a.points.size(), static_cast<std::size_t>(c.segments + 1)) << c.line;
    }
    CurvedLine3 quarter("A 0 0 1 0 0 0 0 90");
    quarter.buildGeometry();
    EXPECT_NEAR(quarter.startPoint.x, 0.0, 1e-12);
    EXPECT_NEAR(quarter.startPoint.y, 1.0, 1e-12);
    EXPECT_NEAR(quarter.endPoint.x, 1.0, 1e-12);
    EXPECT_NEAR(quarter.endPoint.y, 0.0, 1e-12);
    EXPECT_NEAR(quarter.points.back().x, 1.0, 1e-12);
}

TEST(CurvedLine3Record, HeightsRunLinearlyAndFollowAtNextBuild)
{
    QuietGl quiet;
    CurvedLine3 a("A 0 0 1 0 0 0 0 8");
    a.setEndHeight(0, 1.0);
    a.setEndHeight(1, 3.0);
    EXPECT_DOUBLE_EQ(a.startPoint.z, 0.0);
    a.buildGeometry();
    ASSERT_EQ(a.points.size(), 5u);
    EXPECT_DOUBLE_EQ(a.points[2].z, 2.0);
    EXPECT_DOUBLE_EQ(a.endPosition(0).z, 1.0);
    EXPECT_DOUBLE_EQ(a.endPosition(1).z, 3.0);
}

TEST(CurvedLine3Record, ThickArcBandRunsPastBothEnds)
{
    QuietGl quiet;
    // Quarter arc of radius 10 from north to east, 1 inch wide: 45 segments.
    CurvedLine3 a("A 0 1 10 0 0 0 0 90");
    a.buildGeometry();
    ASSERT_TRUE(a.thick);
    EXPECT_TRUE(a.points.empty());
    const ZPath path = bandPath(a.band);
    ASSERT_EQ(path.size(), 92u);
    // Chord from (0, 10) to (10, 0): d = 0.04 * (-1, 1) / sqrt 2.
    const double s = 0.04 / std::sqrt(2.0);
    EXPECT_EQ(path[0], (ZPoint{static_cast<std::int64_t>(-s * 1000),
                               static_cast<std::int64_t>((10.5 + s) * 1000), 0}));
    EXPECT_EQ(path[45], (ZPoint{static_cast<std::int64_t>((10.5 + s) * 1000),
                                static_cast<std::int64_t>(-s * 1000), 0}));
    // Then the inner points back from the end to the start.
    EXPECT_EQ(path[46],
              (ZPoint{static_cast<std::int64_t>((9.5 + s) * 1000), static_cast<std::int64_t>(-s * 1000), 0}));
    EXPECT_EQ(path[91],
              (ZPoint{static_cast<std::int64_t>(-s * 1000), static_cast<std::int64_t>((9.5 + s) * 1000), 0}));
}

TEST(CurvedLine3Record, ZeroRadiusAndFullCircleDoNotBreak)
{
    QuietGl quiet;
    CurvedLine3 dot("A 0 0.5 0 3 4 0 0 90");
    dot.buildGeometry();
    EXPECT_DOUBLE_EQ(dot.arcLength, 0.0);
    EXPECT_DOUBLE_EQ(dot.startPoint.x, 3.0);
    EXPECT_EQ(bandPath(dot.band).size(), 92u);
    // A full circle has no chord: the band ends are not moved.
    CurvedLine3 ring("A 0 1 10 0 0 0 0 360");
    ring.buildGeometry();
    const ZPath path = bandPath(ring.band);
    ASSERT_EQ(path.size(), 362u);
    EXPECT_EQ(path.front(), (ZPoint{0, 10500, 0}));
    // A huge sweep is capped instead of asking for billions of points.
    CurvedLine3 wild("A 0 0 1 0 0 0 0 1e30");
    wild.buildGeometry();
    EXPECT_LE(wild.points.size(), 100001u);
}

TEST(PolyLine3Record, PointLinesAndCentre)
{
    QuietGl quiet;
    PolyLine3 y("Y 0 0.5 3");
    EXPECT_FALSE(y.filled);
    EXPECT_TRUE(y.acceptsPoints);
    y.addPoint("0 0 0");
    y.addPoint("1 0 0");
    y.addPoint("1 1 0");
    ASSERT_EQ(y.points.size(), 3u);
    const Point3 c = y.centre();
    EXPECT_DOUBLE_EQ(c.x, 2.0 / 3.0);
    EXPECT_DOUBLE_EQ(c.y, 1.0 / 3.0);
    EXPECT_DOUBLE_EQ(c.z, 0.0);
    y.buildGeometry();
    EXPECT_TRUE(y.band.paths.empty());

    PolyLine3 f("F 0 0 1");
    EXPECT_TRUE(f.filled);
    f.addPoint("1.5\t2.5 7");
    EXPECT_EQ(f.points[0], (Point3{1.5, 2.5, 7.0}));
    f.buildGeometry();
    EXPECT_EQ(bandPath(f.band), (ZPath{{1500, 2500, 7000}}));
}

TEST(PolyLine3Record, NoPointsCentreIsOriginAndBuildsNothing)
{
    QuietGl quiet;
    PolyLine3 f("F 0 0 0");
    EXPECT_EQ(f.centre(), (Point3{0, 0, 0}));
    f.hasBase = true;
    f.buildGeometry();
    EXPECT_TRUE(f.band.paths.empty());
    EXPECT_EQ(f.list, 0u);
}

TEST(Circle3Record, Fields)
{
    Circle3 g("G 128 0.1 2.5 3 -4");
    EXPECT_EQ(g.blue, 128);
    EXPECT_DOUBLE_EQ(g.radius, 2.5);
    EXPECT_EQ(g.centre(), (Point3{3, -4, 0}));
}

TEST(Text3Record, FieldsAndQuotedText)
{
    Text3 z("Z 0 3 4 30 0 36 Station");
    EXPECT_EQ(z.centre(), (Point3{3, 4, 0}));
    EXPECT_DOUBLE_EQ(z.angle, 30.0);
    EXPECT_DOUBLE_EQ(z.fontSize, 36.0);
    EXPECT_EQ(z.text, "Station");

    Text3 quoted("Z 0 0 0 0 0 12 \"Big \"\"Joe\"\" yard\" 5");
    EXPECT_EQ(quoted.text, "Big \"\"Joe\"\" yard");
    // An unmatched quote runs the text to the end of the line.
    Text3 open("Z 0 0 0 0 0 12 \"never closed");
    EXPECT_EQ(open.text, "never closed");
}

} // namespace
