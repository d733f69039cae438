#include <gtest/gtest.h>

#include <cmath>
#include <iterator>
#include <numbers>
#include <regex>
#include <sstream>

#include "doc/layout_tables.h"
#include "doc/tokenizer.h"
#include "mesh/rail_mesh.h"
#include "track/curved_track.h"
#include "track/rail_output.h"
#include "track/straight_track.h"

namespace {
constexpr double pi = std::numbers::pi;
}

TEST(SegmentTest, StraightLineReadsEndsNormalsAndLength)
{
    StraightTrack s("S 3 0.5 0 0 3 4");
    EXPECT_EQ(s.line, "S 3 0.5 0 0 3 4");
    EXPECT_EQ(s.colour, 3);
    EXPECT_DOUBLE_EQ(s.width, 0.5);
    EXPECT_DOUBLE_EQ(s.length, 5.0);
    EXPECT_DOUBLE_EQ(s.middle.x, 1.5);
    EXPECT_DOUBLE_EQ(s.middle.y, 2.0);
    EXPECT_NEAR(s.startNormal.x, -0.8, 1e-12);
    EXPECT_NEAR(s.startNormal.y, 0.6, 1e-12);
    EXPECT_EQ(s.grade, 0.0);
}

TEST(SegmentTest, CurvedLineWithNegativeRadius)
{
    CurvedTrack c("C 0 0 -10 5 5 90 45");
    EXPECT_DOUBLE_EQ(c.radius, 10.0);
    EXPECT_NEAR(c.start.x, 15.0, 1e-12);
    EXPECT_NEAR(c.start.y, 5.0, 1e-12);
    EXPECT_EQ(c.start.z, 0.0);
    EXPECT_NEAR(c.end.x, 5.0 + 10.0 * std::sqrt(0.5), 1e-12);
    EXPECT_NEAR(c.end.y, 5.0 - 10.0 * std::sqrt(0.5), 1e-12);
    EXPECT_NEAR(c.middle.x, 5.0 + 10.0 * std::sin(112.5 * pi / 180), 1e-12);
    EXPECT_NEAR(c.length, 10.0 * pi / 4.0, 1e-12);
    EXPECT_EQ(c.turns, 0);
}

TEST(SegmentTest, NegativeSweepIsTheLongWayRound)
{
    CurvedTrack c("C 0 0 10 0 0 0 -90");
    EXPECT_DOUBLE_EQ(c.totalSweep(), 270.0);
    EXPECT_NEAR(c.length, 10.0 * 3.0 * pi / 2.0, 1e-12);
    EXPECT_NEAR(c.end.x, -10.0, 1e-12);
    EXPECT_NEAR(c.end.y, 0.0, 1e-12);
}

TEST(SegmentTest, BadLinesThrow)
{
    EXPECT_THROW(StraightTrack("S 1 0 0 0 3"), ParseError);
    EXPECT_THROW(CurvedTrack("C 1 0 10 0 0 x 5"), ParseError);
}

TEST(SegmentTest, FitHeightsTakesNearestPointAndLowerOnTies)
{
    StraightTrack s("S 0 0 0 0 10 0");
    // Two points at distance 1 from the start: the lower one counts.
    s.fitHeights({{0, 1, 3.0}, {0, -1, 2.0}, {10.5, 0, 1.0}, {20, 0, 9.0}});
    EXPECT_DOUBLE_EQ(s.start.z, 2.0);
    EXPECT_DOUBLE_EQ(s.end.z, 1.0);
    EXPECT_DOUBLE_EQ(s.middle.z, 1.5);
    EXPECT_DOUBLE_EQ(s.grade, 10.0);
    // No points: heights stay.
    s.fitHeights({});
    EXPECT_DOUBLE_EQ(s.start.z, 2.0);
}

