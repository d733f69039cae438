#pragma once

#include "doc/end_point.h"
#include "doc/point3.h"

class CGL3DText;

// Draws the marker of one track end directly: a blue circle at a joint; the
// embankment face, rail ends and a buffer stop at a free end; rail ends only
// at a turntable's joined ends; and, with labels on and the eye within 100
// inches, the end's height (red when given in the file, green when computed).
void drawEndMarker(const EndPoint& r, bool labelsOn, const CGL3DText& text, const Point3& eye,
                   bool centimetres);

// Whether the end gets a height label (ignoring the eye distance): a computed
// end between two items whose first neighbour is less than 1 inch away has none.
bool endHasLabel(const EndPoint& r);

// The label text: the height in inches or centimetres with one decimal.
std::string heightLabel(double z, bool centimetres);
