#include <gtest/gtest.h>

#include <cmath>

#include "view/camera.h"
#include "view/matrix4.h"

namespace {

Matrix4 toMatrix4(const FloatMatrix& f)
{
    return matrixFromGL(f.m.data());
}

// A general invertible matrix: a rotation, a scale and a translation.
Matrix4 sampleMatrix()
{
    FloatMatrix f = multiply(translation(3, -2, 7), rotationAbout(30, 1, 2, 3));
    Matrix4 m = toMatrix4(f);
    m.m[0] *= 2;
    m.m[1] *= 2;
    m.m[2] *= 2;
    return m;
}

} // namespace

TEST(MatrixTest, FromGLKeepsColumnMajorOrder)
{
    float gl[16];
    for (int i = 0; i < 16; ++i)
        gl[i] = 0.5f * i;
    const Matrix4 m = matrixFromGL(gl);
    for (int i = 0; i < 16; ++i)
        EXPECT_EQ(m.m[i], 0.5 * i);
    // Translation sits in elements 12 to 14 and reaches points, not directions.
    const Vector4 p = transformPoint(identityPlacement(), {1, 2, 3, 1});
    EXPECT_EQ(p, (Vector4{1, 2, 3, 1}));
    Matrix4 t = identityPlacement();
    t.m[12] = 10;
    t.m[13] = 20;
    t.m[14] = 30;
    EXPECT_EQ(transformPoint(t, {1, 2, 3, 1}), (Vector4{11, 22, 33, 1}));
    EXPECT_EQ(transformPoint(t, {1, 2, 3, 0}), (Vector4{1, 2, 3, 0}));
}

TEST(MatrixTest, InverseTimesMatrixIsIdentity)
{
    const Matrix4 m = sampleMatrix();
    const Matrix4 inv = invertMatrix(m);
    for (int j = 0; j < 4; ++j) {
        Vector4 column{0, 0, 0, 0};
        column[j] = 1;
        const Vector4 back = transformPoint(inv, transformPoint(m, column));
        for (int i = 0; i < 4; ++i)
            EXPECT_NEAR(back[i], column[i], 1e-12) << "column " << j << " row " << i;
    }
    // A pure scale by 2 inverts to a scale by 0.5.
    const Matrix4 half = invertMatrix(identityPlacement(2));
    EXPECT_DOUBLE_EQ(half.m[0], 0.5);
    EXPECT_DOUBLE_EQ(half.m[15], 0.5);
}

TEST(MatrixTest, SingularMatrixGivesFiniteValues)
{
    Matrix4 zero = identityPlacement(0);
    Matrix4 flat = identityPlacement();
    flat.m[10] = 0; // squashes z
    for (const Matrix4& m : {zero, flat}) {
        const Matrix4 r = invertMatrix(m);
        for (double v : r.m)
            EXPECT_TRUE(std::isfinite(v));
    }
}

TEST(CameraTest, StatusTexts)
{
    const struct {
        int mode;
        const char* text;
    } cases[] = {{1, "Zoom"}, {2, "Pan "}, {3, "Turn"}, {4, "Roll"}, {0, ""}, {5, ""}};
    for (const auto& c : cases)
        EXPECT_EQ(modeStatusText(c.mode), c.text) << c.mode;
    EXPECT_EQ(unitStatusText(true), "[cm]");
    EXPECT_EQ(unitStatusText(false), "[inch]");
}

TEST(CameraTest, FitFramesTheLayoutFromAbove)
{
    // Width 100, depth 50, max z 2, aspect 2: distance 2 * max(50, 50) + 2 = 102.
    ViewCamera c;
    c.rotation = rotationAbout(40, 0, 0, 1);
    EXPECT_EQ(c.navigationMode, TurnMode);
    c.fit({0, 0, 0, 100, 50, 2}, 2.0);
    EXPECT_EQ(c.navigationMode, ZoomMode);
    EXPECT_EQ(c.rotation.m, FloatMatrix().m);
    EXPECT_FLOAT_EQ(c.placement.m[12], -50);
    EXPECT_FLOAT_EQ(c.placement.m[13], -25);
    EXPECT_FLOAT_EQ(c.placement.m[14], -83.64f);
    EXPECT_FLOAT_EQ(c.placement.m[0], 1);
}

TEST(CameraTest, FitOfAnEmptyLayoutStandsTenInchesBack)
{
    ViewCamera c;
    c.fit({0, 0, 0, 0, 0, 0}, 1.5);
    EXPECT_FLOAT_EQ(c.placement.m[12], 0);
    EXPECT_FLOAT_EQ(c.placement.m[13], 0);
    EXPECT_FLOAT_EQ(c.placement.m[14], -10);
}

