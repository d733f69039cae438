#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "../support/temp_layout.h"
#include "doc/describe.h"
#include "doc/document.h"
#include "mesh/gl_messages.h"
#include "track/bezier.h"
#include "track/curved_track.h"
#include "track/straight_track.h"

namespace {

const char* const kLayer = "LAYERS 0 1 0 0 8421504 0 0 0 0 Main\n";

struct Opened {
    explicit Opened(const std::string& text) : file(kLayer + text)
    {
        EXPECT_TRUE(doc.onOpenDocument(file.path()));
    }
    Cornu* cornu(int number) { return dynamic_cast<Cornu*>(doc.tables.item(number)); }
    const EndPoint& end(int number) const
    {
        return doc.tables.endPoints.at(static_cast<std::size_t>(number));
    }
    TempLayout file;
    CRavloViewerDoc doc{""};
};

struct Host : DescribeHost {
    bool showModal(CDescribe& dialog) override
    {
        shown = dialog;
        return true;
    }
    CDescribe shown;
};

std::vector<std::string> boxes;
void recordBox(const char* text)
{
    boxes.push_back(text);
}

std::vector<TurnOutItem*> pieces(const Cornu& c)
{
    std::vector<TurnOutItem*> out;
    for (TurnOutItem* p = c.segments; p; p = p->next)
        out.push_back(p);
    return out;
}

int count(const std::string& text, const std::string& what)
{
    int n = 0;
    for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1))
        ++n;
    return n;
}

// A straight piece of 2, then an arc of radius 10 (a quarter circle).
const std::string kTwoPieces = "CORNU 7 0 0 0 0 HO 1\n"
                               "S 1 1 -2 10 0 10\n"
                               "SX 1 2\n"
                               "S\n"
                               "C 1 1 10 0 0 0 90\n"
                               "E -2 10 90\n"
                               "E 10 0 180\n"
                               "END\n";

TEST(Cornu, ReadsPiecesNewestFirstAndSkipsOtherLines)
{
    Opened o(kTwoPieces);
    Cornu* c = o.cornu(7);
    ASSERT_NE(c, nullptr);
    const auto list = pieces(*c);
    ASSERT_EQ(list.size(), 2u);
    EXPECT_NE(dynamic_cast<CurvedTrack*>(list[0]), nullptr);
    EXPECT_NE(dynamic_cast<StraightTrack*>(list[1]), nullptr);
    EXPECT_EQ(c->pieceCount(), 2);
    const double arc = 10 * M_PI / 2;
    EXPECT_NEAR(c->length, 2 + arc, 1e-6);
    EXPECT_NEAR(c->lengthBetween(0, 0), 2 + arc, 1e-6);
    EXPECT_EQ(c->ends.size(), 2u);
    EXPECT_TRUE(o.doc.tables.loadMessages.empty());
}

TEST(Cornu, PropertiesRowsAndPositions)
{
    Opened o(kTwoPieces);
    Host host;
    o.cornu(7)->describe(false, host);
    EXPECT_EQ(host.shown.title, "T7 Cornu");
    struct Row {
        const char* label;
        int top;
    };
    const std::vector<Row> expected = {{"Pt 1:", 0},  {"Pt 2:", 30},     {"Length", 60},
                                       {"Grade", 90}, {"Segments", 120}, {"Curve L:", 150},
                                       {"p1:", 175},  {"p2:", 200},      {"Straight L:", 235},
                                       {"p1:", 260},  {"p2:", 285},      {"Layer", 320}};
    ASSERT_EQ(host.shown.rows.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(host.shown.rows[i].label, expected[i].label);
        EXPECT_EQ(host.shown.rows[i].top, expected[i].top) << expected[i].label;
    }
    EXPECT_EQ(host.shown.rows[4].value, "2");
    EXPECT_EQ(host.shown.rows[5].value, "15.71");
    EXPECT_EQ(host.shown.rows[6].value, "(0.00 , 10.00 , 0.00)");
    EXPECT_EQ(host.shown.rows[7].value, "(10.00 , 0.00 , 0.00)");
    EXPECT_EQ(host.shown.rows[8].value, "2.00");
    Host cm;
    o.cornu(7)->describe(true, cm);
    EXPECT_EQ(cm.shown.rows[8].value, "5.08");
    EXPECT_EQ(cm.shown.rows[9].value, "(-5.08 , 25.40 , 0.00)");
}

// Pieces of 2, 3 and 5 along the x axis, listed out of order and one of them
// backwards; the chain climbs from 1 to 2.
const std::string kThreePieces = "CORNU 7 0 0 0 0 HO 1\n"
                                 "S 1 1 5 0 10 0\n"
                                 "S 1 1 0 0 2 0\n"
                                 "S 1 1 5 0 2 0\n"
                                 "E 0 0 90 9 0 0 1\n"
                                 "E 10 0 270 9 0 0 2\n"
                                 "END\n";

