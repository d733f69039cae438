#pragma once

#include <functional>

#include "mesh/zpaths.h"

// Polygon union and difference of closed sets with the even-odd fill rule,
// carrying each point's Z beside Clipper (whose points here have no Z).
//
// An output point at the exact plan position of an input vertex takes that
// vertex's Z (any one of them when several share the position). Every other
// output point is a new intersection: the two input edges that cross there are
// found and handed, with the point, to the fill function, which sets pt.Z.

// Called for a new intersection point pt of the edges e1a-e1b and e2a-e2b.
using ZFillFunction = std::function<void(const ZPoint& e1a, const ZPoint& e1b, const ZPoint& e2a,
                                         const ZPoint& e2b, ZPoint& pt)>;

enum class ZClipOperation { Union, Difference };

// Returns subject op clip. Throws ClipperLib::clipperException ("Coordinate
// outside allowed range") for a coordinate Clipper cannot take.
ZPaths clipZPaths(const ZPaths& subject, const ZPaths& clip, ZClipOperation operation,
                  const ZFillFunction& fill);
