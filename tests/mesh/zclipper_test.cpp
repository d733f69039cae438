#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <random>
#include <set>

#include "mesh/edge_index.h"
#include "mesh/zclipper.h"

namespace {

ZPath square(std::int64_t x, std::int64_t y, std::int64_t size, std::int64_t firstZ)
{
    return {{x, y, firstZ},
            {x + size, y, firstZ + 1},
            {x + size, y + size, firstZ + 2},
            {x, y + size, firstZ + 3}};
}

struct Crossing {
    ZPoint e1a, e1b, e2a, e2b, pt;
};

// A fill that numbers new points from 1000000 and remembers the edges.
struct RecordingFill {
    std::vector<Crossing> calls;
    ZFillFunction function()
    {
        return [this](const ZPoint& a, const ZPoint& b, const ZPoint& c, const ZPoint& d, ZPoint& pt) {
            pt.Z = 1000000 + static_cast<std::int64_t>(calls.size());
            calls.push_back({a, b, c, d, pt});
        };
    }
};

double crossingDistance(const Crossing& c)
{
    const double ax = c.e1a.X, ay = c.e1a.Y, rx = c.e1b.X - ax, ry = c.e1b.Y - ay;
    const double bx = c.e2a.X, by = c.e2a.Y, sx = c.e2b.X - bx, sy = c.e2b.Y - by;
    const double denom = rx * sy - ry * sx;
    if (denom == 0)
        return INFINITY;
    const double t = ((bx - ax) * sy - (by - ay) * sx) / denom;
    return std::hypot(ax + t * rx - c.pt.X, ay + t * ry - c.pt.Y);
}

// True when (a, b) is an edge of one of the paths, in either direction.
bool isInputEdge(const ZPoint& a, const ZPoint& b, const ZPaths& sets)
{
    for (const ZPath& path : sets)
        for (std::size_t i = 0; i < path.size(); ++i) {
            const ZPoint& p = path[i];
            const ZPoint& q = path[(i + 1) % path.size()];
            if ((p == a && q == b) || (p == b && q == a))
                return true;
        }
    return false;
}

} // namespace

TEST(ZClipper, PointsOnInputVerticesKeepTheirZAndNeedNoFill)
{
    RecordingFill fill;
    const ZPaths a = {square(0, 0, 100, 0)};
    const ZPaths b = {square(500, 0, 100, 10)};
    const ZPaths united = clipZPaths(a, b, ZClipOperation::Union, fill.function());
    EXPECT_TRUE(fill.calls.empty());
    ASSERT_EQ(united.size(), 2u);
    std::set<std::int64_t> zs;
    for (const ZPath& path : united)
        for (const ZPoint& p : path)
            zs.insert(p.Z);
    EXPECT_EQ(zs, (std::set<std::int64_t>{0, 1, 2, 3, 10, 11, 12, 13}));
}

TEST(ZClipper, CrossingSquaresHandTheCrossingEdgesToTheFill)
{
    RecordingFill fill;
    const ZPaths a = {square(0, 0, 100, 0)};
    const ZPaths b = {square(50, 30, 100, 10)};
    const ZPaths result = clipZPaths(a, b, ZClipOperation::Difference, fill.function());
    ASSERT_EQ(result.size(), 1u);
    // a minus b: (0,0) (100,0) (100,30) (50,30) (50,100) (0,100).
    ASSERT_EQ(result[0].size(), 6u);
    ASSERT_EQ(fill.calls.size(), 2u);
    std::map<std::pair<std::int64_t, std::int64_t>, int> seen;
    for (const Crossing& c : fill.calls) {
        ++seen[{c.pt.X, c.pt.Y}];
        // One edge of each square: a's indices are below 10, b's from 10.
        EXPECT_NE(c.e1a.Z < 10, c.e2a.Z < 10);
        EXPECT_LT(crossingDistance(c), 1e-9);
    }
    EXPECT_EQ(seen.count({100, 30}), 1u);
    EXPECT_EQ(seen.count({50, 100}), 1u);
}

TEST(ZClipper, RandomPolygonsGetEveryNewPointFromTwoInputEdgesCrossingThere)
{
    std::mt19937 random(20240611);
    std::uniform_int_distribution<std::int64_t> coordinate(0, 20000);
    int checked = 0;
    for (int trial = 0; trial < 300; ++trial) {
        ZPaths subject(1), clip(1);
        std::int64_t z = 0;
        for (int i = 0; i < 5; ++i)
            subject[0].push_back({coordinate(random), coordinate(random), z++});
        for (int i = 0; i < 6; ++i)
            clip[0].push_back({coordinate(random), coordinate(random), z++});
        const ZClipOperation op = trial % 2 ? ZClipOperation::Union : ZClipOperation::Difference;
        RecordingFill fill;
        const ZPaths result = clipZPaths(subject, clip, op, fill.function());

        std::map<std::pair<std::int64_t, std::int64_t>, std::int64_t> inputs;
        for (const ZPaths* set : {&subject, &clip})
            for (const ZPoint& p : (*set)[0])
                inputs.emplace(std::make_pair(p.X, p.Y), p.Z);
        for (const ZPath& path : result)
            for (const ZPoint& p : path) {
                auto found = inputs.find({p.X, p.Y});
                if (found != inputs.end())
                    EXPECT_EQ(p.Z, found->second);
                else
                    EXPECT_GE(p.Z, 1000000) << "a new point without a fill";
            }
        for (const Crossing& c : fill.calls) {
            ++checked;
            EXPECT_TRUE(isInputEdge(c.e1a, c.e1b, {subject[0], clip[0]}));
            EXPECT_TRUE(isInputEdge(c.e2a, c.e2b, {subject[0], clip[0]}));
            // Clipper rounds crossings to the grid, sometimes a little more on
            // nearly parallel edges.
            EXPECT_LT(crossingDistance(c), 2.0) << "trial " << trial;
        }
    }
    EXPECT_GT(checked, 300) << "the random cases should cross often";
}

TEST(EdgeIndex, FindsALongDiagonalEdgeAmongManySmallOnes)
{
    EdgeIndex index;
    ZPaths paths;
    for (std::int64_t i = 0; i < 400; ++i)
        paths.push_back(square(i * 2500, 900000, 10, 0));
    paths.push_back({{0, 0, 7}, {1000000, 700000, 8}, {0, 700000, 9}});
    index.addPaths(paths);
    index.build();
    for (int k = 1; k < 100; ++k) {
        // Points on the diagonal, rounded to the grid.
        const std::int64_t x = k * 10000;
        const ZPoint p{x, static_cast<std::int64_t>(std::llround(x * 0.7)) + 1, 0};
        const auto near = index.edgesNear(p, 2.0);
        ASSERT_EQ(near.size(), 1u) << k;
        EXPECT_EQ(near[0]->a.Z, 7);
    }
    EXPECT_TRUE(index.edgesNear({500000, 100000, 0}, 2.0).empty());
}

TEST(EdgeIndex, ZeroLengthEdgesAreLeftOut)
{
    EdgeIndex index;
    index.addPaths({{{0, 0, 0}, {0, 0, 1}, {10, 0, 2}, {10, 10, 3}}});
    EXPECT_EQ(index.edges().size(), 3u);
}