TEST(Cornu, HeightsClimbEvenlyAlongTheChain)
{
    Opened o(kThreePieces);
    const auto list = pieces(*o.cornu(7));
    ASSERT_EQ(list.size(), 3u);
    // list order: (5,0)->(2,0), (0,0)->(2,0), (5,0)->(10,0)
    EXPECT_NEAR(list[1]->start.z, 1.0, 1e-12);
    EXPECT_NEAR(list[1]->end.z, 1.2, 1e-12);
    EXPECT_NEAR(list[0]->end.z, 1.2, 1e-12);
    EXPECT_NEAR(list[0]->start.z, 1.5, 1e-12);
    EXPECT_NEAR(list[2]->start.z, 1.5, 1e-12);
    EXPECT_NEAR(list[2]->end.z, 2.0, 1e-12);
    for (TurnOutItem* p : list)
        EXPECT_NEAR(p->grade, 10.0, 1e-9);
}

TEST(Cornu, MergedFootprintIsOnePolygonOverTheWholeChain)
{
    Opened o(kThreePieces);
    const ZPaths& f = o.cornu(7)->outline.footprint;
    ASSERT_EQ(f.size(), 1u);
    std::int64_t minX = 1 << 30, maxX = -(1 << 30), maxY = 0;
    for (const ZPoint& p : f[0])
        minX = std::min(minX, p.X), maxX = std::max(maxX, p.X), maxY = std::max(maxY, p.Y);
    EXPECT_EQ(minX, 0);
    EXPECT_EQ(maxX, 10000);
    EXPECT_EQ(maxY, static_cast<std::int64_t>(29.0 / 25.4 * 1000));
}

TEST(Cornu, BezierSpreadsOverTheLongerLength)
{
    Opened o("BEZIER 7 0 0 0 0 HO 1\nS 1 1 0 0 4 0\nS 1 1 4 0 10 0\nE 0 0 90 9 0 0 0\n"
             "E 10 0 270 9 0 0 10.001\nEND\n");
    Cornu* b = o.cornu(7);
    ASSERT_NE(dynamic_cast<Bezier*>(b), nullptr);
    EXPECT_NEAR(b->length, 10.001, 1e-9);
    EXPECT_NEAR(b->lengthBetween(0, 1), 10.0, 1e-9);
    const auto list = pieces(*b);
    ASSERT_EQ(list.size(), 2u);
    EXPECT_NEAR(list[0]->end.z, 10.0, 1e-5);
    Host host;
    b->describe(false, host);
    EXPECT_EQ(host.shown.title, "T7 Bezier");
    EXPECT_EQ(host.shown.rows[2].label, "Length");
    EXPECT_EQ(host.shown.rows[2].value, "10.00");
    std::ostringstream out;
    b->writeVrml(out, o.doc.outlineVertices);
    EXPECT_NE(out.str().find("Transform { # (T7) Cornu\n children [\n"), std::string::npos);
}

TEST(Cornu, ThreeEndsShowNoLengthOrGrade)
{
    Opened o("CORNU 7 0 0 0 0 HO 1\nS 1 1 0 0 4 0\nE 0 0 90\nE 4 0 270\nE 8 0 270\nEND\n");
    Cornu* c = o.cornu(7);
    Host host;
    c->describe(false, host);
    std::vector<std::string> labels;
    for (const DescribeRow& r : host.shown.rows)
        labels.push_back(r.label);
    EXPECT_EQ(labels, (std::vector<std::string>{"Pt 1:", "Pt 2:", "Pt 3:", "Segments",
                                                "Straight L:", "p1:", "p2:", "Layer"}));
    // initDraw leaves the mean of all ends; centre() takes the first two.
    EXPECT_EQ(c->centrePoint, (Point3{4, 0, 0}));
    EXPECT_EQ(c->centre(), (Point3{2, 0, 0}));
}

TEST(Cornu, TwoEndsJoinedToOneItemStayTwoEnds)
{
    Opened o("CORNU 7 0 0 0 0 HO 1\nS 1 1 0 0 4 0\nT 9 0 0 90\nT 9 4 0 270\nEND\n");
    Cornu* c = o.cornu(7);
    ASSERT_EQ(c->ends.size(), 2u);
    EXPECT_NE(c->ends[0], c->ends[1]);
    EXPECT_EQ(o.end(c->ends[0]).position, (Point3{0, 0, 0}));
    EXPECT_EQ(o.end(c->ends[1]).position, (Point3{4, 0, 0}));
    EXPECT_LT(o.end(c->ends[1]).other, 0);
}

