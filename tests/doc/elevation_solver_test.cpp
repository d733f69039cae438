#include "doc/elevation_solver.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <gtest/gtest.h>
#include <map>
#include <memory>
#include <random>

#include "doc/layout_tables.h"
#include "elevation_reference.h"
#include "track/track_obj.h"

namespace {

// A track item whose lengths between its ends are set by the test; it
// remembers the order of the length questions it was asked.
class TestTrack : public CTrackObj {
public:
    TestTrack(LayoutTables& tables, int itemNumber) : CTrackObj(tables) { number = itemNumber; }

    double lengthBetween(int a, int b) override
    {
        calls.emplace_back(a, b);
        const auto it = lengths.find(std::minmax(a, b));
        return it == lengths.end() ? 0.001 : it->second;
    }
    void setLength(int a, int b, double length) { lengths[std::minmax(a, b)] = length; }

    std::map<std::pair<int, int>, double> lengths;
    std::vector<std::pair<int, int>> calls;
};

// Ends joined by links both ways, as the neighbour step builds them.
void link(std::vector<EndPoint>& ends, int a, int b, double length)
{
    ends[a].neighbours.emplace_back(b, length);
    ends[b].neighbours.emplace_back(a, length);
}

void give(std::vector<EndPoint>& ends, int e, double z)
{
    ends[e].elevationDefined = true;
    ends[e].position.z = z;
}

double single(double v)
{
    return static_cast<double>(static_cast<float>(v));
}

std::uint64_t bits(double v)
{
    return std::bit_cast<std::uint64_t>(v);
}

// Registers the end of item owner towards item other (-1 for a free end).
int registerEnd(LayoutTables& tables, TestTrack& owner, int other)
{
    EndPoint record;
    record.owner = owner.number;
    record.other = other;
    const int n = tables.registerEnd(record);
    owner.ends.push_back(n);
    return n;
}

TEST(BuildNeighbours, SharedEndListsTheEndsOfBothItems)
{
    LayoutTables tables;
    TestTrack a(tables, 7), b(tables, 3);
    const int free7 = registerEnd(tables, a, -1);
    const int joined = registerEnd(tables, a, 3);
    EXPECT_EQ(registerEnd(tables, b, 7), joined);
    const int free3 = registerEnd(tables, b, -1);
    a.setLength(free7, joined, 4.0);
    b.setLength(free3, joined, 6.0);
    tables.itemsByNumber[7] = &a;
    tables.itemsByNumber[3] = &b;

    buildNeighbours(tables);
    // The joined end is keyed (3, 7): its owner is item 3, whose ends come first.
    using N = std::vector<std::pair<int, double>>;
    EXPECT_EQ(tables.endPoints[joined].neighbours, (N{{free3, 6.0}, {free7, 4.0}}));
    EXPECT_EQ(tables.endPoints[free7].neighbours, (N{{joined, 4.0}}));
    EXPECT_EQ(tables.endPoints[free3].neighbours, (N{{joined, 6.0}}));
    // The length is asked from the neighbour to the end itself.
    EXPECT_NE(std::find(b.calls.begin(), b.calls.end(), std::make_pair(free3, joined)), b.calls.end());
    EXPECT_NE(std::find(a.calls.begin(), a.calls.end(), std::make_pair(joined, free7)), a.calls.end());
}

TEST(BuildNeighbours, MissingItemsGiveFewerNeighbours)
{
    LayoutTables tables;
    TestTrack a(tables, 5);
    const int first = registerEnd(tables, a, -1);
    const int towardsMissingLarger = registerEnd(tables, a, 9);  // keyed (5, 9): owner 5 exists
    const int towardsMissingSmaller = registerEnd(tables, a, 2); // keyed (2, 5): owner 2 missing
    tables.itemsByNumber[5] = &a;
    a.setLength(first, towardsMissingLarger, 2.0);
    a.setLength(first, towardsMissingSmaller, 3.0);
    a.setLength(towardsMissingLarger, towardsMissingSmaller, 5.0);

    buildNeighbours(tables);
    using N = std::vector<std::pair<int, double>>;
    EXPECT_EQ(tables.endPoints[towardsMissingLarger].neighbours,
              (N{{first, 2.0}, {towardsMissingSmaller, 5.0}}));
    EXPECT_TRUE(tables.endPoints[towardsMissingSmaller].neighbours.empty());
    EXPECT_EQ(tables.endPoints[first].neighbours,
              (N{{towardsMissingLarger, 2.0}, {towardsMissingSmaller, 3.0}}));
}

TEST(BuildNeighbours, ShortOrBadLengthsCountAsOneThousandth)
{
    LayoutTables tables;
    TestTrack a(tables, 1);
    const int e0 = registerEnd(tables, a, -1);
    const int e1 = registerEnd(tables, a, -1);
    const int e2 = registerEnd(tables, a, -1);
    a.setLength(e0, e1, -3.0);
    a.setLength(e0, e2, std::nan(""));
    a.setLength(e1, e2, 0.0);
    tables.itemsByNumber[1] = &a;
    buildNeighbours(tables);
    for (const EndPoint& e : tables.endPoints)
        for (const auto& [n, w] : e.neighbours)
            EXPECT_EQ(w, 0.001);
}

TEST(SolveElevations, EvenClimbBetweenTwoHeights)
{
    // Ends at track distances 0, 2, 5, 8 and 10, heights 0 and 2 at the ends.
    std::vector<EndPoint> ends(5);
    link(ends, 0, 1, 2.0);
    link(ends, 1, 2, 3.0);
    link(ends, 2, 3, 3.0);
    link(ends, 3, 4, 2.0);
    give(ends, 0, 0.0);
    give(ends, 4, 2.0);
    LayoutTables tables;
    tables.endPoints = ends;
    solveElevations(tables);
    const double expected[] = {0.0, single(0.4), 1.0, single(1.6), 2.0};
    for (int i = 0; i < 5; ++i) {
        EXPECT_TRUE(tables.endPoints[i].elevationDefined);
        EXPECT_EQ(tables.endPoints[i].position.z, expected[i]) << i;
    }
    EXPECT_NE(tables.endPoints[1].position.z, 0.4);
}

TEST(SolveElevations, HeightsCarrySinglePrecision)
{
    std::vector<EndPoint> ends(3);
    link(ends, 0, 1, 1.0);
    link(ends, 1, 2, 1.0);
    give(ends, 0, 0.0);
    give(ends, 2, 4.2);
    LayoutTables tables;
    tables.endPoints = ends;
    solveElevations(tables);
    EXPECT_EQ(tables.endPoints[1].position.z, single(2.1));
    EXPECT_LT(tables.endPoints[1].position.z, 2.1);
}

TEST(SolveElevations, DeadEndSidingLiesLevel)
{
    // 0 (height 3) - 1 - 2 - 3 (height 5); a siding 1 - 4 - 5 hangs from the climb,
    // a siding 6 - 7 from end 0.
    std::vector<EndPoint> ends(8);
    link(ends, 0, 1, 1.0);
    link(ends, 1, 2, 1.0);
    link(ends, 2, 3, 2.0);
    link(ends, 1, 4, 5.0);
    link(ends, 4, 5, 5.0);
    link(ends, 0, 6, 1.0);
    link(ends, 6, 7, 1.0);
    give(ends, 0, 3.0);
    give(ends, 3, 5.0);
    LayoutTables tables;
    tables.endPoints = ends;
    solveElevations(tables);
    const double expected[] = {3.0, 3.5, 4.0, 5.0, 3.5, 3.5, 3.0, 3.0};
    for (int i = 0; i < 8; ++i) {
        EXPECT_TRUE(tables.endPoints[i].elevationDefined) << i;
        EXPECT_EQ(tables.endPoints[i].position.z, expected[i]) << i;
    }
}

TEST(SolveElevations, SteeperClimbIsFixedFirst)
{
    // 0 (height 0) -2- 1 -2- 2 -2- 3 (height 7), and 2 -1- 4 -1- 5 (height 2).
    // 3 to 5 climbs 5 in 4 (1.25), steeper than 0 to 3 (7 in 6): it fixes end 2
    // at 4.5, which then splits the other climb.
    std::vector<EndPoint> ends(6);
    link(ends, 0, 1, 2.0);
    link(ends, 1, 2, 2.0);
    link(ends, 2, 3, 2.0);
    link(ends, 2, 4, 1.0);
    link(ends, 4, 5, 1.0);
    give(ends, 0, 0.0);
    give(ends, 3, 7.0);
    give(ends, 5, 2.0);
    LayoutTables tables;
    tables.endPoints = ends;
    solveElevations(tables);
    EXPECT_EQ(tables.endPoints[2].position.z, 4.5);
    EXPECT_EQ(tables.endPoints[4].position.z, 3.25);
    EXPECT_EQ(tables.endPoints[1].position.z, 2.25);
}

TEST(SolveElevations, TwoKnownEndsOfOneTrackStayAsRead)
{
    std::vector<EndPoint> ends(2);
    link(ends, 0, 1, 10.0);
    give(ends, 0, 0.1);
    give(ends, 1, 2.1);
    LayoutTables tables;
    tables.endPoints = ends;
    solveElevations(tables);
    EXPECT_EQ(tables.endPoints[0].position.z, 0.1);
    EXPECT_EQ(tables.endPoints[1].position.z, 2.1);
}

TEST(SolveFrom, KnownNeighbourReachedOnlyTheLongWay)
{
    // 0 and 1 are joined directly (length 1) and through end 2 (1 + 1).
    std::vector<EndPoint> ends(3);
    link(ends, 0, 1, 1.0);
    link(ends, 0, 2, 1.0);
    link(ends, 2, 1, 1.0);
    give(ends, 0, 0.0);
    give(ends, 1, 1.0);
    LayoutTables tables;
    tables.endPoints = ends;
    const ElevationPath r = solveFrom(tables, 0);
    EXPECT_EQ(r.grade, 0.5);
    using P = std::vector<std::pair<int, double>>;
    EXPECT_EQ(r.path, (P{{0, 0.0}, {2, 0.5}, {1, 1.0}}));
}

TEST(SolveFrom, NothingReachedGivesNoGrade)
{
    std::vector<EndPoint> ends(3);
    link(ends, 0, 1, 1.0);
    give(ends, 0, 1.0);
    LayoutTables tables;
    tables.endPoints = ends;
    const ElevationPath r = solveFrom(tables, 0);
    EXPECT_EQ(r.grade, -1.0);
    EXPECT_TRUE(r.path.empty());
}

TEST(SolveFrom, EqualGradesGoToTheLargerEnd)
{
    std::vector<EndPoint> ends(4);
    link(ends, 0, 1, 1.0);
    link(ends, 1, 2, 1.0);
    link(ends, 1, 3, 1.0);
    give(ends, 0, 0.0);
    give(ends, 2, 2.0);
    give(ends, 3, -2.0);
    LayoutTables tables;
    tables.endPoints = ends;
    const ElevationPath r = solveFrom(tables, 0);
    EXPECT_EQ(r.grade, 1.0);
    using P = std::vector<std::pair<int, double>>;
    EXPECT_EQ(r.path, (P{{0, 0.0}, {1, -1.0}, {3, -2.0}}));
}

TEST(SolveElevations, UnknownStartTakesTheSteepestKnownEnd)
{
    // Links one way only: end 0 leads to 1 (height 1, length 1) and 2
    // (height 3, length 2), neither leads back. 3 / 2 beats 1 / 1.
    std::vector<EndPoint> ends(3);
    ends[0].neighbours = {{1, 1.0}, {2, 2.0}};
    give(ends, 1, 1.0);
    give(ends, 2, 3.0);
    LayoutTables tables;
    tables.endPoints = ends;
    solveElevations(tables);
    EXPECT_TRUE(tables.endPoints[0].elevationDefined);
    EXPECT_EQ(tables.endPoints[0].position.z, 3.0);
}

TEST(SolveElevations, GroupsWithoutKnownHeightKeepTheirHeights)
{
    std::vector<EndPoint> ends(5);
    link(ends, 0, 1, 1.0);
    link(ends, 2, 3, 1.0);
    link(ends, 3, 4, 1.0);
    give(ends, 0, 2.0);
    ends[3].position.z = 0.7; // no height given: the value as read stays
    LayoutTables tables;
    tables.endPoints = ends;
    solveElevations(tables);
    EXPECT_EQ(tables.endPoints[1].position.z, 2.0);
    EXPECT_TRUE(tables.endPoints[1].elevationDefined);
    for (int i = 2; i < 5; ++i)
        EXPECT_FALSE(tables.endPoints[i].elevationDefined) << i;
    EXPECT_EQ(tables.endPoints[3].position.z, 0.7);
}

TEST(SolveElevations, NoKnownHeightChangesNothing)
{
    std::vector<EndPoint> ends(3);
    link(ends, 0, 1, 1.0);
    link(ends, 1, 2, 1.0);
    ends[1].position.z = 0.3;
    LayoutTables tables;
    tables.endPoints = ends;
    solveElevations(tables);
    for (const EndPoint& e : tables.endPoints)
        EXPECT_FALSE(e.elevationDefined);
    EXPECT_EQ(tables.endPoints[1].position.z, 0.3);
}

// Random networks for the comparison with the method written out in full.
struct NetworkStyle {
    const char* name;
    std::vector<double> lengths; // empty: any length from 0.5 to 20
    std::vector<double> heights; // empty: any height from -5 to 5
    double givenShare;
    double joinShare; // share of ends joined to an earlier item
    bool treeOnly;    // at most one joined end per new item
    bool oddEnds;     // ends towards missing items, duplicated joins
    int minItems = 1;
    int maxItems = 20;
    unsigned seeds = 150;
};

void PrintTo(const NetworkStyle& style, std::ostream* out)
{
    *out << style.name;
}

class RandomNetwork {
public:
    RandomNetwork(const NetworkStyle& style, unsigned seed) : rng(seed)
    {
        const int itemCount =
            style.minItems +
            static_cast<int>(rng() % static_cast<unsigned>(style.maxItems - style.minItems + 1));
        for (int k = 0; k < itemCount; ++k) {
            // Numbered with gaps so that ends can name missing items on both sides.
            items.push_back(std::make_unique<TestTrack>(tables, 10 * (k + 1)));
            TestTrack& item = *items.back();
            const int endCount = std::vector<int>{1, 2, 2, 2, 3, 3, 4}[rng() % 7];
            bool joined = false;
            int lastPartner = -1;
            for (int e = 0; e < endCount; ++e) {
                if (style.oddEnds && chance(0.05)) {
                    registerEnd(tables, item, chance(0.5) ? 5 : 10 * itemCount + 15);
                } else if (style.oddEnds && lastPartner >= 0 && chance(0.1)) {
                    joinWith(item, *items[lastPartner]);
                } else if (k > 0 && chance(style.joinShare) && !(style.treeOnly && joined)) {
                    lastPartner = static_cast<int>(rng() % k);
                    joinWith(item, *items[lastPartner]);
                    joined = true;
                } else {
                    registerEnd(tables, item, -1);
                }
            }
        }
        for (auto& item : items) {
            tables.itemsByNumber[item->number] = item.get();
            for (std::size_t a = 0; a < item->ends.size(); ++a)
                for (std::size_t b = a + 1; b < item->ends.size(); ++b)
                    item->setLength(item->ends[a], item->ends[b], pick(style.lengths, 0.5, 20.0));
        }
        for (EndPoint& end : tables.endPoints) {
            end.position = {};
            if (chance(style.givenShare)) {
                end.elevationDefined = true;
                end.position.z = pick(style.heights, -5.0, 5.0);
            } else if (chance(0.2)) {
                end.position.z = pick(style.heights, -5.0, 5.0);
            }
        }
    }

