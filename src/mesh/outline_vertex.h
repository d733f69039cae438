#pragma once

#include <vector>

// One shared vertex record of the outline polygon sets: a position after
// placement (w = 1) and a direction (dw = 0) whose dz tells the vertex kind:
// -1 tunnel roof, +1 clearance, disc or new intersection, and for embankment
// vertices the slope from the top edge down to the foot.
struct OutlineVertex {
    double x = 0, y = 0, z = 0, w = 1;
    double dx = 0, dy = 0, dz = 0, dw = 0;
};

using OutlineVertices = std::vector<OutlineVertex>;
