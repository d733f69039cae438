#include <gtest/gtest.h>
#include <algorithm>
#include <iomanip>
#include <memory>
#include <sstream>

#include "doc/layout_tables.h"
#include "drawing/bench_work3.h"
#include "drawing/circle3.h"
#include "drawing/curved_line3.h"
#include "drawing/draw.h"
#include "drawing/line3.h"
#include "drawing/poly_line3.h"
#include "drawing/structure.h"
#include "drawing/text3.h"
#include "drawing_test_support.h"

namespace {

std::unique_ptr<PolyLine3> polygon(const char* header, std::initializer_list<const char*> points)
{
    auto p = std::make_unique<PolyLine3>(header);
    for (const char* line : points)
        p->addPoint(line);
    return p;
}

// The lines of a text, without their line ends.
std::vector<std::string> linesOf(const std::string& text)
{
    std::vector<std::string> out;
    std::istringstream in(text);
    for (std::string l; std::getline(in, l);)
        out.push_back(l);
    return out;
}

TEST(PrimitiveVrml, ThinLineInDefaultNotation)
{
    QuietGl quiet;
    Line3 l("L 255 0 1.5 0 0 12.345678 2 0");
    l.buildGeometry();
    std::ostringstream out;
    l.writeVrml(out, 0.5, false);
    const std::string expected =
        "  Transform { # Line -- L 255 0 1.5 0 0 12.345678 2 0\n"
        "   translation 0 0.5 0\n   children [\n"
        "    Shape{\n"
        "     appearance DEF C255 Appearance{\n      material Material{\n"
        "       emissiveColor 0 0 0.996094\n"
        "       diffuseColor 0 0 0.996094\n"
        "       shininess 0.0\n      }\n     }\n"
        "     geometry IndexedLineSet{\n      coord Coordinate {\n       point [\n"
        "              1.5         0         0\n"
        "            12.35         0        -2\n"
        "       ]\n      }\n      coordIndex [\n       0 1 -1\n      ]\n     }\n    }\n   ]\n  }\n";
    EXPECT_EQ(out.str(), expected);
}

TEST(PrimitiveVrml, CoordinatesInFixedNotation)
{
    QuietGl quiet;
    Line3 l("L 1 0 1.5 0 0 12.345678 2 0");
    l.buildGeometry();
    std::ostringstream out;
    out << std::fixed;
    l.writeVrml(out, 0.5, true);
    const auto lines = linesOf(out.str());
    ASSERT_GE(lines.size(), 10u);
    EXPECT_EQ(lines[4], "     appearance USE C1");
    EXPECT_EQ(lines[8], "           1.5000    0.0000    0.0000");
    EXPECT_EQ(lines[9], "          12.3457    0.0000   -2.0000");
}

TEST(PrimitiveVrml, OutlinePolygonClosesItsLine)
{
    auto p = polygon("Y 65280 0 3", {"0 0 0", "1 0 0", "1 1 0"});
    std::ostringstream out;
    p->writeVrml(out, 0, false);
    const std::string text = out.str();
    EXPECT_NE(text.find("\n        0 1 2  0 -1\n"), std::string::npos) << text;
    EXPECT_NE(text.find("     geometry IndexedLineSet{\n"), std::string::npos);
    // Half-bright emissive colour: 255 / 512.
    EXPECT_NE(text.find("       emissiveColor 0 0.498047 0\n       diffuseColor 0 0.996094 0\n"
                        "       transparency 0.0\n"),
              std::string::npos)
        << text;
    EXPECT_NE(text.find("      ]\n     }\n    }\n  ]\n  }\n"), std::string::npos);
}

TEST(PrimitiveVrml, FilledPolygonWithBaseWritesWalls)
{
    auto p = polygon("F 0 0 4", {"0 0 1", "1 0 1", "1 1 1", "0 1 1"});
    p->hasBase = true;
    p->baseHeight = -2;
    std::ostringstream out;
    p->writeVrml(out, 0, true);
    const auto lines = linesOf(out.str());
    // 8 coordinate lines: four top points and the same four at the base height.
    auto pointStart = std::find(lines.begin(), lines.end(), "       point [");
    ASSERT_NE(pointStart, lines.end());
    EXPECT_EQ(*(pointStart + 1), "                0         1         0");
    EXPECT_EQ(*(pointStart + 5), "                0        -2         0");
    EXPECT_EQ(*(pointStart + 8), "                0        -2        -1");
    EXPECT_EQ(*(pointStart + 9), "       ]");
    auto index = std::find(lines.begin(), lines.end(), "      coordIndex [");
    ASSERT_NE(index, lines.end());
    EXPECT_EQ(*(index + 1), "        0 1 2 3 -1");
    EXPECT_EQ(*(index + 2), "        0 1 5 4 -1");
    EXPECT_EQ(*(index + 4), "        2 3 7 6 -1");
    EXPECT_EQ(*(index + 5), "        3 0 4 7 -1");
    EXPECT_EQ(*(index + 6), "      ]");
    EXPECT_EQ(lines[4], "     appearance USE C0");
    EXPECT_EQ(lines[5], "     geometry IndexedFaceSet{");
}

TEST(PrimitiveVrml, PolygonWithoutPointsStillDefinesItsAppearance)
{
    PolyLine3 p("Y 7 0 0");
    std::ostringstream out;
    p.writeVrml(out, 0, false);
    const std::string text = out.str();
    EXPECT_NE(text.find("appearance DEF C7 Appearance{"), std::string::npos);
    EXPECT_NE(text.find("coordIndex [\n        -1\n"), std::string::npos) << text;
}

TEST(PrimitiveVrml, TextEscapesQuotesAndBackslashes)
{
    Text3 z("Z 0 0 0 90 0 36 \"say \"\"hi\"\" \\ now\"");
    std::ostringstream out;
    z.writeVrml(out, 1.0, false);
    const std::string text = out.str();
    EXPECT_NE(text.find("        string [\"say \\\"\\\"hi\\\"\\\" \\\\ now\"]\n"), std::string::npos) << text;
    EXPECT_NE(text.find("  translation 0 1.01 0\n   rotation 0 -1 0 1.5708\n"), std::string::npos) << text;
    EXPECT_NE(text.find("     rotation -1 0 0 1.5708\n"), std::string::npos);
    EXPECT_NE(text.find("       appearance DEF C0 Appearance{\n        material Material{\n"
                        "         emissiveColor 0 0 0\n         diffuseColor  0 0 0\n"),
              std::string::npos);
    EXPECT_NE(text.find("fontStyle FontStyle {style \"BOLD\" size 0.5}\n"), std::string::npos);
}

TEST(PrimitiveVrml, FilledCircleTwoTurnsOfDoubledPoints)
{
    Circle3 g("G 16711680 0 2 3 4");
    std::ostringstream out;
    g.writeVrml(out, 0.25, false);
    const auto lines = linesOf(out.str());
    EXPECT_EQ(lines[1], "   translation 3 0.25 -4");
    EXPECT_EQ(lines[2], " children [");
    auto start = std::find(lines.begin(), lines.end(), "       point [");
    ASSERT_NE(start, lines.end());
    auto end = std::find(start, lines.end(), "       ]");
    EXPECT_EQ(end - start - 1, 180);
    EXPECT_EQ(*(start + 1), *(start + 2));
    // The first turn of 8 degrees: (2 cos 8, 2 sin 8).
    EXPECT_EQ(*(start + 1), "            1.981         0   -0.2783");
    std::string indices;
    for (int k = 1; k <= 89; ++k)
        indices += std::to_string(k) + " ";
    EXPECT_EQ(*(end + 3), indices + "      ]");
}

TEST(PrimitiveVrml, ContainerFrameSharesAppearances)
{
    LayoutTables tables;
    tables.layerNames[0] = "1 - Main";
    tables.itemSerial = 4;
    std::istringstream body(
        "L 5 0 0 0 0 1 0 0\nB 9 0 0 0 0 1 0 0 0\nL 9 0 0 0 0 1 0 0\nZ 5 0 0 0 0 12 T\nEND\n");
    LayoutStream in(body);
    Structure s("STRUCTURE 7 0 x x x HO 1 1.5 2 x 90 \"Shed\"", tables, in);
    std::ostringstream out;
    s.writeVrml(out);
    const std::string text = out.str();
    EXPECT_EQ(text.rfind("\n#________________________________\nTransform { # (T7) Structure Shed\n"
                         " translation 1.5 0.004 -2\n rotation 0 -1 0 1.5708\n children [\n",
                         0),
              0u)
        << text;
    // The text (newest) defines C5, the line of colour 5 uses it; benchwork
    // writes nothing, so the line of colour 9 defines C9 itself.
    EXPECT_NE(text.find("appearance DEF C5"), std::string::npos);
    EXPECT_NE(text.find("appearance USE C5"), std::string::npos);
    EXPECT_NE(text.find("appearance DEF C9"), std::string::npos);
    EXPECT_EQ(text.find("appearance USE C9"), std::string::npos);
    EXPECT_NE(text.find("  translation 0 0.014 0\n"), std::string::npos) << text;
    EXPECT_TRUE(text.ends_with("   ]\n  }\n ]\n} # (T7)\n"));
    EXPECT_EQ(tables.vrmlColours, (std::set<int>{5, 9}));
}

TEST(PrimitiveVrml, EmptyDrawingWritesNothing)
{
    LayoutTables tables;
    std::istringstream body("END\n");
    LayoutStream in(body);
    Draw d("DRAW 1 0 x x x 0 0 x 0", tables, in);
    std::ostringstream out;
    d.writeVrml(out);
    EXPECT_TRUE(out.str().empty());

    std::istringstream body2("G 3 0 1 0 0\nEND\n");
    LayoutStream in2(body2);
    Draw e("DRAW 2 0 x x x 0 0 x 0", tables, in2);
    e.writeVrml(out);
    EXPECT_NE(out.str().find("Transform { # (T2) DRAW \n"), std::string::npos);
}

TEST(PrimitiveVrml, ThickLinesWriteTheirBandAsABareShape)
{
    QuietGl quiet;
    Line3 l("Q 16711680 0.5 0 0 0 4 0 0");
    CurvedLine3 a("A 16711680 0.5 10 0 0 0 0 90");
    l.buildGeometry();
    a.buildGeometry();
    std::ostringstream out;
    l.writeVrml(out, 0.3, false);
    const std::string line = out.str();
    EXPECT_EQ(line.rfind("  Shape{\n     appearance DEF C16711680 Appearance{", 0), 0u) << line;
    EXPECT_EQ(line.find("Transform"), std::string::npos);
    EXPECT_NE(line.find("IndexedFaceSet"), std::string::npos);
    std::ostringstream arc;
    a.writeVrml(arc, 0.3, true);
    EXPECT_EQ(arc.str().rfind("  Shape{\n     appearance USE C16711680\n", 0), 0u) << arc.str();
    EXPECT_EQ(arc.str().find("Transform"), std::string::npos);
}

TEST(PrimitiveVrml, ThinArcFourPointsToALine)
{
    QuietGl quiet;
    CurvedLine3 a("A 0 0 1 0 0 0 0 10"); // 5 segments, 6 points
    a.buildGeometry();
    std::ostringstream out;
    a.writeVrml(out, 0, false);
    const auto lines = linesOf(out.str());
    auto start = std::find(lines.begin(), lines.end(), "       point [");
    ASSERT_NE(start, lines.end());
    // Four points on the first line, two on the second, each "  " and three fields.
    EXPECT_EQ((start + 1)->size(), 5u + 4 * 31);
    EXPECT_EQ((start + 2)->size(), 5u + 2 * 31);
    EXPECT_EQ((start + 1)->substr(0, 67), "       "
                                          "        0         0        -1"
                                          "     0.0349         0   -0.9994");
    EXPECT_EQ(*(start + 3), "       ]");
    EXPECT_EQ(*(start + 6), "        0 1 2 3 4 5 -1");
    EXPECT_NE(out.str().find("       transparency 0.0\n"), std::string::npos);
}

TEST(PrimitiveVrml, BenchworkWritesNothing)
{
    BenchWork3 b("B 1 1 0 0 0 4 0 0 0");
    std::ostringstream out;
    b.writeVrml(out, 0, false);
    EXPECT_TRUE(out.str().empty());
}

} // namespace