    bool chance(double p) { return std::uniform_real_distribution<double>(0.0, 1.0)(rng) < p; }
    double pick(const std::vector<double>& from, double low, double high)
    {
        if (from.empty())
            return std::uniform_real_distribution<double>(low, high)(rng);
        return from[rng() % from.size()];
    }
    void joinWith(TestTrack& item, TestTrack& partner)
    {
        registerEnd(tables, item, partner.number);
        registerEnd(tables, partner, item.number);
    }

    std::mt19937 rng;
    LayoutTables tables;
    std::vector<std::unique_ptr<TestTrack>> items;
};

void expectSameHeights(const std::vector<EndPoint>& got, const std::vector<EndPoint>& want)
{
    ASSERT_EQ(got.size(), want.size());
    for (std::size_t i = 0; i < got.size(); ++i) {
        EXPECT_EQ(got[i].elevationDefined, want[i].elevationDefined) << "end " << i;
        EXPECT_EQ(bits(got[i].position.z), bits(want[i].position.z))
            << "end " << i << ": " << got[i].position.z << " instead of " << want[i].position.z;
    }
}

class SolverMatchesMethod : public ::testing::TestWithParam<NetworkStyle> {};

TEST_P(SolverMatchesMethod, OnRandomNetworks)
{
    for (unsigned seed = 1; seed <= GetParam().seeds; ++seed) {
        SCOPED_TRACE(seed);
        RandomNetwork net(GetParam(), seed);
        buildNeighbours(net.tables);
        std::vector<EndPoint> reference = net.tables.endPoints;

        // Single searches from every end agree before solving.
        for (int s = 0; s < static_cast<int>(reference.size()); ++s) {
            const ElevationPath fast = solveFrom(net.tables, s);
            const ElevationPath slow = referenceSolveFrom(reference, s);
            ASSERT_EQ(bits(fast.grade), bits(slow.grade)) << "start " << s;
            ASSERT_EQ(fast.path, slow.path) << "start " << s;
        }
        referenceSolveElevations(reference);
        solveElevations(net.tables);
        expectSameHeights(net.tables.endPoints, reference);
        if (HasFailure())
            return;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Styles, SolverMatchesMethod,
    ::testing::Values(
        NetworkStyle{"Trees", {}, {}, 0.15, 0.6, true, false},
        NetworkStyle{"Loops", {}, {}, 0.15, 0.7, false, false},
        NetworkStyle{"EqualLengths", {1.0}, {}, 0.2, 0.7, false, false},
        NetworkStyle{"EqualGrades", {1.0, 2.0}, {0.0, 1.0, 2.0, -1.0}, 0.25, 0.7, false, false},
        NetworkStyle{"ManyHeights", {1.0, 2.0, 3.0}, {}, 0.5, 0.7, false, false},
        NetworkStyle{"Disconnected", {}, {0.0, 1.5}, 0.1, 0.3, false, false},
        NetworkStyle{"OddEnds", {1.0, 2.5}, {0.0, 1.0, 3.0}, 0.2, 0.6, false, true},
        // Hundreds of items and many rounds, where remembered climbs go
        // stale and must be searched again.
        NetworkStyle{"LargeLoops", {}, {}, 0.05, 0.8, false, false, 60, 100, 3},
        NetworkStyle{
            "LargeEqualGrades", {1.0, 2.0}, {0.0, 1.0, 2.0, -1.0}, 0.05, 0.8, false, false, 60, 100, 3},
        NetworkStyle{"LargeTrees", {}, {}, 0.03, 0.9, true, false, 300, 500, 2}),
    [](const auto& info) { return std::string(info.param.name); });

// Links that need not go both ways, as a malformed layout can give.
TEST(SolverMatchesMethodOneWay, OnRandomLinks)
{
    std::mt19937 rng(77);
    for (int round = 0; round < 400; ++round) {
        SCOPED_TRACE(round);
        const int count = 2 + static_cast<int>(rng() % 25);
        std::vector<EndPoint> ends(count);
        const double lengths[] = {1.0, 1.0, 2.0, 0.5, 3.25};
        const double heights[] = {0.0, 1.0, 2.0, 0.1, -3.0};
        for (int e = 0; e < count; ++e) {
            const int links = static_cast<int>(rng() % 4);
            for (int l = 0; l < links; ++l)
                ends[e].neighbours.emplace_back(static_cast<int>(rng() % count), lengths[rng() % 5]);
            if (rng() % 4 == 0)
                give(ends, e, heights[rng() % 5]);
            else if (rng() % 5 == 0)
                ends[e].position.z = heights[rng() % 5];
        }
        LayoutTables tables;
        tables.endPoints = ends;
        referenceSolveElevations(ends);
        solveElevations(tables);
        expectSameHeights(tables.endPoints, ends);
        if (HasFailure())
            return;
    }
}

} // namespace
