// Pixel checks of the drawing primitives: drawn into a framebuffer object
// with an orthographic camera, read back and looked at.
#include <GL/gl.h>
#include <QImage>
#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QOpenGLFramebufferObject>
#include <gtest/gtest.h>
#include <memory>
#include <sstream>

#include "doc/layout_tables.h"
#include "drawing/draw.h"
#include "drawing/gl_3d_text.h"
#include "drawing/poly_line3.h"
#include "drawing/structure.h"

namespace {

constexpr int kSize = 100; // pixels; the camera shows 20 x 20 inches

class DrawingGl : public ::testing::Test {
protected:
    void SetUp() override
    {
        QSurfaceFormat format;
        format.setVersion(2, 1);
        format.setProfile(QSurfaceFormat::CompatibilityProfile);
        format.setDepthBufferSize(24);
        context.setFormat(format);
        surface.setFormat(format);
        surface.create();
        if (!context.create() || !context.makeCurrent(&surface))
            GTEST_SKIP() << "no OpenGL context";
        fbo = std::make_unique<QOpenGLFramebufferObject>(kSize, kSize, QOpenGLFramebufferObject::Depth);
        fbo->bind();
        tables.layerNames[0] = "1 - L";
    }
    void TearDown() override
    {
        fbo.reset();
        context.doneCurrent();
    }

    // Clears to white and looks down (from above) or north (from the south side).
    void beginFrame(bool fromSide)
    {
        glViewport(0, 0, kSize, kSize);
        glClearColor(1, 1, 1, 1);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        glDisable(GL_LIGHTING);
        glEnable(GL_DEPTH_TEST);
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        glOrtho(-10, 10, -10, 10, -100, 100);
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        if (fromSide)
            glRotated(-90, 1, 0, 0); // +z up on the screen, looking along +y
    }
    // The pixel at model position (x, y) of the screen, top row first.
    QColor pixel(double sx, double sy)
    {
        glFinish();
        const QImage image = fbo->toImage();
        const int px = static_cast<int>((sx + 10) / 20 * kSize);
        const int py = kSize - 1 - static_cast<int>((sy + 10) / 20 * kSize);
        return image.pixelColor(px, py);
    }

    template <class T> std::unique_ptr<T> make(const std::string& header, const std::string& body)
    {
        std::istringstream text(body + "END\n");
        LayoutStream in(text);
        auto item = std::make_unique<T>(header, tables, in);
        item->buildGeometry();
        return item;
    }

    QOpenGLContext context;
    QOffscreenSurface surface;
    std::unique_ptr<QOpenGLFramebufferObject> fbo;
    LayoutTables tables;
    CGL3DText text;
};

bool isRed(const QColor& c)
{
    return c.red() > 200 && c.green() < 60 && c.blue() < 60;
}

bool isWhite(const QColor& c)
{
    return c.red() > 240 && c.green() > 240 && c.blue() > 240;
}

TEST_F(DrawingGl, ThickRedLineShowsRedAcrossItsWidth)
{
    // One inch wide (5 pixels), along the x axis of a drawing at (0, 2).
    auto drawing = make<Draw>("DRAW 1 0 x x x 0 2 x 0", "L 16711680 1 -5 0 0 5 0 0\n");
    for (bool direct : {false, true}) {
        beginFrame(false);
        if (direct)
            drawing->drawDirect(false, text);
        else
            drawing->draw(false, text);
        for (double dy : {-0.3, 0.0, 0.3})
            EXPECT_TRUE(isRed(pixel(0, 2 + dy))) << "direct " << direct << " dy " << dy;
        EXPECT_TRUE(isWhite(pixel(0, 3.2))) << direct;
        EXPECT_TRUE(isWhite(pixel(0, 0.8))) << direct;
        EXPECT_TRUE(isWhite(pixel(7, 2))) << direct;
    }
}

TEST_F(DrawingGl, ThinLineIsOnePixelWide)
{
    auto drawing = make<Draw>("DRAW 1 0 x x x 0 0 x 0", "L 16711680 0 -5 0.1 0 5 0.1 0\n");
    beginFrame(false);
    drawing->draw(false, text);
    EXPECT_TRUE(isRed(pixel(0, 0.1)));
    EXPECT_TRUE(isWhite(pixel(0, 0.6)));
}

TEST_F(DrawingGl, StructureIsPlacedAndTurned)
{
    // A disc at local (4, 0) in a structure turned 90 degrees clockwise: at (0, -4).
    auto structure = make<Structure>("STRUCTURE 1 0 x x x HO 1 0 0 x 90 \"\"", "G 16711680 0 1 4 0\n");
    beginFrame(false);
    structure->draw(false, text);
    EXPECT_TRUE(isRed(pixel(0, -4)));
    EXPECT_TRUE(isWhite(pixel(4, 0)));
}

TEST_F(DrawingGl, FilledPolygonWithBaseShowsWallsFromTheSide)
{
    auto drawing = make<Draw>("DRAW 1 0 x x x 0 0 x 0", "F 65280 0 4\n-4 -4 3\n4 -4 3\n4 4 3\n-4 4 3\n");
    auto* polygon = dynamic_cast<PolyLine3*>(drawing->primitives.head());
    ASSERT_NE(polygon, nullptr);

    // Without a base the flat top is edge-on from the side: nothing to see below it.
    beginFrame(true);
    drawing->draw(false, text);
    EXPECT_TRUE(isWhite(pixel(0, 1.5)));
    // From above the top face is filled.
    beginFrame(false);
    drawing->draw(false, text);
    EXPECT_EQ(pixel(0, 0).green(), 255);
    EXPECT_LT(pixel(0, 0).red(), 30);

    polygon->hasBase = true;
    polygon->baseHeight = 0;
    drawing->buildGeometry();
    for (bool direct : {false, true}) {
        beginFrame(true);
        if (direct)
            drawing->drawDirect(false, text);
        else
            drawing->draw(false, text);
        // The south wall runs from height 3 down to 0 (the drawing sits 0.01 lower).
        const QColor wall = pixel(0, 1.5);
        EXPECT_GT(wall.green(), 200) << direct;
        EXPECT_LT(wall.red(), 60) << direct;
        EXPECT_TRUE(isWhite(pixel(0, 4.5))) << direct;
        EXPECT_TRUE(isWhite(pixel(6, 1.5))) << direct;
    }
}

} // namespace
