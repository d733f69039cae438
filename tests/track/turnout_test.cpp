#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "mesh/rail_mesh.h"
#include "track/straight_track.h"
#include "track/turnout.h"
#include "track_fixture.h"

namespace {

std::string turnoutRecord(int number, const std::string& placement, const std::string& body, int visible = 1)
{
    return "TURNOUT " + std::to_string(number) + " 0 0 0 0 HO " + std::to_string(visible) + " " + placement +
           "\n" + body + "END$SEGS\n";
}

std::size_t count(const std::string& text, const std::string& what)
{
    std::size_t n = 0;
    for (auto p = text.find(what); p != std::string::npos; p = text.find(what, p + 1))
        ++n;
    return n;
}

} // namespace

TEST(TurnoutTest, PlacementRotatesClockwiseThenMoves)
{
    LoadedLayout l(std::string(kLayer0) + turnoutRecord(1, "10 20 0 90 \"Y\"", "E 10 20 0\n"));
    Turnout* t = l.item<Turnout>(1);
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(t->originX, 10.0);
    EXPECT_EQ(t->originY, 20.0);
    EXPECT_EQ(t->rotation, 90.0);
    EXPECT_EQ(t->name, "Y");
    const Point3 p = t->placement().placePoint({1, 0, 0});
    EXPECT_NEAR(p.x, 10.0, 1e-6);
    EXPECT_NEAR(p.y, 19.0, 1e-6);
    EXPECT_EQ(p.z, 0.0);
    const Point3 back = invertPlacement(t->placement()).placePoint(p);
    EXPECT_NEAR(back.x, 1.0, 1e-6);
    EXPECT_NEAR(back.y, 0.0, 1e-6);
}

TEST(TurnoutTest, SectionalStraightTakesHeightsFromNearestEnds)
{
    // The piece runs from local (0, 0) to (10, 0); placed at (100, 0) turned
    // by 90 degrees it runs from (100, 0) south to (100, -10).
    const std::string body = "S 0 0 0 0 10 0\nE 100 0 0 9 0 0 1\nE 100 -10 180 9 0 0 2\n";
    LoadedLayout l(std::string(kLayer0) + turnoutRecord(5, "100 0 0 90 \"Piece\"", body));
    Turnout* t = l.item<Turnout>(5);
    ASSERT_NE(t->segments, nullptr);
    EXPECT_DOUBLE_EQ(t->segments->start.z, 1.0);
    EXPECT_DOUBLE_EQ(t->segments->end.z, 2.0);
    EXPECT_DOUBLE_EQ(t->segments->grade, 10.0);
    EXPECT_DOUBLE_EQ(t->lengthBetween(t->ends[0], t->ends[1]), 10.0);
    EXPECT_DOUBLE_EQ(t->length, 0.001);
    EXPECT_DOUBLE_EQ(t->centre().x, 100.0);
    EXPECT_DOUBLE_EQ(t->centre().y, -5.0);
    EXPECT_DOUBLE_EQ(t->centre().z, 1.5);
    // The rails stay in the piece's own coordinates, the outline is placed.
    EXPECT_NEAR(t->segments->rails->railVertices[0], 0.0, 1e-12);
    ASSERT_FALSE(t->outline.footprint.empty());
    for (const ZPath& path : t->outline.footprint)
        for (const ZPoint& p : path) {
            const OutlineVertex& v = l.doc.outlineVertices[static_cast<std::size_t>(p.Z)];
            EXPECT_NEAR(v.x, 100.0, 1.2);
            EXPECT_LE(v.y, 0.0 + 1e-6);
        }

    RecordingHost host;
    t->describe(false, host);
    EXPECT_EQ(host.shown.title, "T5 Sectional Track");
    EXPECT_EQ(host.labels(),
              (std::vector<std::string>{"Pt 1:", "Pt 2:", "Length", "Grade", "Name", "Layer"}));
    EXPECT_EQ(host.row("Length")->value, "10.00");
    EXPECT_EQ(host.row("Grade")->value, "10.00");
    EXPECT_EQ(host.row("Name")->value, "Piece");
    EXPECT_EQ(host.row("Name")->width, 300);
}

TEST(TurnoutTest, ThreeEndsMakeATurnoutWithoutLengthRows)
{
    const std::string body = "S 0 0 0 0 10 0\nC 0 0 -20 0 -20 0 20\nE 0 0 270\nE 10 0 90\nE 6.84 1.21 80\n";
    LoadedLayout l(std::string(kLayer0) + turnoutRecord(6, "0 0 0 0 \"Left\"", body));
    Turnout* t = l.item<Turnout>(6);
    ASSERT_NE(t->segments, nullptr);
    // Newest line first.
    EXPECT_EQ(t->segments->line, "C 0 0 -20 0 -20 0 20");
    ASSERT_NE(t->segments->next, nullptr);
    EXPECT_EQ(t->segments->next->line, "S 0 0 0 0 10 0");
    EXPECT_DOUBLE_EQ(t->lengthBetween(t->ends[0], t->ends[1]), 0.001);
    RecordingHost host;
    t->describe(false, host);
    EXPECT_EQ(host.shown.title, "T6 Turnout");
    EXPECT_EQ(host.labels(), (std::vector<std::string>{"Pt 1:", "Pt 2:", "Pt 3:", "Name", "Layer"}));
    EXPECT_EQ(host.row("Name")->top, 90);
}