TEST(SegmentTest, GradeLabelTexts)
{
    EXPECT_EQ(gradeLabelText(2.0), "2.00%");
    EXPECT_EQ(gradeLabelText(0.126), "0.13%");
    EXPECT_EQ(gradeLabelText(INFINITY), "infinity");
    EXPECT_EQ(gradeLabelText(NAN), "infinity");
}

TEST(SegmentTest, CurvedMeshStepsAndLevelLists)
{
    struct Case {
        const char* line;
        std::size_t sections;
        std::size_t level1Joints;
        std::size_t level2Joints;
    };
    // 3 degrees: one step; 22 degrees: 11 steps, level 1 joins 0-1, 1-6,
    // 6-11, level 2 joins 0-1, 1-11.
    const Case cases[] = {{"C 0 0 20 0 0 10 3", 2, 1, 1}, {"C 0 0 20 0 0 10 22", 12, 3, 2}};
    for (const Case& k : cases) {
        SCOPED_TRACE(k.line);
        LayoutTables tables;
        OutlineVertices vertices;
        CurvedTrack c(k.line);
        c.assignProfile(tables, "HO");
        c.buildMeshes(identityPlacement(), vertices, 0);
        EXPECT_EQ(c.rails->railVertices.size(), 36 * k.sections);
        EXPECT_EQ(c.rails->railIndices[0].size(), 36 * (k.sections - 1));
        EXPECT_EQ(c.rails->railIndices[1].size(), 36 * k.level1Joints);
        EXPECT_EQ(c.rails->railIndices[2].size(), 36 * k.level2Joints);
        EXPECT_TRUE(c.rails->helixFrameVertices.empty());
        // Out along the outer side, back along the inner one.
        ASSERT_EQ(c.outline.footprint.size(), 1u);
        ASSERT_EQ(c.outline.footprint[0].size(), 2 * k.sections);
        EXPECT_EQ(vertices.size(), 4 * 2 * k.sections);
        const double W = 29.0 / 25.4;
        const OutlineVertex& first = vertices[static_cast<std::size_t>(c.outline.footprint[0].front().Z)];
        const OutlineVertex& last = vertices[static_cast<std::size_t>(c.outline.footprint[0].back().Z)];
        EXPECT_NEAR(std::hypot(first.x, first.y), 20 + W, 1e-9);
        EXPECT_NEAR(std::hypot(last.x, last.y), 20 - W, 1e-9);
    }
}

TEST(SegmentTest, HelixSweepBuildsTubeAndLinearRise)
{
    LayoutTables tables;
    OutlineVertices vertices;
    CurvedTrack c;
    c.assignProfile(tables, "HO");
    c.radius = 20;
    c.turns = 1;
    c.startAngle = 0;
    c.sweep = 720;
    c.start = c.pointAt(0);
    c.end = c.pointAt(720);
    c.end.z = 360;
    c.buildMeshes(identityPlacement(), vertices, 0);
    // 360 steps: 361 sections, each with four tube vertices.
    EXPECT_EQ(c.rails->railVertices.size(), 36u * 361);
    EXPECT_EQ(c.rails->helixFrameVertices.size(), 12u * 361);
    EXPECT_EQ(c.rails->helixFrameIndices.size(), 18u * 360);
    // Section 180 lies half way up: its first rail vertex is r below the rail top.
    EXPECT_NEAR(c.rails->railVertices[36 * 180 + 2], 180.0 - 2.0 / 25.4, 1e-9);
}

