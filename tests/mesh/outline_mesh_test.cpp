#include <gtest/gtest.h>
#include <polyclipping/clipper.hpp>

#include <cmath>
#include <limits>
#include <stdexcept>
#include <string>

#include "doc/scale_profile.h"
#include "mesh/outline_mesh.h"

namespace {

// The default profile in inches.
const double W = 29 / 25.4, H = 72 / 25.4, R = 2 / 25.4, T = 19 / 25.4, B = 29.5 / 25.4, E = 9 / 25.4;

OutlineMesh defaultMesh()
{
    OutlineMesh mesh;
    mesh.setProfile(ScaleProfile());
    return mesh;
}

// A straight piece along x from x0 to x1 at the given y and height, its sides
// added as a piece does: one side forward, the other side back.
void addStraight(OutlineMesh& mesh, OutlineVertices& vertices, double x0, double x1, double y, double z)
{
    const Placement id = identityPlacement();
    mesh.addSection({x0, y, z}, {0, 1, 0}, vertices, id);
    mesh.addSection({x1, y, z}, {0, 1, 0}, vertices, id);
    mesh.addSection({x1, y, z}, {0, -1, 0}, vertices, id);
    mesh.addSection({x0, y, z}, {0, -1, 0}, vertices, id);
}

const OutlineVertex& recordOf(const ZPoint& p, const OutlineVertices& vertices)
{
    return vertices.at(static_cast<std::size_t>(p.Z));
}

} // namespace

TEST(OutlineMeshProfile, FillsTheSixCrossSectionValuesInOrder)
{
    OutlineMesh mesh = defaultMesh();
    ASSERT_EQ(mesh.crossSection.size(), 6u);
    const double expected[6] = {W, H, R, T, B, E};
    for (int i = 0; i < 6; ++i)
        EXPECT_NEAR(mesh.crossSection[i], expected[i], 1e-12) << i;
    EXPECT_NEAR(0.99 * mesh.crossSection[0], 1.1303, 1e-4);

    mesh.setProfile(ScaleProfile("N", {9, 1.8, 0.8, 4, 20, 30, 32, 41}));
    ASSERT_EQ(mesh.crossSection.size(), 6u) << "a second profile replaces the first";
    EXPECT_NEAR(mesh.crossSection[0], 16 / 25.4, 1e-12);
}

TEST(OutlineMeshSection, AddsFootprintClearanceTopAndFootInThatOrder)
{
    OutlineMesh mesh = defaultMesh();
    OutlineVertices vertices(3); // records of others come first
    mesh.addSection({5, 7, 1}, {0, 1, 0}, vertices, identityPlacement());
    ASSERT_EQ(vertices.size(), 7u);

    struct Expected {
        const ZPaths& set;
        double y, z, dy, dz;
    };
    const Expected rows[] = {
        {mesh.footprint, 7 + W, 1 + H, 0, -1},
        {mesh.clearance, 7 + 0.99 * W, 1 + H, 0, 1},
        {mesh.embankmentTop, 7 + T, 1 - R, B - T, R - E},
        {mesh.embankmentBottom, 7 + B, 1 - E, B - T, R - E},
    };
    for (std::size_t i = 0; i < 4; ++i) {
        ASSERT_EQ(rows[i].set.size(), 1u) << i;
        ASSERT_EQ(rows[i].set[0].size(), 1u) << i;
        const ZPoint& p = rows[i].set[0][0];
        EXPECT_EQ(p.Z, static_cast<std::int64_t>(3 + i));
        const OutlineVertex& v = vertices[3 + i];
        EXPECT_DOUBLE_EQ(v.x, 5);
        EXPECT_NEAR(v.y, rows[i].y, 1e-12) << i;
        EXPECT_NEAR(v.z, rows[i].z, 1e-12) << i;
        EXPECT_EQ(v.w, 1);
        EXPECT_EQ(v.dx, 0);
        EXPECT_NEAR(v.dy, rows[i].dy, 1e-12) << i;
        EXPECT_NEAR(v.dz, rows[i].dz, 1e-12) << i;
        EXPECT_EQ(v.dw, 0);
        EXPECT_EQ(p.X, 5000);
        EXPECT_EQ(p.Y, static_cast<std::int64_t>(rows[i].y * 1000)) << i;
    }
}

