#include <gtest/gtest.h>

#include <iomanip>
#include <sstream>

#include "doc/end_point.h"
#include "export/end_markers.h"
#include "export/vrml_number_format.h"

namespace {

// An end at (1, 2, 3) facing north with round measures: across the track
// points west (u = (-1, 0)), so an offset L lands at x = 1 - L.
EndPoint roundEnd(int other, bool onTurntable)
{
    EndPoint r;
    r.position = {1, 2, 3};
    r.angle = 0;
    r.owner = 1;
    r.other = other;
    r.onTurntable = onTurntable;
    r.halfTopWidth = 0.5;
    r.railHeight = 0.25;
    r.embankmentHeight = 1;
    r.halfBottomWidth = 1.5;
    r.gauge = 1;
    r.railWidth = 0.1;
    return r;
}

const std::string ShapeTail = "    ]\n   }\n  }\n ]\n}\n";
const std::string RailHead =
    "Transform {children [\n  Shape {\n   appearance USE RAIL \n   geometry IndexedFaceSet{\n"
    "    coord Coordinate {\n     point [\n";

const std::string EmbankmentFace = "Transform {children [\n  Shape {\n   appearance USE TRACK_END \n"
                                   "   geometry IndexedFaceSet{\n    coord Coordinate {\n     point [\n"
                                   "      0.5 2.75 -2 1.5 2.75 -2 2.5 2 -2 -0.5 2 -2\n"
                                   "     ]\n    }\n    coordIndex [\n     0 1 2 3 -1 -1\n" +
                                   ShapeTail;

const std::string RailPoints =
    "      0.5 3 -2 0.5 2.75 -2 0.4 2.75 -2 0.4 3 -2 1.6 3 -2 1.6 2.75 -2 1.5 2.75 -2 1.5 3 -2\n"
    "     ]\n    }\n    coordIndex [\n";
const std::string RailFaces = RailHead + RailPoints + "     0 1 2 3 -1 4 5 6 7 -1\n" + ShapeTail;
const std::string RailFacesTurned = RailHead + RailPoints + "     0 3 2 1 -1 4 7 6 5 -1\n" + ShapeTail;

const std::string BufferStop =
    "Transform {\n"
    "translation 1 3 -2\n"
    " rotation 0 1 0 -0\n"
    " children [\n"
    "  Shape {\n   appearance Appearance{material Material{ emissiveColor 0.1 0.1 0.1 diffuseColor 1 0.2 0.2 "
    "transparency 0.0 }}\n"
    "   geometry Extrusion {\n"
    "   scale 0.2 0.1\n"
    "    spine [\n"
    "     -0.9 0.65 0.7\n"
    "     0.9 0.65 0.7\n"
    "     ]\n"
    "   }\n"
    "  }\n" +
    RailHead +
    "      -0.6 0 0  -0.5 0 0  0.5 0 0  0.6 0 0\n"
    "      -0.6 0 0.1  -0.5 0 0.1  0.5 0 0.1  0.6 0 0.1\n"
    "      -0.6 0.6 0.5  -0.5 0.6 0.5  0.5 0.6 0.5  0.6 0.6 0.5\n"
    "      -0.6 0 0.5  -0.5 0 0.5  0.5 0 0.5  0.6 0 0.5\n"
    "      -0.6 0 0.6  -0.5 0 0.6  0.5 0 0.6  0.6 0 0.6\n"
    "      -0.6 0.7 0.6  -0.5 0.7 0.6  0.5 0.7 0.6  0.6 0.7 0.6\n"
    "      -0.6 0.7 0.5  -0.5 0.7 0.5  0.5 0.7 0.5  0.6 0.7 0.5\n"
    "\n     ]\n    }\n    coordIndex [\n"
    "     0 4 8 12 16 20 24 -1  1 25 21 17 13 9 5 -1 2 6 10 14 18 22 26 -1 3 27 23 19 15 11 7 -1\n"
    "     16 17 21 20 -1 18 19 23 22 -1 4 5 9 8 -1 6 7 11 10 -1 1 0 24 25 -1 3 2 26 27 -1"
    "     24 20 21 25 -1 26 22 23 27 -1 13 12 8 9 -1 15 14 10 11 -1\n" +
    ShapeTail + " ]\n}\n";

std::string markerText(const EndPoint& r)
{
    std::ostringstream out;
    imbueVrmlNumbers(out);
    writeEndMarker(out, r);
    return out.str();
}

struct MarkerCase {
    const char* what;
    int other;
    bool onTurntable;
    std::string expected;
};

class EndMarkerKinds : public ::testing::TestWithParam<MarkerCase> {};

} // namespace

TEST_P(EndMarkerKinds, WritesTheMarkerOfItsKind)
{
    const MarkerCase& c = GetParam();
    EXPECT_EQ(markerText(roundEnd(c.other, c.onTurntable)), c.expected) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    AllKinds, EndMarkerKinds,
    ::testing::Values(
        MarkerCase{"open end: buffer stop", -1, false, EmbankmentFace + RailFaces + BufferStop},
        MarkerCase{"second open end of an item", -2, false, EmbankmentFace + RailFaces + BufferStop},
        MarkerCase{"joined on a turntable: rail faces turned inwards", 4, true, RailFacesTurned},
        MarkerCase{"open end on a turntable", -1, true, ""},
        MarkerCase{"joined end off a turntable", 4, false, ""}, MarkerCase{"joined to item 0", 0, false, ""},
        MarkerCase{"joined to item 0 on a turntable", 0, true, ""}));

TEST(EndMarkers, FixedNotationAtAnEndFacingEast)
{
    EndPoint r = roundEnd(-1, false);
    r.position = {10, 20, 1};
    r.angle = 90;
    std::ostringstream out;
    imbueVrmlNumbers(out);
    out << std::fixed << std::setprecision(4);
    writeEndMarker(out, r);
    const std::string text = out.str();
    // Across the track now points north: u = (0, 1).
    EXPECT_NE(text.find("      10.0000 0.7500 -20.5000 10.0000 0.7500 -19.5000 "
                        "10.0000 0.0000 -18.5000 10.0000 0.0000 -21.5000\n"),
              std::string::npos)
        << text;
    EXPECT_NE(text.find("\ntranslation 10.0000 1.0000 -20.0000\n rotation 0 1 0 -1.5708\n"),
              std::string::npos)
        << text;
}