// A broken piece (an arc going round more than once, a helix longer than the
// step bound, a sweep that is no number) gets no meshes; one just inside the
// bounds is built in full.
TEST(SegmentTest, BrokenSweepsBuildNoMeshes)
{
    struct Case {
        double sweep;
        int turns;
        std::size_t sections;
    };
    const Case cases[] = {
        {1e9, 0, 0},
        {360.5, 0, 0},
        {360, 0, 181},
        {2.0 * (CurvedTrack::maxSteps + 2), 1, 0},
        {2.0 * CurvedTrack::maxSteps, 1, CurvedTrack::maxSteps + 1},
        {NAN, 0, 0},
        {-1e30, 0, 0},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(testing::Message() << k.sweep << " degrees, " << k.turns << " turns");
        LayoutTables tables;
        OutlineVertices vertices;
        CurvedTrack c("C 0 0 20 0 0 0 90");
        c.sweep = k.sweep;
        c.turns = k.turns;
        c.end = c.pointAt(c.startAngle + (std::isfinite(k.sweep) ? k.sweep : 0.0));
        c.assignProfile(tables, "HO");
        c.buildMeshes(identityPlacement(), vertices, 0);
        EXPECT_EQ(c.rails->railVertices.size(), 36u * k.sections);
        if (k.sections == 0)
            EXPECT_TRUE(c.outline.footprint.empty());
    }
}

TEST(SegmentTest, DetailLevels)
{
    const std::pair<double, int> cases[] = {{0, 0},     {199.9, 0}, {200, 1},   {399.9, 1}, {400, 2},
                                            {599.9, 2}, {600, 3},   {1e300, 3}, {NAN, 3}};
    for (auto [d, level] : cases)
        EXPECT_EQ(detailLevel(d), level) << d;
}

TEST(SegmentTest, ShapeWriterFormat)
{
    std::ostringstream out;
    writeShape(out, "RAIL", {1, 2, 3}, {0, 1, 2});
    EXPECT_EQ(out.str(),
              "  Shape {\n   appearance USE RAIL\n   geometry IndexedFaceSet{\n    coord Coordinate {\n"
              "     point [\n         1.0000    3.0000   -2.0000\n     ]\n    }\n    coordIndex [\n"
              "        0    1    2   -1\n    ]\n   }\n  }\n");
    // The stream stays in four-decimal fixed notation.
    out.str("");
    out << 0.5;
    EXPECT_EQ(out.str(), "0.5000");
}

TEST(SegmentTest, ShapeWriterBreaksLinesAfterFourEntries)
{
    std::vector<double> vertices(15, 0.0);
    std::vector<int> indices(15, 7);
    std::ostringstream out;
    writeShape(out, "X", vertices, indices);
    const std::string zero = "      0.0000    0.0000   -0.0000";
    const std::string tri = "    7    7    7   -1";
    EXPECT_NE(out.str().find("point [\n   " + zero + zero + zero + zero + "\n   " + zero + "\n     ]"),
              std::string::npos);
    EXPECT_NE(out.str().find("coordIndex [\n    " + tri + tri + tri + tri + "\n    " + tri + "\n    ]"),
              std::string::npos);

    std::ostringstream empty;
    writeShape(empty, "X", {}, {});
    EXPECT_NE(empty.str().find("point [\n   \n     ]\n    }\n    coordIndex [\n    \n    ]"),
              std::string::npos);
}

TEST(SegmentTest, VrmlShapesOfALevel)
{
    LayoutTables tables;
    OutlineVertices vertices;
    StraightTrack s("S 0 0 0 0 10 0");
    s.assignProfile(tables, "HO");
    s.buildMeshes(identityPlacement(), vertices, 0);
    std::ostringstream out;
    s.writeVrml(out, vertices, 2);
    const std::string text = out.str();
    const auto rail = text.find("appearance USE RAIL");
    const auto bank = text.find("appearance USE TRACK_EMBANKMENT");
    ASSERT_NE(rail, std::string::npos);
    ASSERT_NE(bank, std::string::npos);
    EXPECT_LT(rail, bank);
    // 12 index triples for the rails (three lines of 4) and 4 for the embankment.
    const std::regex endOfFace("-1(?![0-9.])");
    EXPECT_EQ(
        std::distance(std::sregex_iterator(text.begin(), text.end(), endOfFace), std::sregex_iterator()), 16);
}