TEST(OutlineMeshSection, PlacesPositionsAndSlopeButNotTheRoofDirection)
{
    // A quarter turn counter-clockwise about z, then a shift by (10, 20, 0).
    Placement m = identityPlacement();
    m.m[0] = 0;
    m.m[1] = 1;
    m.m[4] = -1;
    m.m[5] = 0;
    m.m[12] = 10;
    m.m[13] = 20;
    OutlineMesh mesh = defaultMesh();
    OutlineVertices vertices;
    mesh.addSection({0, 0, 0}, {0, 1, 0}, vertices, m);
    ASSERT_EQ(vertices.size(), 4u);
    const OutlineVertex& roof = vertices[0];
    EXPECT_NEAR(roof.x, 10 - W, 1e-12);
    EXPECT_NEAR(roof.y, 20, 1e-12);
    EXPECT_NEAR(roof.z, H, 1e-12);
    EXPECT_EQ(roof.w, 1);
    EXPECT_EQ(roof.dz, -1);
    const OutlineVertex& foot = vertices[3];
    EXPECT_NEAR(foot.x, 10 - B, 1e-12);
    EXPECT_NEAR(foot.dx, -(B - T), 1e-12);
    EXPECT_NEAR(foot.dy, 0, 1e-12);
    EXPECT_NEAR(foot.dz, R - E, 1e-12);
    EXPECT_EQ(foot.dw, 0);
}

TEST(OutlineMeshSection, PlanCoordinatesAreTruncatedTowardZero)
{
    const struct {
        double inches;
        std::int64_t thousandths;
    } cases[] = {
        {12.3456789, 12345}, {-12.3456789, -12345}, {0.0009, 0}, {-0.0009, 0}, {2.0, 2000}, {-7.9999, -7999},
    };
    for (const auto& c : cases)
        EXPECT_EQ(toThousandths(c.inches), c.thousandths) << c.inches;

    OutlineMesh mesh = defaultMesh();
    OutlineVertices vertices;
    mesh.addSection({12.3456789, -12.3456789 - W, 0}, {0, 1, 0}, vertices, identityPlacement());
    EXPECT_EQ(mesh.footprint[0][0].X, 12345);
    EXPECT_EQ(mesh.footprint[0][0].Y, -12345);
}

TEST(OutlineMeshSection, ValuesBeyondTheIntegerRangeAreHeldAtItsEnds)
{
    const std::int64_t top = std::numeric_limits<std::int64_t>::max();
    EXPECT_EQ(toThousandths(1e300), top);
    EXPECT_EQ(toThousandths(-1e300), -top);
    EXPECT_EQ(toThousandths(std::numeric_limits<double>::quiet_NaN()), top);
    EXPECT_EQ(toThousandths(std::numeric_limits<double>::infinity()), top);
}

TEST(OutlineMeshDisc, SeventeenPointsAroundTheCentreAtClearanceRadius)
{
    OutlineMesh mesh = defaultMesh();
    OutlineVertices vertices;
    const ZPaths disc = mesh.endDisc({3, 4, 0.5}, vertices, 16);
    ASSERT_EQ(disc.size(), 1u);
    ASSERT_EQ(disc[0].size(), 17u);
    EXPECT_EQ(vertices.size(), 17u);
    EXPECT_TRUE(mesh.footprint.empty()) << "the disc is returned, not added to a set";
    const double r = 0.99 * W;
    for (std::size_t k = 0; k < 17; ++k) {
        const ZPoint& p = disc[0][k];
        EXPECT_EQ(p.Z, static_cast<std::int64_t>(k));
        const OutlineVertex& v = vertices[k];
        const double angle = 2 * M_PI * static_cast<double>(k) / 16;
        EXPECT_NEAR(v.x, 3 + r * std::cos(angle), 1e-9) << k;
        EXPECT_NEAR(v.y, 4 + r * std::sin(angle), 1e-9) << k;
        EXPECT_NEAR(v.z, 0.5 + H, 1e-12);
        EXPECT_EQ(v.dz, 1);
    }
    EXPECT_EQ(disc[0][0].X, disc[0][16].X);
    EXPECT_EQ(disc[0][0].Y, disc[0][16].Y);
    EXPECT_EQ(disc[0][0].X, 3000 + static_cast<std::int64_t>(r * 1000));
}

