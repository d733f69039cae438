#include <cmath>
#include <gtest/gtest.h>

#include "doc/layout_tables.h"

namespace {

EndPoint endAt(int owner, int other, double x, double y, double z = 0)
{
    EndPoint e;
    e.owner = owner;
    e.other = other;
    e.position = {x, y, z};
    return e;
}

TEST(EndRegistry, JoinedItemsShareOneRecordKeyedAscending)
{
    LayoutTables t;
    const int a = t.registerEnd(endAt(7, 3, 1, 2));
    const int b = t.registerEnd(endAt(3, 7, 9, 9, 5));
    EXPECT_EQ(a, b);
    ASSERT_EQ(t.endPoints.size(), 1u);
    EXPECT_EQ(t.endPoints[0].owner, 3);
    EXPECT_EQ(t.endPoints[0].other, 7);
    // The first item's record stays exactly as it wrote it.
    EXPECT_EQ(t.endPoints[0].position, (Point3{1, 2, 0}));
    EXPECT_EQ(t.findEnd(7, 3), a);
    EXPECT_EQ(t.findEnd(3, 7), a);
}

TEST(EndRegistry, FreeEndsCountDownFromMinusOne)
{
    LayoutTables t;
    const int a = t.registerEnd(endAt(5, -1, 0, 0));
    const int b = t.registerEnd(endAt(5, -1, 1, 0));
    const int c = t.registerEnd(endAt(5, 0, 2, 0)); // a "T" line naming item 0 is free too
    EXPECT_EQ(t.endPoints[a].other, -1);
    EXPECT_EQ(t.endPoints[b].other, -2);
    EXPECT_EQ(t.endPoints[c].other, 0);
    const int d = t.registerEnd(endAt(5, 0, 3, 0));
    EXPECT_EQ(t.endPoints[d].other, -3);
    EXPECT_EQ(t.endPoints.size(), 4u);
    EXPECT_EQ(t.findEnd(5, -2), b);
}

TEST(EndRegistry, SamePairAtTwoEndsSharesOneRecord)
{
    LayoutTables t;
    EXPECT_EQ(t.registerEnd(endAt(1, 2, 0, 0)), t.registerEnd(endAt(1, 2, 10, 0)));
    EXPECT_EQ(t.endPoints.size(), 1u);
}

TEST(EndRegistry, BoundsStartFromTheFirstBoxAndGrow)
{
    LayoutTables t;
    EndPoint e = endAt(1, 2, 10, 20, 1);
    e.halfBottomWidth = 1;
    e.embankmentHeight = 0.5;
    t.registerEnd(e);
    EXPECT_DOUBLE_EQ(t.bounds[0], 9);
    EXPECT_DOUBLE_EQ(t.bounds[2], 1 - 0.51);
    EXPECT_DOUBLE_EQ(t.bounds[5], 1 + 0.51);
    // The partner's line, while only one record exists, resets bounds to its box.
    EndPoint partner = endAt(2, 1, 30, 20, 0);
    partner.halfBottomWidth = 1;
    partner.embankmentHeight = 0.5;
    t.registerEnd(partner);
    EXPECT_DOUBLE_EQ(t.bounds[0], 29);
    EXPECT_DOUBLE_EQ(t.bounds[3], 31);
    EndPoint far = endAt(3, -1, -5, -5, 2);
    far.halfBottomWidth = 1;
    far.embankmentHeight = 0.5;
    t.registerEnd(far);
    EXPECT_DOUBLE_EQ(t.bounds[0], -6);
    EXPECT_DOUBLE_EQ(t.bounds[1], -6);
    EXPECT_DOUBLE_EQ(t.bounds[3], 31);
    EXPECT_DOUBLE_EQ(t.bounds[5], 2.51);
}

TEST(EndRegistry, FarEndsAreReportedAndLeaveTheBounds)
{
    LayoutTables t;
    t.registerEnd(endAt(5, -1, 4000, 3000, 1));
    ASSERT_EQ(t.loadMessages.size(), 1u);
    EXPECT_EQ(t.loadMessages[0], L"Item 5: endpoint out of range at (x:4000.00 y:3000.00)");
    EXPECT_EQ(t.bounds, (std::array<double, 6>{}));
    EXPECT_EQ(t.endPoints.size(), 1u);
    t.registerEnd(endAt(6, -1, 3000, 4000, 0)); // exactly 5000 is in range
    EXPECT_EQ(t.loadMessages.size(), 1u);
}

TEST(EndRegistry, JoinedFarEndNamesTheSmallerItem)
{
    LayoutTables t;
    t.registerEnd(endAt(9, 4, -6000, 0));
    ASSERT_EQ(t.loadMessages.size(), 1u);
    EXPECT_EQ(t.loadMessages[0], L"Item 4: endpoint out of range at (x:-6000.00 y:0.00)");
}

TEST(EndRegistry, NotANumberPositionIsReportedNotMeasured)
{
    LayoutTables t;
    t.registerEnd(endAt(1, -1, 1, 1));
    const auto before = t.bounds;
    t.registerEnd(endAt(2, -1, std::nan(""), 0));
    EXPECT_EQ(t.loadMessages.size(), 1u);
    EXPECT_EQ(t.bounds, before);
}

TEST(LayoutTables, RequireLayerDefinesAndReportsOnce)
{
    LayoutTables t;
    t.layerNames[0] = "1 - Main";
    t.requireLayer(4, 0);
    EXPECT_TRUE(t.loadMessages.empty());
    t.requireLayer(4, 3);
    t.requireLayer(5, 3);
    ASSERT_EQ(t.loadMessages.size(), 1u);
    EXPECT_EQ(t.loadMessages[0], L"Item 4: Layer 3 undefined ");
    EXPECT_EQ(t.layerNames[3], "3 - undefined");
    EXPECT_FALSE(t.layerVisible[3]);
}

TEST(LayoutTables, ResetKeepsProfilesAndSerial)
{
    LayoutTables t;
    t.profiles["N"] = ScaleProfile("N", {9, 1.8, 0.8, 4, 20, 30, 32, 41});
    t.itemSerial = 4;
    t.layerNames[1] = "x";
    t.registerEnd(endAt(1, -1, 1, 1));
    t.addMessage(L"m");
    t.reset();
    EXPECT_EQ(t.profiles.count("N"), 1u);
    EXPECT_EQ(t.itemSerial, 4);
    EXPECT_TRUE(t.layerNames.empty());
    EXPECT_TRUE(t.endPoints.empty());
    EXPECT_TRUE(t.endKeys.empty());
    EXPECT_TRUE(t.loadMessages.empty());
    EXPECT_EQ(t.bounds, (std::array<double, 6>{}));
}

} // namespace
