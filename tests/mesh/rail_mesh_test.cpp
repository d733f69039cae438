#include <gtest/gtest.h>

#include <vector>

#include "doc/scale_profile.h"
#include "mesh/rail_mesh.h"

namespace {

const double mm = 1 / 25.4;

RailMesh defaultRails()
{
    RailMesh mesh;
    mesh.setProfile(ScaleProfile());
    return mesh;
}

// Sections along x at unit spacing, the last one marked, with extra flags.
RailMesh piece(int sections, int flags = 0)
{
    RailMesh mesh = defaultRails();
    for (int i = 0; i < sections; ++i)
        mesh.addSection({double(i), 0, 0}, {0, 1, 0}, flags | (i == sections - 1 ? RailMesh::LastSection : 0),
                        0xFF8000);
    return mesh;
}

// The first index of every rail joint in a list: 72 indices per joint, the
// first triangle of the first quad starts at the earlier section's vertex 0.
std::vector<std::pair<int, int>> railJoints(const std::vector<int>& list)
{
    std::vector<std::pair<int, int>> joints;
    for (std::size_t i = 0; i + 1 < list.size(); i += 36)
        joints.push_back({list[i] / 12, list[i + 1] / 12});
    return joints;
}

} // namespace

TEST(RailMeshProfile, RailFacesLieAtTheGaugeAndRailWidth)
{
    RailMesh mesh = defaultRails();
    mesh.addSection({0, 0, 1}, {0, 1, 0}, 0, 0);
    ASSERT_EQ(mesh.railVertices.size(), 36u);
    // (lateral offset, height) in millimetres for the twelve rail vertices.
    const double expected[12][2] = {{-9.15, -2}, {-9.15, 0}, {-9.15, 0}, {-8.25, 0}, {-8.25, 0}, {-8.25, -2},
                                    {8.25, -2},  {8.25, 0},  {8.25, 0},  {9.15, 0},  {9.15, 0},  {9.15, -2}};
    for (int i = 0; i < 12; ++i) {
        EXPECT_NEAR(mesh.railVertices[3 * i], 0, 1e-12);
        EXPECT_NEAR(mesh.railVertices[3 * i + 1], expected[i][0] * mm, 1e-9) << i;
        EXPECT_NEAR(mesh.railVertices[3 * i + 2], 1 + expected[i][1] * mm, 1e-9) << i;
    }
    // Embankment: top edges 19 mm out at the rail foot, foot 29.5 mm out 9 mm down.
    const double embankment[4][2] = {{19, -2}, {29.5, -9}, {-29.5, -9}, {-19, -2}};
    for (int i = 0; i < 4; ++i) {
        EXPECT_NEAR(mesh.embankmentVertices[3 * i + 1], embankment[i][0] * mm, 1e-9) << i;
        EXPECT_NEAR(mesh.embankmentVertices[3 * i + 2], 1 + embankment[i][1] * mm, 1e-9) << i;
    }
    EXPECT_NEAR(mesh.tubeHalfWidth, 29 * mm, 1e-12);
    EXPECT_NEAR(mesh.tubeHeight, 72 * mm, 1e-12);
}

TEST(RailMeshSection, NormalsAndColoursFollowTheFaces)
{
    RailMesh mesh = defaultRails();
    mesh.addSection({0, 0, 0}, {1, 0, 0}, 0, 0xFF8000);
    // -n, -n, up, up, n, n for each rail.
    const double normals[6][3] = {{-1, 0, 0}, {-1, 0, 0}, {0, 0, 1}, {0, 0, 1}, {1, 0, 0}, {1, 0, 0}};
    for (int i = 0; i < 12; ++i)
        for (int k = 0; k < 3; ++k)
            EXPECT_EQ(mesh.railNormals[3 * i + k], normals[i % 6][k]) << i;
    EXPECT_EQ(mesh.railColours[0], double(0.2f));
    EXPECT_EQ(mesh.railColours[2], double(0.4f));
    EXPECT_EQ(mesh.railColours[3 * 6 + 2], double(0.4f)) << "the right rail repeats the shades";
    const double embankmentNormals[4][3] = {{1, 0, 0}, {0, 0, 1}, {1, 0, 0}, {0, 0, 1}};
    for (int i = 0; i < 4; ++i) {
        for (int k = 0; k < 3; ++k)
            EXPECT_EQ(mesh.embankmentNormals[3 * i + k], embankmentNormals[i][k]);
        EXPECT_DOUBLE_EQ(mesh.embankmentLayerColours[3 * i], 1.0);
        EXPECT_DOUBLE_EQ(mesh.embankmentLayerColours[3 * i + 1], 128 / 255.0);
        EXPECT_DOUBLE_EQ(mesh.embankmentLayerColours[3 * i + 2], 0.0);
    }
    EXPECT_EQ(mesh.embankmentColours[0], 0.718);
    EXPECT_EQ(mesh.embankmentColours[3], 0.558);
    EXPECT_EQ(mesh.sectionCount, 0);
    for (const auto& list : mesh.railIndices)
        EXPECT_TRUE(list.empty()) << "one section joins nothing";
}

