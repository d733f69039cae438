#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

#include "mesh/gl_messages.h"
#include "mesh/rail_mesh.h"
#include "track/straight.h"
#include "track/straight_track.h"
#include "track_fixture.h"

namespace {

std::string straightRecord(int number, const std::string& endLines, int visible = 1)
{
    return "STRAIGHT " + std::to_string(number) + " 0 0 0 0 HO " + std::to_string(visible) + "\n" + endLines +
           "END\n";
}

std::vector<std::string> glMessages;
void recordGlMessage(const char* text)
{
    glMessages.emplace_back(text);
}

} // namespace

TEST(StraightTest, ThreeFourFiveTrackHasLengthCentreAndNormals)
{
    LoadedLayout l(std::string(kLayer0) + straightRecord(1, "E 0 0 0 9 0 0 0\nE 3 4 0 9 0 0 0\n"));
    Straight* s = l.item<Straight>(1);
    ASSERT_NE(s, nullptr);
    ASSERT_NE(s->segment(), nullptr);
    EXPECT_EQ(s->segment()->next, nullptr);
    EXPECT_DOUBLE_EQ(s->length, 5.0);
    EXPECT_DOUBLE_EQ(s->segment()->length, 5.0);
    const Point3 c = s->centre();
    EXPECT_DOUBLE_EQ(c.x, 1.5);
    EXPECT_DOUBLE_EQ(c.y, 2.0);
    EXPECT_DOUBLE_EQ(c.z, 0.0);
    EXPECT_NEAR(s->segment()->startNormal.x, -0.8, 1e-12);
    EXPECT_NEAR(s->segment()->startNormal.y, 0.6, 1e-12);
    EXPECT_EQ(s->segment()->endNormal.x, s->segment()->startNormal.x);
    EXPECT_DOUBLE_EQ(s->lengthBetween(s->ends[0], s->ends[1]), 5.0);
    EXPECT_TRUE(l.messages().empty());
}

TEST(StraightTest, GradeComesFromEndHeights)
{
    LoadedLayout l(std::string(kLayer0) + straightRecord(2, "E 0 0 90 9 0 0 1\nE 50 0 90 9 0 0 2\n"));
    Straight* s = l.item<Straight>(2);
    ASSERT_NE(s->segment(), nullptr);
    EXPECT_DOUBLE_EQ(s->segment()->grade, 2.0);
    EXPECT_DOUBLE_EQ(s->segment()->middle.z, 1.5);
    EXPECT_DOUBLE_EQ(s->centrePoint.z, 1.5);
    EXPECT_EQ(gradeLabelText(s->segment()->grade), "2.00%");
}

TEST(StraightTest, ZeroLengthTrackIsReportedAndBuildsNoArrays)
{
    LoadedLayout l(std::string(kLayer0) + straightRecord(7, "E 5 5 0\nE 5 5 0\n"));
    Straight* s = l.item<Straight>(7);
    ASSERT_NE(s->segment(), nullptr);
    EXPECT_DOUBLE_EQ(s->length, 0.001);
    EXPECT_TRUE(s->segment()->rails->railVertices.empty());
    EXPECT_TRUE(s->segment()->rails->embankmentVertices.empty());
    EXPECT_TRUE(s->outline.footprint.empty());
    ASSERT_EQ(l.messages().size(), 1u);
    EXPECT_EQ(l.messages()[0], "Item 7: Zero length track found ");
}

TEST(StraightTest, MeshesOfOneStraightSegment)
{
    LoadedLayout l(std::string(kLayer0) + straightRecord(3, "E 0 0 90 9 0 0 1\nE 10 0 90 9 0 0 1\n"));
    Straight* s = l.item<Straight>(3);
    const RailMesh& r = *s->segment()->rails;
    EXPECT_EQ(r.railVertices.size(), 24u * 3);
    EXPECT_EQ(r.embankmentVertices.size(), 8u * 3);
    for (int level = 0; level < 3; ++level) {
        EXPECT_EQ(r.railIndices[level].size(), 36u);
        EXPECT_EQ(r.embankmentIndices[level].size(), 12u);
    }
    // Start section at (0, 0, 1), normal (0, 1, 0): the first rail vertex is the
    // outer foot of the rail on the left, g/2 + w out and r below the rail top.
    const double g = 16.5 / 25.4, w = 0.9 / 25.4, rh = 2.0 / 25.4;
    EXPECT_NEAR(r.railVertices[0], 0.0, 1e-12);
    EXPECT_NEAR(r.railVertices[1], -(g / 2 + w), 1e-9);
    EXPECT_NEAR(r.railVertices[2], 1.0 - rh, 1e-9);

    // The item outline: the tunnel roof is the band at half the tunnel width,
    // four corners; the clearance is the narrower band united with the two
    // end discs.
    ASSERT_EQ(s->outline.footprint.size(), 1u);
    EXPECT_EQ(s->outline.footprint[0].size(), 4u);
    ASSERT_EQ(s->outline.embankmentTop.size(), 1u);
    EXPECT_EQ(s->outline.embankmentTop[0].size(), 4u);
    EXPECT_EQ(s->outline.embankmentBottom[0].size(), 4u);
    ASSERT_FALSE(s->outline.clearance.empty());
    const double W = 29.0 / 25.4;
    const OutlineVertex& roof =
        l.doc.outlineVertices[static_cast<std::size_t>(s->segment()->outline.footprint[0][0].Z)];
    EXPECT_NEAR(roof.x, 0.0, 1e-12);
    EXPECT_NEAR(roof.y, W, 1e-12);
    EXPECT_NEAR(roof.z, 1.0 + 72.0 / 25.4, 1e-9);
    EXPECT_EQ(roof.dz, -1.0);
}

