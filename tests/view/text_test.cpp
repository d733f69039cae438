#include <gtest/gtest.h>

#include <GL/gl.h>

#include <QImage>
#include <vector>

#include "render_test_support.h"
#include "view/gl_text.h"

namespace {

// Window x positions of the points drawn by the display lists of `text`,
// read back in feedback mode through an orthographic view of -1 .. 1 on a
// 100 pixel wide viewport.
std::vector<float> pointsDrawn(const CGL3DText& text, double alignment, const std::string& s)
{
    std::vector<GLfloat> feedback(256);
    glViewport(0, 0, 100, 100);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(-1, 1, -1, 1, -1, 1);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glFeedbackBuffer(static_cast<GLsizei>(feedback.size()), GL_2D, feedback.data());
    glRenderMode(GL_FEEDBACK);
    text.drawText(alignment, s);
    const GLint n = glRenderMode(GL_RENDER);
    std::vector<float> xs;
    for (GLint i = 0; i + 2 < n; i += 3)
        if (feedback[i] == GL_POINT_TOKEN)
            xs.push_back(feedback[i + 1]);
    return xs;
}

// Two characters "a" (advance 0.6) and "b" (advance 0.4) whose lists draw a
// point at their origin, set a colour and move on by their advance.
struct TwoGlyphFont {
    TwoGlyphFont()
    {
        text.listBase = glGenLists(256);
        const struct {
            unsigned char code;
            float advance;
        } glyphs[] = {{'a', 0.6f}, {'b', 0.4f}};
        for (const auto& g : glyphs) {
            text.metrics[g.code].cellIncX = g.advance;
            glNewList(text.listBase + g.code, GL_COMPILE);
            glColor3f(1, 0, 0);
            glNormal3f(1, 0, 0);
            glBegin(GL_POINTS);
            glVertex3d(0, 0, 0);
            glEnd();
            glTranslated(g.advance, 0, 0);
            glEndList();
        }
    }
    CGL3DText text;
};

} // namespace

TEST(GlText, DrawTextAlignsByTheAdvanceSum)
{
    OffscreenRenderer r;
    ASSERT_TRUE(r.ok());
    TwoGlyphFont f;
    // (alignment, expected window x of the two glyph origins); x = -1 -> 0, 1 -> 100.
    const struct {
        double alignment;
        float first, second;
    } cases[] = {{0.0, 50, 80}, {0.5, 25, 55}, {1.0, 0, 30}};
    for (const auto& c : cases) {
        const std::vector<float> xs = pointsDrawn(f.text, c.alignment, "ab");
        ASSERT_EQ(xs.size(), 2u) << c.alignment;
        EXPECT_NEAR(xs[0], c.first, 1e-3) << c.alignment;
        EXPECT_NEAR(xs[1], c.second, 1e-3) << c.alignment;
    }
    EXPECT_TRUE(pointsDrawn(f.text, 0.5, "").empty());
    EXPECT_DOUBLE_EQ(f.text.textWidth(""), 0.0);
}

TEST(GlText, DrawTextKeepsMatrixColourAndNormal)
{
    OffscreenRenderer r;
    ASSERT_TRUE(r.ok());
    TwoGlyphFont f;
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glColor4f(0.25f, 0.5f, 0.75f, 1);
    glNormal3f(0, 0, 1);
    f.text.drawText(0.5, "abab");
    GLfloat colour[4], normal[3], mv[16];
    glGetFloatv(GL_CURRENT_COLOR, colour);
    glGetFloatv(GL_CURRENT_NORMAL, normal);
    glGetFloatv(GL_MODELVIEW_MATRIX, mv);
    EXPECT_FLOAT_EQ(colour[0], 0.25f);
    EXPECT_FLOAT_EQ(colour[2], 0.75f);
    EXPECT_FLOAT_EQ(normal[0], 0);
    EXPECT_FLOAT_EQ(normal[2], 1);
    EXPECT_FLOAT_EQ(mv[12], 0);
}

TEST(GlText, ArialOutlineMetrics)
{
    OffscreenRenderer r;
    ASSERT_TRUE(r.ok());
    const CGL3DText& t = r.scene.labelText;
    ASSERT_NE(t.listBase, 0u);
    for (unsigned char c = 0x21; c < 0x7F; ++c) {
        EXPECT_GT(t.metrics[c].cellIncX, 0.0f) << c;
        EXPECT_LT(t.metrics[c].cellIncX, 1.2f) << c;
    }
    // Arial's (Liberation Sans's) advances on an em of 1: "A" 1366/2048,
    // "i" 455/2048, the blank 569/2048; capitals stand about 0.72 em high.
    EXPECT_NEAR(t.metrics['A'].cellIncX, 0.667, 0.01);
    EXPECT_NEAR(t.metrics['i'].cellIncX, 0.222, 0.01);
    EXPECT_NEAR(t.metrics[' '].cellIncX, 0.278, 0.01);
    EXPECT_NEAR(t.metrics['H'].blackBoxY, 0.72, 0.03);
    EXPECT_NEAR(t.metrics['H'].originY, 0.72, 0.03);
    EXPECT_EQ(t.metrics[255].cellIncX, 0.0f);
    EXPECT_NEAR(t.textWidth("Ai"), t.metrics['A'].cellIncX + t.metrics['i'].cellIncX, 1e-6);
    EXPECT_NEAR(t.textWidth("A\xff"), t.metrics['A'].cellIncX, 1e-6);
    // The euro sign of the ANSI code page exists in the font.
    EXPECT_GT(t.metrics[0x80].cellIncX, 0.0f);
}

TEST(GlText, OutlineGlyphIsFilledAndSeenFromAbove)
{
    // "H" drawn black with the view's culling, looked at from +z: its stems are
    // filled, the gap between them above the bar is not.
    OffscreenRenderer r;
    ASSERT_TRUE(r.ok());
    r.paintFrame(100, 100);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0, 1, 0, 1, -1, 1);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glColor3f(0, 0, 0);
    r.scene.labelText.drawText(0, "H");
    const QImage image = r.image();
    const CGL3DText::GlyphMetrics& m = r.scene.labelText.metrics['H'];
    const int stemX = static_cast<int>((m.originX + 0.04) * 100);
    const int midX = static_cast<int>((m.originX + m.blackBoxX / 2) * 100);
    const int upperY = 100 - static_cast<int>(0.6 * 100);
    EXPECT_EQ(qRed(image.pixel(stemX, upperY)), 0) << std::hex << image.pixel(stemX, upperY);
    EXPECT_EQ(qRed(image.pixel(midX, upperY)), 255);
    EXPECT_GT(countPixels(image, [](QRgb p) { return qRed(p) == 0; }), 400);
}

TEST(GlText, BitmapTextDrawsAtTheRasterPosition)
{
    OffscreenRenderer r;
    ASSERT_TRUE(r.ok());
    r.paintFrame(100, 100);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0, 100, 0, 100, -1, 1);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glColor3f(0, 0, 0);
    glRasterPos2d(40, 40);
    r.scene.axisText.drawText("W");
    const QImage image = r.image();
    int left = 100, right = -1, top = 100, bottom = -1;
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 100; ++x)
            if (qRed(image.pixel(x, y)) == 0) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
    // A 12-pixel "W" standing on the baseline (image row 60) right of x = 40.
    ASSERT_GE(right, left);
    EXPECT_GE(left, 39);
    EXPECT_LE(right, 40 + 14);
    EXPECT_NEAR(bottom, 59, 1);
    EXPECT_GE(bottom - top, 6);
    EXPECT_LE(bottom - top, 12);
}
