#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <sstream>
#include <string>

#include "mesh/mesh_vrml.h"
#include "mesh/outline_mesh.h"

namespace {

const std::string kHeader =
    "   geometry IndexedFaceSet{\n    solid FALSE\n    coord Coordinate {\n     point [\n   ";

OutlineVertex at(double x, double y, double z)
{
    return {x, y, z, 1, 0, 0, 1, 0};
}

// One path over the given records.
ZPath pathOver(std::int64_t first, std::int64_t count)
{
    ZPath path;
    for (std::int64_t z = first; z < first + count; ++z)
        path.push_back({0, 0, z});
    return path;
}

} // namespace

TEST(MeshVrml, EmbankmentOfTwoSixPointPathsWritesThreeLinesOfFour)
{
    OutlineVertices vertices = {at(0, 1, 1),    at(1, 1, 1),    at(2, 2, 1),    at(2, 3, 1),
                                at(1, 4, 1),    at(0, 3, 1),    at(10, 1, 0.5), at(11, 1, 0.5),
                                at(12, 2, 0.5), at(12, 3, 0.5), at(11, 4, 0.5), at(10, 3, 0.5)};
    std::ostringstream out;
    writeEmbankment(out, "TRACK_EMBANKMENT", {pathOver(0, 6)}, {pathOver(6, 6)}, vertices);
    const std::string expected =
        "  Shape {\n   appearance USE TRACK_EMBANKMENT\n" + kHeader +
        "      0.0000    1.0000   -1.0000      1.0000    1.0000   -1.0000"
        "      2.0000    1.0000   -2.0000      2.0000    1.0000   -3.0000\n   "
        "      1.0000    1.0000   -4.0000      0.0000    1.0000   -3.0000"
        "     10.0000    0.5000   -1.0000     11.0000    0.5000   -1.0000\n   "
        "     12.0000    0.5000   -2.0000     12.0000    0.5000   -3.0000"
        "     11.0000    0.5000   -4.0000     10.0000    0.5000   -3.0000\n"
        "     ]\n    }\n    coordIndex [\n     0 1 2 3 4 5 -1 6 7 8 9 10 11 -1 \n    ]\n   }\n  }\n";
    EXPECT_EQ(out.str(), expected);
    out.str("");
    out << 0.5;
    EXPECT_EQ(out.str(), "0.5000") << "the stream stays in fixed notation with 4 decimals";
}

TEST(MeshVrml, EmptyEmbankmentWritesEmptyLists)
{
    std::ostringstream out;
    writeEmbankment(out, "TRACK_EMBANKMENT", {}, {}, {});
    EXPECT_EQ(out.str(), "  Shape {\n   appearance USE TRACK_EMBANKMENT\n" + kHeader +
                             "\n     ]\n    }\n    coordIndex [\n     \n    ]\n   }\n  }\n");
}

TEST(MeshVrml, NumbersThatAreNotFiniteAreWrittenAsZero)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    OutlineVertices vertices = {at(nan, 1, inf), at(1, -inf, 2)};
    std::ostringstream out;
    writeEmbankment(out, "RAIL", {pathOver(0, 2)}, {}, vertices);
    const std::string text = out.str();
    EXPECT_EQ(text.find("nan"), std::string::npos);
    EXPECT_EQ(text.find("inf"), std::string::npos);
    EXPECT_NE(text.find("      0.0000    0.0000   -1.0000      1.0000    2.0000    0.0000\n"),
              std::string::npos)
        << text;
}

TEST(MeshVrml, HiddenWritesRoofThenOneLineOfFourPointsPerWall)
{
    OutlineMesh mesh;
    mesh.crossSection = {1, 2, 0, 0, 0, 0};
    mesh.footprint = {pathOver(0, 3)};
    OutlineVertices vertices = {at(1, 2, 3), at(4, 2, 3), at(4, 5, 3)};
    mesh.wallEdges = {{1, 2, 3, 1}, {4, 2, 3, 1}, {4, 2, 3, 1}, {4, 5, 3, 1}};
    std::ostringstream out;
    writeHidden(out, mesh, vertices);
    const std::string expected =
        "  Shape {\n   appearance USE HIDDEN\n" + kHeader +
        "      1.0000    3.0000   -2.0000      4.0000    3.0000   -2.0000      4.0000    3.0000   -5.0000\n"
        "         1.0000    3.0000   -2.0000      1.0000    1.0000   -2.0000"
        "      4.0000    1.0000   -2.0000      4.0000    3.0000   -2.0000\n"
        "         4.0000    3.0000   -2.0000      4.0000    1.0000   -2.0000"
        "      4.0000    1.0000   -5.0000      4.0000    3.0000   -5.0000\n"
        "     ]\n    }\n    coordIndex [\n     0 1 2 -1 3 4 5 6 -1 7 8 9 10 -1 \n    ]\n   }\n  }\n";
    EXPECT_EQ(out.str(), expected);

    mesh.wallEdges.clear();
    out.str("");
    writeHidden(out, mesh, vertices);
    EXPECT_NE(out.str().find("coordIndex [\n     0 1 2 -1 \n"), std::string::npos) << "roof only";
}

TEST(MeshVrml, BandDefinesItsColourOnceThenReusesIt)
{
    Band band;
    addBandPoint(band, 1, 2, 0.5);
    addBandPoint(band, 3, 2, 0.5);
    addBandPoint(band, 3, 4.25, 0.5);
    const std::string geometry = kHeader +
                                 "            1       0.5        -2            3       0.5        -2"
                                 "            3       0.5     -4.25\n"
                                 "     ]\n    }\n    coordIndex [\n      0 1 2 -1 \n     ]\n   }\n  }\n";
    std::ostringstream out;
    writeBandShape(out, band, 3, 255, 0, 0, false);
    EXPECT_EQ(out.str(), "  Shape{\n     appearance DEF C3 Appearance{\n      material Material{\n"
                         "     emissiveColor 0.996094 0 0\n"
                         "     diffuseColor 0 0 0     transparency 0.0\n     ambientIntensity 0.0\n"
                         "     shininess 0.0\n    }\n   }\n" +
                             geometry);
    out.str("");
    writeBandShape(out, band, 3, 255, 0, 0, true);
    EXPECT_EQ(out.str(), "  Shape{\n     appearance USE C3\n" + geometry);
}

TEST(MeshVrml, BandPointsAreWrittenFourToALine)
{
    Band band;
    for (int i = 0; i < 5; ++i)
        addBandPoint(band, i, 1, 2);
    std::ostringstream out;
    writeBandShape(out, band, 7, 0, 128, 64, false);
    const std::string text = out.str();
    EXPECT_NE(text.find("     emissiveColor 0 0.5 0.25\n"), std::string::npos);
    // The fifth point opens a new line: "\n   ", then "    " and its fields.
    EXPECT_NE(text.find("            3         2        -1\n       "
                        "        4         2        -1\n     ]"),
              std::string::npos)
        << text;
    EXPECT_NE(text.find("      0 1 2 3 4 -1 \n"), std::string::npos);
}

TEST(MeshBand, PointsAreTruncatedToThousandthsInOnePath)
{
    Band band;
    addBandPoint(band, 12.3456789, -0.0019, 2.5);
    addBandPoint(band, -1.9999, 0, 0);
    ASSERT_EQ(band.paths.size(), 1u);
    ASSERT_EQ(band.paths[0].size(), 2u);
    EXPECT_EQ(band.paths[0][0], (ZPoint{12345, -1, 2500}));
    EXPECT_EQ(band.paths[0][1], (ZPoint{-1999, 0, 0}));
    EXPECT_EQ(band.list, 0u);
}
