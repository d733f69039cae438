#include "view/camera.h"

#include <cmath>

FloatMatrix multiply(const FloatMatrix& a, const FloatMatrix& b)
{
    FloatMatrix r;
    for (int col = 0; col < 4; ++col)
        for (int row = 0; row < 4; ++row) {
            float s = 0.0f;
            for (int k = 0; k < 4; ++k)
                s += a.m[4 * k + row] * b.m[4 * col + k];
            r.m[4 * col + row] = s;
        }
    return r;
}

FloatMatrix translation(double a, double b, double c)
{
    FloatMatrix t;
    t.m[12] = static_cast<float>(a);
    t.m[13] = static_cast<float>(b);
    t.m[14] = static_cast<float>(c);
    return t;
}

FloatMatrix rotationAbout(double degrees, double x, double y, double z)
{
    FloatMatrix r;
    const float len = std::sqrt(static_cast<float>(x * x + y * y + z * z));
    if (len == 0.0f)
        return r;
    const float ux = static_cast<float>(x) / len, uy = static_cast<float>(y) / len,
                uz = static_cast<float>(z) / len;
    const float rad = static_cast<float>(degrees * M_PI / 180.0);
    const float c = std::cos(rad), s = std::sin(rad), t = 1.0f - c;
    // Column-major: m[4 * col + row].
    r.m[0] = ux * ux * t + c;
    r.m[1] = uy * ux * t + uz * s;
    r.m[2] = uz * ux * t - uy * s;
    r.m[4] = ux * uy * t - uz * s;
    r.m[5] = uy * uy * t + c;
    r.m[6] = uz * uy * t + ux * s;
    r.m[8] = ux * uz * t + uy * s;
    r.m[9] = uy * uz * t - ux * s;
    r.m[10] = uz * uz * t + c;
    return r;
}

std::string modeStatusText(int mode)
{
    switch (mode) {
    case ZoomMode:
        return "Zoom";
    case PanMode:
        return "Pan ";
    case TurnMode:
        return "Turn";
    case RollMode:
        return "Roll";
    default:
        return "";
    }
}

std::string unitStatusText(bool centimetres)
{
    return centimetres ? "[cm]" : "[inch]";
}

void ViewCamera::moveCamera(FloatMatrix& m, double a, double b, double c)
{
    m = multiply(translation(a, b, c), m);
}

void ViewCamera::turnCamera(FloatMatrix& m, double degrees, int k)
{
    m = multiply(rotationAbout(degrees, k == 0, k == 1, k == 2), m);
}

void ViewCamera::orbitModel(FloatMatrix& m, double degrees, double x, double y, double z)
{
    m = multiply(m, rotationAbout(degrees, x, y, z));
}

void ViewCamera::resetCamera()
{
    placement = FloatMatrix();
    rotation = FloatMatrix();
}

void ViewCamera::fit(const std::array<double, 6>& bounds, double aspect)
{
    resetCamera();
    navigationMode = ZoomMode;
    const double width = bounds[3] - bounds[0];
    const double depth = bounds[4] - bounds[1];
    const double distance = 2.0 * std::max(width / aspect, depth) + bounds[5];
    if (distance > 0.0001)
        moveCamera(placement, -(bounds[0] + bounds[3]) / 2, -(bounds[1] + bounds[4]) / 2, -0.82 * distance);
    else
        moveCamera(placement, 0, 0, -10);
}

void ViewCamera::pressButton(int x, int y)
{
    lastMouse[0] = x;
    lastMouse[1] = y;
    dragging = true;
}

bool ViewCamera::dragStep(int x, int y, DragState state)
{
    if (!dragging)
        return false;
    const float dx = static_cast<float>(x - lastMouse[0]);
    const float dy = static_cast<float>(y - lastMouse[1]);
    if (state == DragState::LeftOnly)
        leftDrag(dx, dy);
    else if (state == DragState::RightOnly)
        rightDrag(dx, dy);
    else {
        dragging = false;
        return false;
    }
    lastMouse[0] = x;
    lastMouse[1] = y;
    return true;
}

// Each quotient is a float divided by a float constant, widened afterwards.
static double q(float v, float by)
{
    return static_cast<double>(v / by);
}

void ViewCamera::leftDrag(float dx, float dy)
{
    switch (navigationMode) {
    case ZoomMode:
        moveCamera(placement, q(-dx, 1000.0f), 0, q(-dy, 100.0f));
        break;
    case PanMode:
        moveCamera(placement, q(-dx, 20.0f), q(dy, 20.0f), 0);
        break;
    case TurnMode:
        turnCamera(placement, q(dx, 10.0f), 1);
        turnCamera(placement, q(dy, 10.0f), 0);
        break;
    case RollMode:
        turnCamera(placement, q(-dx, 10.0f), 2);
        break;
    default:
        break;
    }
}

void ViewCamera::rightDrag(float dx, float dy)
{
    switch (navigationMode) {
    case ZoomMode:
        moveCamera(placement, q(dx, 1000.0f), 0, q(-dy, 100.0f));
        break;
    case PanMode:
        moveCamera(placement, q(-dx, 100.0f), q(dy, 100.0f), 0);
        break;
    case TurnMode: {
        const Matrix4 inverse = invertMatrix(lastModelView);
        const Vector4 u = transformPoint(inverse, {0, 1, 0, 0});
        const Vector4 v = transformPoint(inverse, {1, 0, 0, 0});
        orbitModel(rotation, q(dx, 5.0f), u[0], u[1], u[2]);
        orbitModel(rotation, q(dy, 5.0f), v[0], v[1], v[2]);
        break;
    }
    case RollMode: {
        Vector4 w = transformPoint(invertMatrix(lastModelView), {0, 0, 1, 0});
        const double len = std::sqrt(w[0] * w[0] + w[1] * w[1] + w[2] * w[2] + w[3] * w[3]);
        if (len > 0)
            for (double& c : w)
                c /= len;
        orbitModel(rotation, q(dx, 5.0f), w[0], w[1], w[2]);
        break;
    }
    default:
        break;
    }
}

void ViewCamera::wheel(int delta)
{
    moveCamera(placement, 0, 0, delta / 100.0);
}

void ViewCamera::flyTo(const Point3& centre)
{
    const Vector4 p = transformPoint(lastModelView, {centre.x, centre.y, centre.z, 1});
    moveCamera(placement, -p[0], -p[1], -p[2] - 30);
}
