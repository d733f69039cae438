#include "drawing/placement2d.h"

#include <cmath>
#include <numbers>

Point3 placeLocalPoint(const Point3& local, double originX, double originY, double angle)
{
    const double a = angle * std::numbers::pi / 180.0;
    const double c = std::cos(a);
    const double s = std::sin(a);
    return {originX + local.x * c + local.y * s, originY - local.x * s + local.y * c, local.z};
}