TEST(Cornu, HiddenChainWritesOneTunnelAfterTheFirstPiecesRails)
{
    Opened o("CORNU 7 0 0 0 0 HO 0\nS 1 1 0 0 2 0\nS 1 1 2 0 4 0\nS 1 1 4 0 6 0\nS 1 1 6 0 8 0\n"
             "E 0 0 90\nE 8 0 270\nEND\n");
    std::ostringstream out;
    o.cornu(7)->writeVrml(out, o.doc.outlineVertices);
    const std::string s = out.str();
    EXPECT_EQ(count(s, "appearance USE HIDDEN"), 1);
    EXPECT_EQ(count(s, "appearance USE RAIL"), 4);
    const std::size_t hidden = s.find("appearance USE HIDDEN");
    EXPECT_LT(s.find("appearance USE RAIL"), hidden);
    EXPECT_GT(s.find("appearance USE RAIL", s.find("appearance USE RAIL") + 1), hidden);
    EXPECT_EQ(s.rfind("} # (T7)\n"), s.size() - 9);
}

TEST(Cornu, TinyChainWeighsAtLeastOneThousandth)
{
    Opened o(
        "CORNU 7 0 0 0 0 HO 1\nS 1 1 0 0 0.0002 0\nS 1 1 0.0002 0 0.0004 0\nE 0 0 90\nE 0.0004 0 270\nEND\n");
    EXPECT_DOUBLE_EQ(o.cornu(7)->lengthBetween(0, 1), 0.001);
}

struct LevelCase {
    const char* body;
    double level;
};

class CornuLevelChain : public ::testing::TestWithParam<LevelCase> {};

// Chains that cannot climb by length lie level, with finite heights.
TEST_P(CornuLevelChain, LiesLevel)
{
    Opened o(std::string("CORNU 7 0 0 0 0 HO 1\n") + GetParam().body + "END\n");
    Cornu* c = o.cornu(7);
    ASSERT_NE(c, nullptr);
    for (TurnOutItem* p : pieces(*c)) {
        EXPECT_DOUBLE_EQ(p->start.z, GetParam().level);
        EXPECT_DOUBLE_EQ(p->end.z, GetParam().level);
    }
    if (c->ends.size() == 2) {
        Host host;
        c->describe(false, host);
        EXPECT_EQ(host.shown.rows[3].label, "Grade");
        EXPECT_EQ(host.shown.rows[3].value, "0.00");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CornuLevelChain,
    ::testing::Values(LevelCase{"S 1 1 3 3 3 3\nS 1 1 3 3 3 3\nE 3 3 0 9 0 0 0\nE 3 3 180 9 0 0 5\n",
                                0.0},                                      // no length
                      LevelCase{"S 1 1 0 0 4 0\nE 0 0 90 9 0 0 3\n", 3.0}, // one end
                      LevelCase{"S 1 1 0 0 4 0\nS 1 1 4 0 8 0\n", 0.0}));  // no end

TEST(Cornu, WithoutPiecesShowsTheBoxAndBuildsNothing)
{
    boxes.clear();
    setGlMessageSink(recordBox);
    Opened o("CORNU 7 0 0 0 0 HO 1\nE 0 0 90\nE 4 0 270\nEND\n");
    setGlMessageSink(nullptr);
    // Without a GL context the display lists add their own box; only ours counts here.
    EXPECT_EQ(std::count(boxes.begin(), boxes.end(), "Cornu::initDraw(): should only have one track item\n"),
              1);
    Cornu* c = o.cornu(7);
    EXPECT_TRUE(c->outline.footprint.empty());
    EXPECT_DOUBLE_EQ(c->lengthBetween(c->ends[0], c->ends[1]), 0.001);
    Host host;
    c->describe(false, host);
    ASSERT_EQ(host.shown.rows.size(), 6u);
    EXPECT_EQ(host.shown.rows[3].label, "Grade");
    EXPECT_EQ(host.shown.rows[3].value, "0.00");
    EXPECT_EQ(host.shown.rows[4].value, "0");
    std::ostringstream out;
    c->writeVrml(out, o.doc.outlineVertices);
    EXPECT_EQ(out.str(),
              "\n#________________________________\nTransform { # (T7) Cornu\n children [\n ]\n} # (T7)\n");
}

TEST(Cornu, BadPieceLineIsReportedAndReadingGoesOn)
{
    Opened o("CORNU 7 0 0 0 0 HO 1\nC 1 1 ten 0 0 0 90\nS 1 1 0 0 4 0\nE 0 0 90\nE 4 0 270\nEND\n");
    Cornu* c = o.cornu(7);
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(c->pieceCount(), 1);
    EXPECT_EQ(c->ends.size(), 2u);
    EXPECT_EQ(o.doc.tables.loadMessages.size(), 1u);
}

TEST(Cornu, CoordinatesBeyondTheClippingRangeGiveOneMessage)
{
    Opened o("CORNU 8 0 0 0 0 HO 0\nS 1 1 0 0 3e38 0\nC 1 1 5 0 0 0 90\nE 0 0 90\nE 3e38 0 90\nEND\n");
    ASSERT_NE(o.cornu(8), nullptr);
    int merged = 0;
    for (const std::wstring& m : o.doc.tables.loadMessages)
        merged += narrowText(m).rfind("Item 8: track outline not merged (", 0) == 0 ? 1 : 0;
    EXPECT_EQ(merged, 1);
}

} // namespace
