#pragma once

#include <ostream>
#include <string>
#include <vector>

class RailMesh;

// The level of detail for an eye distance: 0 below 200 inches, 1 below 400,
// 2 below 600, 3 beyond (and for a distance that is not a number).
int detailLevel(double distance);

// One VRML Shape of indexed triangles: vertices as x, y, z triples (written
// as x, z, -y), indices as triples of vertex numbers. Leaves the stream in
// fixed notation with 4 decimals.
std::ostream& writeShape(std::ostream& out, const std::string& appearance,
                         const std::vector<double>& vertices, const std::vector<int>& indices);

// The rails of one level under "RAIL", then the embankment under
// "TRACK_EMBANKMENT".
std::ostream& writeVrmlShapes(std::ostream& out, const RailMesh& mesh, int level);

// The helix tube under "HIDDEN".
std::ostream& writeHelixFrame(std::ostream& out, const RailMesh& mesh);