TEST(CameraTest, LeftDragsByMode)
{
    // (mode, dx, dy) -> expected placement translation; turns checked apart.
    const struct {
        int mode;
        int dx, dy;
        float tx, ty, tz;
    } cases[] = {
        {ZoomMode, 0, -100, 0, 0, 1},    // up 100 pixels: 1 inch towards the scene
        {ZoomMode, 50, 0, -0.05f, 0, 0}, // small sideways shift
        {PanMode, 20, 0, -1, 0, 0},      // 1 inch per 20 pixels
        {PanMode, 0, 40, 0, 2, 0},
    };
    for (const auto& k : cases) {
        ViewCamera c;
        c.navigationMode = k.mode;
        c.pressButton(100, 100);
        EXPECT_TRUE(c.dragStep(100 + k.dx, 100 + k.dy, DragState::LeftOnly));
        EXPECT_FLOAT_EQ(c.placement.m[12], k.tx) << k.mode;
        EXPECT_FLOAT_EQ(c.placement.m[13], k.ty) << k.mode;
        EXPECT_FLOAT_EQ(c.placement.m[14], k.tz) << k.mode;
        EXPECT_EQ(c.lastMouse[0], 100 + k.dx);
        EXPECT_EQ(c.lastMouse[1], 100 + k.dy);
    }
}

TEST(CameraTest, RightButtonZoomsAndPansFinely)
{
    ViewCamera c;
    c.navigationMode = ZoomMode;
    c.pressButton(0, 0);
    c.dragStep(50, 0, DragState::RightOnly);
    EXPECT_FLOAT_EQ(c.placement.m[12], 0.05f); // opposite to the left button
    c.navigationMode = PanMode;
    c.dragStep(150, 0, DragState::RightOnly);
    EXPECT_FLOAT_EQ(c.placement.m[12], 0.05f - 1.0f);
}

TEST(CameraTest, LeftTurnAndRollTurnOneDegreePerTenPixels)
{
    ViewCamera c;
    c.navigationMode = TurnMode;
    c.pressButton(0, 0);
    c.dragStep(900, 0, DragState::LeftOnly); // 90 degrees about y
    // R(90, y) maps x to -z.
    EXPECT_NEAR(c.placement.m[0], 0, 1e-6);
    EXPECT_NEAR(c.placement.m[2], -1, 1e-6);
    ViewCamera r;
    r.navigationMode = RollMode;
    r.pressButton(0, 0);
    r.dragStep(-900, 0, DragState::LeftOnly); // -dx / 10 = +90 about z: x goes to y
    EXPECT_NEAR(r.placement.m[1], 1, 1e-6);
    EXPECT_EQ(r.rotation.m, FloatMatrix().m);
}

TEST(CameraTest, RightTurnOrbitsAboutTheLayoutOrigin)
{
    ViewCamera c;
    c.fit({0, 0, 0, 100, 50, 2}, 2.0);
    c.navigationMode = TurnMode;
    c.lastModelView = matrixFromGL(c.modelView().m.data());
    const FloatMatrix placementBefore = c.placement;
    c.pressButton(0, 0);
    c.dragStep(450, 0, DragState::RightOnly); // 90 degrees about the screen's vertical
    EXPECT_EQ(c.placement.m, placementBefore.m);
    const Matrix4 mv = matrixFromGL(c.modelView().m.data());
    // The origin stays where it was on the screen ...
    const Vector4 origin = transformPoint(mv, {0, 0, 0, 1});
    EXPECT_NEAR(origin[0], -50, 1e-4);
    EXPECT_NEAR(origin[1], -25, 1e-4);
    // ... and the layout's x axis now points along the view axis.
    const Vector4 x = transformPoint(mv, {1, 0, 0, 0});
    EXPECT_NEAR(std::fabs(x[2]), 1, 1e-6);
}

TEST(CameraTest, ShiftOrBothButtonsStopTheDrag)
{
    ViewCamera c;
    c.navigationMode = ZoomMode;
    c.pressButton(10, 10);
    EXPECT_FALSE(c.dragStep(10, 300, DragState::Other));
    EXPECT_FALSE(c.dragging);
    EXPECT_EQ(c.placement.m, FloatMatrix().m);
    // Once stopped, later moves do nothing until a button goes down again.
    EXPECT_FALSE(c.dragStep(10, 500, DragState::LeftOnly));
    EXPECT_EQ(c.placement.m, FloatMatrix().m);
}

TEST(CameraTest, WheelNotchMovesOnePointTwoInches)
{
    ViewCamera c;
    c.wheel(120);
    EXPECT_FLOAT_EQ(c.placement.m[14], 1.2f);
    c.wheel(-240);
    EXPECT_FLOAT_EQ(c.placement.m[14], 1.2f - 2.4f);
}

TEST(CameraTest, FlyToBringsThePointThirtyInchesInFront)
{
    ViewCamera c;
    c.fit({0, 0, 0, 100, 50, 2}, 2.0);
    c.lastModelView = matrixFromGL(c.modelView().m.data());
    c.flyTo({80, 10, 1});
    const Vector4 p = transformPoint(matrixFromGL(c.modelView().m.data()), {80, 10, 1, 1});
    EXPECT_NEAR(p[0], 0, 1e-4);
    EXPECT_NEAR(p[1], 0, 1e-4);
    EXPECT_NEAR(p[2], -30, 1e-4);
}
