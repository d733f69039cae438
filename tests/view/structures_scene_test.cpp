// Structures and drawings in the scene: drawn, titled and pickable only while
// "Draw Structures" is on.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "render_test_support.h"
#include "track/xbase.h"
#include "view/matrix4.h"

namespace {

// The square's colour 0x30A050, unlike the green of the axes.
bool isSquareGreen(QRgb p)
{
    return near(p, 0x30, 0xA0, 0x50, 4);
}
bool isTextMagenta(QRgb p)
{
    return qRed(p) > 200 && qBlue(p) > 200 && qGreen(p) < 60;
}

// Two straights fix the bounds (x 0 to 20, y -5 to 15); between them a
// structure 5 with a square in 0x30A050 (world x 8 to 12, y 2 to 6) and the given
// title at its origin (2, 2), and a drawing 6 with a magenta text near (3, 10).
std::string layoutWithStructure(const char* title)
{
    return std::string(kMainLayer) + straightRecord(1, 0, -5, 0, 20, -5, 0) +
           straightRecord(2, 0, 15, 0, 20, 15, 0) + "STRUCTURE 5 0 0 0 0 HO 1 2.0 2.0 0 0 \"" + title +
           "\"\nF 3186768 0 4\n6 0 0\n10 0 0\n10 4 0\n6 4 0\nEND\n"
           "DRAW 6 0 0 0 0 0 0 0 0 0\nZ 16711935 3 10 0 0 216 \"Text\"\nEND\n";
}

// The window pixel of a layout point in the last frame drawn.
QPoint pixelOf(ViewedLayout& v, double x, double y, double z)
{
    const Vector4 p = transformPoint(v.scene().camera.lastModelView, {x, y, z, 1});
    const double f = 1.0 / std::tan(17.5 * M_PI / 180);
    const double aspect = static_cast<double>(v.width) / v.height;
    return {static_cast<int>(v.width / 2.0 * (1 + f / aspect * p[0] / -p[2])),
            static_cast<int>(v.height / 2.0 * (1 - f * p[1] / -p[2]))};
}

} // namespace

TEST(StructuresScene, DrawnOnlyWithDrawStructures)
{
    ViewedLayout v(layoutWithStructure("WWW"), 400, 400);
    ASSERT_TRUE(v.loaded);
    EXPECT_EQ(countPixels(v.render(), isSquareGreen), 0);
    EXPECT_EQ(countPixels(v.render(), isTextMagenta), 0);

    v.doc.drawStructures = true;
    const QImage image = v.render();
    EXPECT_GT(countPixels(image, isSquareGreen), 200) << "the square";
    EXPECT_GT(countPixels(image, isTextMagenta), 30) << "the drawing's text";
}

TEST(StructuresScene, TitleShowsAtTheOrigin)
{
    ViewedLayout titled(layoutWithStructure("WWW"), 400, 400);
    ViewedLayout untitled(layoutWithStructure(""), 400, 400);
    ASSERT_TRUE(titled.loaded && untitled.loaded);
    titled.doc.drawStructures = untitled.doc.drawStructures = true;
    // The title takes the colour of the structure's last primitive.
    const int withTitle = countPixels(titled.render(), isSquareGreen);
    const int withoutTitle = countPixels(untitled.render(), isSquareGreen);
    EXPECT_GT(withTitle - withoutTitle, 30);
}

TEST(StructuresScene, PickedOnlyWithDrawStructures)
{
    ViewedLayout v(layoutWithStructure("WWW"), 400, 400);
    ASSERT_TRUE(v.loaded);
    v.doc.drawStructures = true;
    v.renderer.paintFrame(v.width, v.height);
    const QPoint square = pixelOf(v, 10, 4, 0);
    CXBase* item = v.scene().pickItem(square.x(), square.y());
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->number, 5);

    v.doc.drawStructures = false;
    v.renderer.paintFrame(v.width, v.height);
    EXPECT_EQ(v.scene().pickItem(square.x(), square.y()), nullptr);
}
