#pragma once

#include <ostream>
#include <string>

#include "mesh/band.h"
#include "mesh/outline_vertex.h"
#include "mesh/zpaths.h"

class OutlineMesh;

// VRML 2.0 Shape nodes for outline polygon sets and drawing bands. A layout
// point (x, y, z) is written as the VRML point (x, z, -y); every coordinate
// takes a field of 9 characters.

// One shape in the named appearance: every path of top and then of bottom as
// a face. Switches the stream to fixed notation with 4 decimals for good.
void writeEmbankment(std::ostream& out, const std::string& appearance, const ZPaths& top,
                     const ZPaths& bottom, const OutlineVertices& vertices);

// One HIDDEN shape: the tunnel roof (the mesh's footprint) and the walls
// recorded in its wallEdges. Switches the stream to fixed notation with 4
// decimals for good.
void writeHidden(std::ostream& out, const OutlineMesh& mesh, const OutlineVertices& vertices);

// One shape for a drawing band in the colour appearance "C<colour>", defined
// here with the emissive colour red/256, green/256, blue/256 unless already
// defined. Numbers follow the stream's current notation and precision.
void writeBandShape(std::ostream& out, const Band& band, int colour, int red, int green, int blue,
                    bool alreadyDefined);
