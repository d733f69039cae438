// Neighbouring tunnels: the trimming the document runs after loading, seen
// through straight track.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "track/straight.h"
#include "track_fixture.h"

namespace {

std::string straight(int number, const std::string& first, const std::string& second)
{
    return "STRAIGHT " + std::to_string(number) + " 0 0 0 0 HO 0\n" + first + "\n" + second + "\nEND\n";
}

double area(const ZPaths& paths)
{
    double total = 0;
    for (const ZPath& p : paths) {
        double twice = 0;
        for (std::size_t i = 0; i < p.size(); ++i) {
            const ZPoint& a = p[i];
            const ZPoint& b = p[(i + 1) % p.size()];
            twice += static_cast<double>(a.X) * b.Y - static_cast<double>(b.X) * a.Y;
        }
        total += std::fabs(twice) / 2;
    }
    return total / 1e6;
}

bool links(CTrackObj* a, CTrackObj* b)
{
    const auto& l = a->outline.linkedItems;
    return std::find(l.begin(), l.end(), b) != l.end();
}

// Half the tunnel width; polygon corners are truncated to thousandths of an
// inch, so areas agree to about 0.02 square inch.
const double W = 29.0 / 25.4;

} // namespace

TEST(FootprintTrimmingTest, TrackLosesBothNeighboursRoofsAndTheyAreLinked)
{
    // T (1) runs east from (0, 0) to (10, 0); K1 (2) runs north from T's
    // start, K2 (3) north from T's end. Listed newest first, T is trimmed first.
    const std::string layout = std::string(kLayer0) + straight(2, "T 1 0 0 0", "E 0 10 0") +
                               straight(3, "T 1 10 0 0", "E 10 10 0") +
                               straight(1, "T 2 0 0 90", "T 3 10 0 90");
    LoadedLayout l(layout);
    auto* t = l.item<Straight>(1);
    auto* k1 = l.item<Straight>(2);
    auto* k2 = l.item<Straight>(3);
    ASSERT_TRUE(t && k1 && k2);
    // Each neighbour's roof covers a W by W square of T's.
    EXPECT_NEAR(area(t->outline.footprint), 20 * W - 2 * W * W, 0.02);
    EXPECT_NEAR(area(k1->outline.footprint), 20 * W, 0.02);
    EXPECT_NEAR(area(k2->outline.footprint), 20 * W, 0.02);
    EXPECT_TRUE(links(k1, k2));
    EXPECT_TRUE(links(k2, k1));
    EXPECT_EQ(k1->outline.linkedItems.size(), 1u);
    EXPECT_EQ(k2->outline.linkedItems.size(), 1u);
    EXPECT_TRUE(t->outline.linkedItems.empty());
}

TEST(FootprintTrimmingTest, ShortPieceLinksTheItemBeyondIt)
{
    // T (1) from (0, 0) to (10, 0); S (2) a half-inch piece from T's start to
    // (-0.5, 0) leading on to B (4) running west; K2 (3) north of T's end.
    const std::string layout = std::string(kLayer0) + straight(4, "T 2 -0.5 0 270", "E -10.5 0 270") +
                               straight(2, "T 1 0 0 270", "T 4 -0.5 0 270") +
                               straight(3, "T 1 10 0 0", "E 10 10 0") +
                               straight(1, "T 2 0 0 90", "T 3 10 0 90");
    LoadedLayout l(layout);
    auto* t = l.item<Straight>(1);
    auto* s = l.item<Straight>(2);
    auto* k2 = l.item<Straight>(3);
    auto* b = l.item<Straight>(4);
    ASSERT_TRUE(t && s && k2 && b);
    EXPECT_LT(s->length, 1.0);
    EXPECT_TRUE(links(k2, s));
    EXPECT_TRUE(links(k2, b));
    EXPECT_TRUE(links(s, k2));
    EXPECT_TRUE(links(b, k2));
    EXPECT_FALSE(links(k2, t));
    // T keeps its roof where S's and K2's lie: S only touches it, K2 takes a W by W square.
    EXPECT_NEAR(area(t->outline.footprint), 20 * W - W * W, 0.02);
}
