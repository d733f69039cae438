#pragma once

#include <ostream>

#include "doc/point3.h"

// Number and appearance output shared by the primitives' VRML nodes.
namespace vrml {

// One coordinate in a 9-character field with precision 4; the precision
// stays on the stream for what follows.
void coordinate(std::ostream& out, double value);
// The VRML point (x, z, -y) of a local point, three fields separated by " ".
void point(std::ostream& out, const Point3& p);

// The colour appearance "C<colour>" of a line, arc, polygon or disc: used when
// already defined, otherwise defined with the channels / 256 (emissive scaled
// by `emissiveScale` instead) and, when `withTransparency`, a transparency line.
void colourAppearance(std::ostream& out, int colour, unsigned char red, unsigned char green,
                      unsigned char blue, bool defined, float emissiveScale, bool withTransparency);

} // namespace vrml
