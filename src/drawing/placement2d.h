#pragma once

#include "doc/point3.h"

// Places a container's local point: turned clockwise (seen from above) by
// `angle` degrees about the vertical axis, then moved by the origin.
Point3 placeLocalPoint(const Point3& local, double originX, double originY, double angle);