TEST(RailMeshLevels, StraightPieceJoinsItsTwoSectionsAtEveryLevel)
{
    const RailMesh mesh = piece(2);
    EXPECT_EQ(mesh.sectionCount, 1);
    EXPECT_EQ(mesh.railVertices.size(), 24u * 3);
    EXPECT_EQ(mesh.embankmentVertices.size(), 8u * 3);
    for (int level = 0; level < 3; ++level) {
        EXPECT_EQ(mesh.railIndices[level].size(), 36u) << level;
        EXPECT_EQ(mesh.embankmentIndices[level].size(), 12u) << level;
    }
    const std::vector<int> firstQuad(mesh.railIndices[0].begin(), mesh.railIndices[0].begin() + 6);
    EXPECT_EQ(firstQuad, (std::vector<int>{0, 12, 13, 0, 13, 1}));
    const std::vector<int> lastQuad(mesh.railIndices[0].end() - 6, mesh.railIndices[0].end());
    EXPECT_EQ(lastQuad, (std::vector<int>{10, 22, 23, 10, 23, 11}));
    EXPECT_EQ(mesh.embankmentIndices[0], (std::vector<int>{0, 4, 5, 0, 5, 1, 2, 6, 7, 2, 7, 3}));
    EXPECT_TRUE(mesh.helixFrameVertices.empty());
}

TEST(RailMeshLevels, CoarseLevelsJoinEveryFifthAndTenthAndCloseAtTheLast)
{
    const struct {
        int sections;
        std::vector<std::pair<int, int>> level1, level2;
    } cases[] = {
        {12, {{0, 1}, {1, 6}, {6, 11}}, {{0, 1}, {1, 11}}},
        {23, {{0, 1}, {1, 6}, {6, 11}, {11, 16}, {16, 21}, {21, 22}}, {{0, 1}, {1, 11}, {11, 21}, {21, 22}}},
        {6, {{0, 1}, {1, 5}}, {{0, 1}, {1, 5}}},
    };
    for (const auto& c : cases) {
        const RailMesh mesh = piece(c.sections);
        EXPECT_EQ(mesh.railIndices[0].size(), 36u * (c.sections - 1));
        EXPECT_EQ(railJoints(mesh.railIndices[1]), c.level1) << c.sections;
        EXPECT_EQ(railJoints(mesh.railIndices[2]), c.level2) << c.sections;
        EXPECT_EQ(mesh.embankmentIndices[1].size(), 12u * c.level1.size());
        EXPECT_EQ(mesh.embankmentIndices[2].size(), 12u * c.level2.size());
        EXPECT_EQ(mesh.lastLinked[RailMesh::Rails1], c.sections - 1);
        EXPECT_EQ(mesh.lastLinked[RailMesh::Embankment2], c.sections - 1);
    }
}

TEST(RailMeshHelix, TubeAndEmbankmentTopAndFootPerJoint)
{
    const RailMesh mesh = piece(3, RailMesh::HelixTrack);
    EXPECT_EQ(mesh.helixFrameVertices.size(), 12u * 3);
    EXPECT_EQ(mesh.helixFrameIndices.size(), 2u * 18);
    EXPECT_EQ(mesh.embankmentIndices[0].size(), 2u * 24);
    // The second joint, sections 1 to 2: walls and roof between frame bases 4 and 8.
    const std::vector<int> secondJoint(mesh.helixFrameIndices.begin() + 18,
                                       mesh.helixFrameIndices.begin() + 24);
    EXPECT_EQ(secondJoint, (std::vector<int>{4, 8, 9, 4, 9, 5}));
    // The first joint's foot and top faces come before its slopes.
    const std::vector<int> faces(mesh.embankmentIndices[0].begin(), mesh.embankmentIndices[0].begin() + 12);
    EXPECT_EQ(faces, (std::vector<int>{1, 5, 6, 1, 6, 2, 3, 7, 4, 3, 4, 0}));
    // Frame vertices of section 0: the tube's floor corners and roof corners.
    const double W = 29 * mm, U = 72 * mm;
    const double frame[4][2] = {{-W, 0}, {-W, U}, {W, U}, {W, 0}};
    for (int i = 0; i < 4; ++i) {
        EXPECT_NEAR(mesh.helixFrameVertices[3 * i + 1], frame[i][0], 1e-12);
        EXPECT_NEAR(mesh.helixFrameVertices[3 * i + 2], frame[i][1], 1e-12);
    }
}
