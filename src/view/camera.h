#pragma once

#include <array>
#include <string>

#include "doc/point3.h"
#include "view/matrix4.h"

// A 4x4 matrix of floats in OpenGL's column-major order. Camera products are
// formed in single precision, as OpenGL forms them, so the matrices carry
// float rounding from step to step.
struct FloatMatrix {
    std::array<float, 16> m{1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
};

// a x b in single precision.
FloatMatrix multiply(const FloatMatrix& a, const FloatMatrix& b);
FloatMatrix translation(double a, double b, double c);
// A rotation by `degrees` about the axis through the origin (normalised here).
FloatMatrix rotationAbout(double degrees, double x, double y, double z);

enum NavigationMode { ZoomMode = 1, PanMode = 2, TurnMode = 3, RollMode = 4 };

// The buttons and keys held during a mouse move, as far as dragging cares.
enum class DragState { LeftOnly, RightOnly, Other };

// "Zoom", "Pan ", "Turn", "Roll"; empty for any other mode.
std::string modeStatusText(int mode);
// "[cm]" or "[inch]".
std::string unitStatusText(bool centimetres);

// The camera of the view: `placement`, moved and turned in eye space, times
// `rotation`, turned about the layout origin, is the model-view matrix.
class ViewCamera {
public:
    static void moveCamera(FloatMatrix& m, double a, double b, double c);
    // k: 0 x axis, 1 y axis, 2 z axis.
    static void turnCamera(FloatMatrix& m, double degrees, int k);
    static void orbitModel(FloatMatrix& m, double degrees, double x, double y, double z);
    void resetCamera();

    // Frames the bounds (min x, min y, min z, max x, max y, max z) in a window
    // of the given aspect, looking down the -z axis; leaves Zoom mode.
    void fit(const std::array<double, 6>& bounds, double aspect);
    // A button went down at (x, y).
    void pressButton(int x, int y);
    // A mouse move to (x, y); true when the camera changed.
    bool dragStep(int x, int y, DragState state);
    // A wheel turn of delta (120 per notch).
    void wheel(int delta);
    // Brings a point of the layout to the middle of the window, 30 inches in
    // front of the eye, using the model-view of the last frame.
    void flyTo(const Point3& centre);

    FloatMatrix modelView() const { return multiply(placement, rotation); }

    FloatMatrix placement;
    FloatMatrix rotation;
    int navigationMode = TurnMode;
    bool dragging = false;
    int lastMouse[2] = {0, 0};
    // The model-view matrix of the last drawn frame.
    Matrix4 lastModelView = identityPlacement();

private:
    void leftDrag(float dx, float dy);
    void rightDrag(float dx, float dy);
};