TEST(TurnoutTest, TwoEndsJoinedToOneItemStayTwoEnds)
{
    const std::string body = "S 0 0 0 0 10 0\nT 7 0 0 270\nT 7 10 0 90\n";
    LoadedLayout l(std::string(kLayer0) + turnoutRecord(3, "0 0 0 0 \"X\"", body));
    Turnout* t = l.item<Turnout>(3);
    ASSERT_EQ(t->ends.size(), 2u);
    EXPECT_NE(t->ends[0], t->ends[1]);
    EXPECT_EQ(l.end(t->ends[0]).other, 7);
    EXPECT_LT(l.end(t->ends[1]).other, 0);
    EXPECT_DOUBLE_EQ(l.end(t->ends[1]).position.x, 10.0);
}

TEST(TurnoutTest, IncompleteRecordsLoadWithoutHarm)
{
    // No ends but a segment; no segments but ends; nothing at all; no title.
    const std::string layout = std::string(kLayer0) + turnoutRecord(1, "5 6 0 0 \"A\"", "S 0 0 0 0 10 0\n") +
                               turnoutRecord(2, "0 0 0 0 \"B\"", "E 0 0 0\nE 10 0 0\n") +
                               turnoutRecord(3, "0 0 0 0 \"C\"", "D 1 2 3\n") +
                               turnoutRecord(4, "0 0 0 0", "");
    LoadedLayout l(layout);
    Turnout* a = l.item<Turnout>(1);
    EXPECT_DOUBLE_EQ(a->centre().x, 5.0);
    EXPECT_DOUBLE_EQ(a->centre().y, 6.0);
    EXPECT_DOUBLE_EQ(a->segments->start.z, 0.0);
    EXPECT_FALSE(a->outline.footprint.empty());

    Turnout* b = l.item<Turnout>(2);
    EXPECT_EQ(b->segments, nullptr);
    EXPECT_DOUBLE_EQ(b->lengthBetween(b->ends[0], b->ends[1]), 0.001);
    EXPECT_FALSE(b->outline.clearance.empty()); // the end discs
    RecordingHost host;
    b->describe(false, host);
    EXPECT_EQ(host.shown.title, "T2 Sectional Track");
    EXPECT_EQ(host.row("Length"), nullptr);

    EXPECT_EQ(l.item<Turnout>(3)->segments, nullptr);
    EXPECT_TRUE(l.item<Turnout>(3)->outline.clearance.empty());
    EXPECT_EQ(l.item<Turnout>(4)->name, "");
    EXPECT_TRUE(l.messages().empty());
}

TEST(TurnoutTest, BadSegmentLineIsReportedAndSkipped)
{
    LoadedLayout l(std::string(kLayer0) + turnoutRecord(8, "0 0 0 0 \"Z\"", "S 0 0 0 0 10\nS 0 0 0 0 5 0\n"));
    Turnout* t = l.item<Turnout>(8);
    ASSERT_NE(t->segments, nullptr);
    EXPECT_EQ(t->segments->next, nullptr);
    EXPECT_DOUBLE_EQ(t->segments->length, 5.0);
    EXPECT_EQ(l.messages().size(), 1u);
}

TEST(TurnoutTest, VrmlNodePlacesSegmentsAtThreeLevels)
{
    const std::string body = "S 0 0 0 0 10 0\nE 3 4 0\nE 3 -6 180\n";
    LoadedLayout l(std::string(kLayer0) + turnoutRecord(9, "3 4 0 90 \"Piece\"", body, 0));
    std::ostringstream out;
    l.item<Turnout>(9)->writeVrml(out, l.doc.outlineVertices);
    const std::string s = out.str();
    EXPECT_EQ(
        s.rfind("\n#________________________________\n# (T9) Piece\nTransform {\n children [\n  Shape {\n"
                "   appearance USE TRACK_EMBANKMENT",
                0),
        0u);
    EXPECT_EQ(count(s, "appearance USE HIDDEN"), 1u);
    // The centre (3, -1, 0) and the placement follow the writers' fixed notation.
    EXPECT_NE(s.find(" ]\n}\nLOD { range [100,200]  center 3.0000 0.0000 1.0000 level [\n"),
              std::string::npos);
    EXPECT_NE(
        s.find("Transform { # (T9) High Resolution\n translation 3.0000 0 -4.0000\n rotation 0 -1 0 1.5708\n"
               " children [\n  Shape {\n   appearance USE RAIL"),
        std::string::npos);
    EXPECT_NE(s.find("Transform { # (T9) Medium Resolution\n"), std::string::npos);
    EXPECT_NE(s.find("Transform { # (T9) Low Resolution\n"), std::string::npos);
    EXPECT_EQ(count(s, "appearance USE RAIL"), 3u);
    const std::string tail = " ]\n}\n ]\n} # (T9)\n";
    EXPECT_EQ(s.substr(s.size() - tail.size()), tail);
}