TEST(StraightTest, FewerThanTwoEndsBuildsNothingAndSaysSo)
{
    LoadedLayout l(std::string(kLayer0) + straightRecord(4, "E 1 1 0\n") + straightRecord(5, ""));
    for (int n : {4, 5}) {
        Straight* s = l.item<Straight>(n);
        ASSERT_NE(s, nullptr);
        EXPECT_EQ(s->segments, nullptr);
        EXPECT_DOUBLE_EQ(s->lengthBetween(0, 99), 0.001);
        std::ostringstream out;
        s->writeVrml(out, l.doc.outlineVertices);
        EXPECT_EQ(out.str(), "\n#________________________________\nTransform { #Straight (T" +
                                 std::to_string(n) + ")\n children [\n ]\n} # (T" + std::to_string(n) +
                                 ")\n");
    }
    EXPECT_EQ(l.messages(), (std::vector<std::string>{"Item 5: Track needs two endpoints ",
                                                      "Item 4: Track needs two endpoints "}));
}

TEST(StraightTest, SecondInitDrawShowsMessageBoxAndChangesNothing)
{
    LoadedLayout l(std::string(kLayer0) + straightRecord(12, "E 0 0 0\nE 3 4 0\n"));
    Straight* s = l.item<Straight>(12);
    TurnOutItem* before = s->segments;
    const std::size_t vertices = l.doc.outlineVertices.size();
    glMessages.clear();
    setGlMessageSink(recordGlMessage);
    s->initDraw(l.doc.outlineVertices);
    setGlMessageSink(nullptr);
    EXPECT_EQ(s->segments, before);
    EXPECT_EQ(before->next, nullptr);
    EXPECT_EQ(l.doc.outlineVertices.size(), vertices);
    EXPECT_EQ(glMessages,
              (std::vector<std::string>{"Straight::initDraw(): item T12 should only have one track item\n"}));
}

TEST(StraightTest, DescribeShowsPointsLengthGradeAndLayer)
{
    LoadedLayout l(std::string(kLayer0) + straightRecord(-3, "E 0 0 90 9 0 0 1\nE 50 0 90 9 0 0 2\n"));
    Straight* s = l.item<Straight>(-3);
    RecordingHost host;
    s->describe(true, host);
    ASSERT_EQ(host.count, 1);
    EXPECT_EQ(host.shown.title, "T-3 Straight Track");
    EXPECT_TRUE(host.shown.centimetres);
    EXPECT_EQ(host.labels(), (std::vector<std::string>{"Pt 1:", "Pt 2:", "Length", "Grade", "Layer"}));
    EXPECT_EQ(host.shown.rows[0].top, 0);
    EXPECT_EQ(host.shown.rows[1].value, "(127.00 , 0.00 , 5.08)");
    EXPECT_EQ(host.row("Length")->value, "127.00");
    EXPECT_EQ(host.row("Length")->top, 60);
    EXPECT_EQ(host.row("Grade")->value, "2.00");
    EXPECT_EQ(host.row("Layer")->value, "1 - Main");
    EXPECT_EQ(host.row("Layer")->width, 300);

    s->describe(false, host);
    EXPECT_EQ(host.row("Length")->value, "50.00");
    EXPECT_EQ(host.row("Grade")->value, "2.00");
}

TEST(StraightTest, VrmlNodeHasOneDetailLevelAndHiddenShapeOnlyWhenHidden)
{
    const std::string ends = "E 0 0 90 9 0 0 1\nE 10 0 90 9 0 0 1\n";
    LoadedLayout l(std::string(kLayer0) + straightRecord(8, ends, 1) + straightRecord(9, ends, 0));
    std::ostringstream shown, hidden;
    l.item<Straight>(8)->writeVrml(shown, l.doc.outlineVertices);
    l.item<Straight>(9)->writeVrml(hidden, l.doc.outlineVertices);
    const std::string a = shown.str();
    EXPECT_EQ(a.rfind("\n#________________________________\nTransform { #Straight (T8)\n children [\n", 0),
              0u);
    // A fresh stream writes the centre (5, 0, 1) in its default format.
    EXPECT_NE(
        a.find("LOD { range [200]  center 5 1 -0 level [\n Group{children[  Shape {\n   appearance USE RAIL"),
        std::string::npos);
    EXPECT_NE(a.find(" ]\n} Shape{}\n]}\n"), std::string::npos);
    EXPECT_EQ(a.find("HIDDEN"), std::string::npos);
    EXPECT_NE(a.find("appearance USE TRACK_EMBANKMENT\n   geometry IndexedFaceSet{\n    solid FALSE"),
              std::string::npos);
    const std::string tail = " ]\n} # (T8)\n";
    EXPECT_EQ(a.substr(a.size() - tail.size()), tail);
    EXPECT_NE(hidden.str().find("appearance USE HIDDEN"), std::string::npos);
}

TEST(StraightTest, HugeCoordinatesKeepOutlineEmptyAndAddMessage)
{
    LoadedLayout l(std::string(kLayer0) + straightRecord(6, "E 0 0 0\nE 1e30 0 0\n"));
    Straight* s = l.item<Straight>(6);
    ASSERT_NE(s, nullptr);
    EXPECT_TRUE(s->outline.footprint.empty());
    EXPECT_TRUE(s->outline.clearance.empty());
    bool reported = false;
    for (const std::string& m : l.messages())
        reported = reported || m.rfind("Item 6: track outline not built (", 0) == 0;
    EXPECT_TRUE(reported);
}
