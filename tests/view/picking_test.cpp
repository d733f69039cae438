#include <gtest/gtest.h>

#include <string>

#include "render_test_support.h"
#include "track/track_obj.h"

namespace {

// The item under a pixel of a fitted 200 x 200 view.
CXBase* pickAt(ViewedLayout& v, int x, int y)
{
    v.renderer.paintFrame(v.width, v.height);
    return v.scene().pickItem(x, y);
}

} // namespace

TEST(Picking, FrontOfTwoStackedItemsIsPicked)
{
    // Item 2 lies 3 inches above item 1 on the same plan; the camera looks down.
    ViewedLayout v(std::string(kMainLayer) + straightRecord(1, 0, 0, 0, 20, 0, 0) +
                   straightRecord(2, 0, 0, 3, 20, 0, 3));
    ASSERT_TRUE(v.loaded);
    CXBase* item = pickAt(v, 100, 100);
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->number, 2);
    // Turned upside down (seen from below) the lower one is in front.
    ViewCamera::turnCamera(v.scene().camera.placement, 180, 0);
    ViewCamera::moveCamera(v.scene().camera.placement, 0, 0, 0);
    v.scene().camera.placement.m[14] = -40;
    item = pickAt(v, 100, 100);
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->number, 1);
}

TEST(Picking, EmptySpaceAndBasePlanePickNothing)
{
    // Two tracks 10 inches apart: the middle of the picture is base plane only.
    ViewedLayout v(std::string(kMainLayer) + straightRecord(1, 0, 0, 0, 20, 0, 0) +
                   straightRecord(2, 0, 10, 0, 20, 10, 0));
    ASSERT_TRUE(v.loaded);
    EXPECT_EQ(pickAt(v, 100, 100), nullptr);
    EXPECT_EQ(pickAt(v, 2, 2), nullptr);
    // Right over the free end marker at (20, 0) the track behind it is picked.
    v.renderer.paintFrame(v.width, v.height);
    const Vector4 p = transformPoint(v.scene().camera.lastModelView, {19.9, 0, 0, 1});
    // Perspective: window x = 100 + 100 * (f / aspect) * x / -z, f = cot(17.5 deg).
    const double f = 1.0 / std::tan(17.5 * M_PI / 180);
    const int wx = static_cast<int>(100 + 100 * f * p[0] / -p[2]);
    const int wy = static_cast<int>(100 - 100 * f * p[1] / -p[2]);
    CXBase* item = v.scene().pickItem(wx, wy);
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->number, 1);
}

TEST(Picking, HiddenLayersAndNoDocumentPickNothing)
{
    ViewedLayout v(std::string(kMainLayer) + straightRecord(1, 0, 0, 0, 20, 0, 0));
    ASSERT_TRUE(v.loaded);
    ASSERT_NE(pickAt(v, 100, 100), nullptr);
    v.doc.tables.layerVisible[0] = false;
    EXPECT_EQ(pickAt(v, 100, 100), nullptr);
    v.doc.tables.layerVisible[0] = true;
    v.scene().doc = nullptr;
    EXPECT_EQ(v.scene().pickItem(100, 100), nullptr);
}

TEST(Picking, MoreHitsThanTheBufferHoldsPickNothing)
{
    // Sixteen records fit in 64 words; seventeen stacked tracks overflow it.
    for (const int count : {16, 17}) {
        std::string text = kMainLayer;
        for (int i = 0; i < count; ++i)
            text += straightRecord(i + 1, 0, 0, i, 20, 0, i);
        ViewedLayout v(text);
        ASSERT_TRUE(v.loaded);
        CXBase* item = pickAt(v, 100, 100);
        if (count == 16) {
            ASSERT_NE(item, nullptr);
            EXPECT_EQ(item->number, 16); // the highest one is nearest
        } else {
            EXPECT_EQ(item, nullptr);
        }
    }
}
