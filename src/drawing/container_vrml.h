#pragma once

#include <ostream>
#include <string>

#include "drawing/primitive_list.h"

struct LayoutTables;

// What the VRML frame of a structure, Bezier line or drawing shows.
struct ContainerFrame {
    int number = 0;
    const char* kind = ""; // "Structure" or "DRAW"
    std::string name;
    double originX = 0.0;
    double originY = 0.0;
    double angle = 0.0;
    int sequence = 0;
};

// Writes the container's Transform, every primitive's node inside it at
// heights rising by 0.00005 from sequence / 1000, and records in
// tables.vrmlColours the colours whose appearance is now defined.
std::ostream& writeContainerFrame(std::ostream& out, const ContainerFrame& frame,
                                  const PrimitiveList& primitives, LayoutTables& tables);