TEST(OutlineMeshUnion, OverlappingFootprintsBecomeOnePolygonWithRoofCorners)
{
    OutlineMesh a = defaultMesh(), b = defaultMesh();
    OutlineVertices vertices;
    addStraight(a, vertices, 0, 10, 0, 1);
    addStraight(b, vertices, 5, 15, 0.5, 2);
    const std::size_t inputs = vertices.size();

    const ZPaths united = OutlineMesh::unitePaths(a.footprint, b.footprint, vertices);
    ASSERT_EQ(united.size(), 1u);
    ASSERT_EQ(united[0].size(), 8u);
    EXPECT_EQ(vertices.size(), inputs + 2) << "one new record per new corner";

    int newCorners = 0;
    for (const ZPoint& p : united[0]) {
        const OutlineVertex& v = recordOf(p, vertices);
        EXPECT_EQ(toThousandths(v.x), p.X);
        EXPECT_EQ(toThousandths(v.y), p.Y);
        EXPECT_EQ(v.dz, -1);
        if (static_cast<std::size_t>(p.Z) < inputs)
            continue;
        ++newCorners;
        // Where one rectangle's end meets the other's side: mean of two ends at
        // 1 + H and two at 2 + H.
        EXPECT_NEAR(v.z, 1.5 + H, 1e-12);
        EXPECT_EQ(v.dx, 0);
        EXPECT_EQ(v.dy, 0);
        EXPECT_EQ(v.dw, 0);
        EXPECT_EQ(v.w, 1);
        const bool rightEnd = p.X == 10000 && p.Y == toThousandths(0.5 - W);
        const bool leftEnd = p.X == 5000 && p.Y == toThousandths(W);
        EXPECT_TRUE(rightEnd || leftEnd) << p.X << "," << p.Y;
    }
    EXPECT_EQ(newCorners, 2);
}

TEST(OutlineMeshDifference, DiscCutsTheRoofEndWithClearanceVertices)
{
    OutlineMesh mesh = defaultMesh();
    OutlineVertices vertices;
    addStraight(mesh, vertices, 0, 10, 0, 1);
    const std::size_t discStart = vertices.size();
    const ZPaths disc = mesh.endDisc({9.8, 0, 1}, vertices, 16);
    const std::size_t inputs = vertices.size();

    const ZPaths cut = OutlineMesh::subtractPaths(mesh.footprint, disc, vertices);
    ASSERT_EQ(cut.size(), 1u);
    // Four roof corners, the nine disc points left of x = 10 (90 to 270
    // degrees) and the two points where the disc crosses the end edge.
    ASSERT_EQ(cut[0].size(), 15u);
    int corners = 0, arc = 0, crossings = 0;
    for (const ZPoint& p : cut[0]) {
        const std::size_t z = static_cast<std::size_t>(p.Z);
        const OutlineVertex& v = recordOf(p, vertices);
        if (z < discStart) {
            ++corners;
            EXPECT_EQ(v.dz, -1);
        } else if (z < inputs) {
            ++arc;
            EXPECT_EQ(v.dz, 1);
            EXPECT_LT(p.X, 10000);
        } else {
            ++crossings;
            EXPECT_EQ(p.X, 10000);
            // The disc edge from 67.5 to 90 degrees crosses x = 10 at
            // y = 1.04427 + (0.23255 / 0.43255) * (1.13031 - 1.04427).
            EXPECT_NEAR(std::abs(v.y), 1.0905, 0.002);
            EXPECT_NEAR(v.z, 1 + H, 1e-12);
            EXPECT_EQ(v.dx, 0);
            EXPECT_EQ(v.dy, 0);
            EXPECT_EQ(v.dz, 1);
            EXPECT_EQ(v.dw, 0);
        }
    }
    EXPECT_EQ(corners, 4);
    EXPECT_EQ(arc, 9);
    EXPECT_EQ(crossings, 2);
    EXPECT_EQ(vertices.size(), inputs + 2);
    EXPECT_EQ(mesh.footprint[0].size(), 4u) << "the inputs stay as they were";
}

TEST(OutlineMeshClipping, EmptySetsAreValidInputs)
{
    OutlineMesh mesh = defaultMesh();
    OutlineVertices vertices;
    addStraight(mesh, vertices, 0, 10, 0, 1);
    const ZPaths none;

    const ZPaths united = OutlineMesh::unitePaths(none, mesh.footprint, vertices);
    ASSERT_EQ(united.size(), 1u);
    ASSERT_EQ(united[0].size(), 4u);
    for (const ZPoint& p : united[0])
        EXPECT_EQ(recordOf(p, vertices).dz, -1) << "keeps its own records";
    EXPECT_TRUE(OutlineMesh::subtractPaths(none, mesh.footprint, vertices).empty());
    EXPECT_EQ(OutlineMesh::subtractPaths(mesh.footprint, none, vertices).size(), 1u);
    EXPECT_TRUE(OutlineMesh::unitePaths(none, none, vertices).empty());
    EXPECT_EQ(vertices.size(), 16u) << "no new records without crossings";
}

TEST(OutlineMeshClipping, CoordinateOutOfRangeRaisesAnExceptionTheCallerCatches)
{
    const double far[] = {5e15, -5e15, std::numeric_limits<double>::quiet_NaN()};
    for (double x : far) {
        OutlineMesh mesh = defaultMesh();
        OutlineVertices vertices;
        addStraight(mesh, vertices, 0, x, 0, 0);
        try {
            OutlineMesh::unitePaths(mesh.footprint, {}, vertices);
            ADD_FAILURE() << "no exception for " << x;
        } catch (const std::exception& e) {
            EXPECT_EQ(std::string(e.what()), "Coordinate outside allowed range");
        }
        EXPECT_THROW(OutlineMesh::subtractPaths({}, mesh.footprint, vertices), ClipperLib::clipperException);
    }
}

TEST(OutlineMeshCarry, MixedEdgesGiveAnUpwardDirectionAndTheMeanHeight)
{
    OutlineVertices vertices = {
        {0, 0, 1, 1, 0, 0, -1, 0}, {0, 0, 2, 1, 0, 0, -1, 0},     {0, 0, 3, 1, 0, 0, -1, 0},
        {0, 0, 6, 1, 0, 0, 1, 0},  {0, 0, 4, 1, 0.6, 0, -0.8, 0},
    };
    ZPoint pt{1500, -2500, 0};
    OutlineMesh::carryAttributes({0, 0, 0}, {0, 0, 1}, {0, 0, 2}, {0, 0, 3}, pt, vertices);
    ASSERT_EQ(pt.Z, 5);
    const OutlineVertex& mixed = vertices[5];
    EXPECT_DOUBLE_EQ(mixed.x, 1.5);
    EXPECT_DOUBLE_EQ(mixed.y, -2.5);
    EXPECT_DOUBLE_EQ(mixed.z, 3.0);
    EXPECT_EQ(mixed.w, 1);
    EXPECT_EQ(mixed.dx, 0);
    EXPECT_EQ(mixed.dz, 1);

    // All roof vertices: the sum of the directions made unit length.
    ZPoint roof{0, 0, 0};
    OutlineMesh::carryAttributes({0, 0, 0}, {0, 0, 1}, {0, 0, 2}, {0, 0, 4}, roof, vertices);
    ASSERT_EQ(roof.Z, 6);
    const OutlineVertex& r = vertices[6];
    const double len = std::hypot(0.6, 3.8);
    EXPECT_NEAR(r.dx, 0.6 / len, 1e-12);
    EXPECT_NEAR(r.dz, -3.8 / len, 1e-12);
    EXPECT_NEAR(r.z, 2.5, 1e-12);
}

TEST(OutlineMeshCarry, AnIndexOutsideTheTableReadsAsAnEmptyRecord)
{
    OutlineVertices vertices = {{0, 0, 4, 1, 0, 0, -1, 0}};
    ZPoint pt{0, 0, 0};
    OutlineMesh::carryAttributes({0, 0, 0}, {0, 0, 0}, {0, 0, 0}, {0, 0, 99}, pt, vertices);
    ASSERT_EQ(pt.Z, 1);
    EXPECT_DOUBLE_EQ(vertices[1].z, 3.0);
    EXPECT_EQ(vertices[1].dz, 1);
}
