#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "../support/temp_layout.h"
#include "doc/describe.h"
#include "doc/document.h"
#include "mesh/gl_messages.h"
#include "track/joint.h"
#include "track/straight_track.h"

namespace {

const char* const kLayer = "LAYERS 0 1 0 0 8421504 0 0 0 0 Main\n";

struct Opened {
    explicit Opened(const std::string& text) : file(kLayer + text)
    {
        EXPECT_TRUE(doc.onOpenDocument(file.path()));
    }
    Joint* joint(int number) { return dynamic_cast<Joint*>(doc.tables.item(number)); }
    std::vector<std::string> messages() const
    {
        std::vector<std::string> out;
        for (const std::wstring& m : doc.tables.loadMessages)
            out.push_back(narrowText(m));
        return out;
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

int count(const std::string& text, const std::string& what)
{
    int n = 0;
    for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1))
        ++n;
    return n;
}

// Ends 4 inches apart in plan and 3 in height.
const std::string kRising = "JOINT 7 0 0 0 0 HO 1 99 99\n"
                            "E 0 0 90 9 0 0 0\n"
                            "S 1 2 3 4 5 6\n"
                            "C 1 2 3 4 5 6 7\n"
                            "E 4 0 270 9 0 0 3\n"
                            "END\n";

TEST(Joint, OnePieceBetweenTheFirstTwoEnds)
{
    Opened o(kRising);
    Joint* j = o.joint(7);
    ASSERT_NE(j, nullptr);
    ASSERT_EQ(j->ends.size(), 2u);
    ASSERT_NE(j->piece(), nullptr);
    EXPECT_EQ(j->piece()->next, nullptr); // S and C lines add nothing
    EXPECT_DOUBLE_EQ(j->length, 5.0);
    EXPECT_DOUBLE_EQ(j->piece()->length, 4.0); // heights ignored
    EXPECT_DOUBLE_EQ(j->piece()->grade, 75.0);
    EXPECT_EQ(j->piece()->start, (Point3{0, 0, 0}));
    EXPECT_EQ(j->piece()->end, (Point3{4, 0, 3}));
    EXPECT_EQ(j->centre(), (Point3{2, 0, 1.5}));
    EXPECT_DOUBLE_EQ(j->lengthBetween(j->ends[0], j->ends[1]), 4.0);
    EXPECT_DOUBLE_EQ(j->lengthBetween(-1, 99), 0.001);
    EXPECT_TRUE(o.messages().empty());
}

TEST(Joint, OutlineIsThePiecesWithEndDiscs)
{
    Opened o(kRising);
    Joint* j = o.joint(7);
    ASSERT_NE(j->piece(), nullptr);
    EXPECT_EQ(j->outline.embankmentTop, j->piece()->outline.embankmentTop);
    EXPECT_EQ(j->outline.embankmentBottom, j->piece()->outline.embankmentBottom);
    EXPECT_EQ(j->outline.clearance, j->piece()->outline.clearance);
    ASSERT_FALSE(j->outline.clearance.empty());
    // The discs (radius 0.99 * 29 mm) reach beyond both ends of the track.
    std::int64_t minX = 0, maxX = 0;
    for (const ZPath& path : j->outline.clearance)
        for (const ZPoint& p : path)
            minX = std::min(minX, p.X), maxX = std::max(maxX, p.X);
    const std::int64_t r = static_cast<std::int64_t>(0.99 * 29.0 / 25.4 * 1000);
    EXPECT_NEAR(static_cast<double>(minX), static_cast<double>(-r), 2.0);
    EXPECT_NEAR(static_cast<double>(maxX), static_cast<double>(4000 + r), 2.0);
}

TEST(Joint, PropertiesInInchesAndCentimetres)
{
    Opened o(kRising);
    for (const bool cm : {false, true}) {
        Host host;
        o.joint(7)->describe(cm, host);
        EXPECT_EQ(host.shown.title, "T7 Easment Track");
        const std::vector<std::pair<std::string, std::string>> expected = {
            {"Pt 1:", "(0.00 , 0.00 , 0.00)"},
            {"Pt 2:", cm ? "(10.16 , 0.00 , 7.62)" : "(4.00 , 0.00 , 3.00)"},
            {"Length", cm ? "10.16" : "4.00"},
            {"Grade", "75.00"},
            {"Layer", "1 - Main"}};
        ASSERT_EQ(host.shown.rows.size(), expected.size());
        for (std::size_t i = 0; i < expected.size(); ++i) {
            EXPECT_EQ(host.shown.rows[i].label, expected[i].first);
            EXPECT_EQ(host.shown.rows[i].value, expected[i].second);
            EXPECT_EQ(host.shown.rows[i].top, static_cast<int>(30 * i));
        }
    }
}

TEST(Joint, ZeroLengthIsReportedAndStillBuilt)
{
    Opened o("JOINT 7 0 0 0 0 HO 1\nE 5 5 90\nE 5 5 270\nEND\n");
    Joint* j = o.joint(7);
    ASSERT_NE(j->piece(), nullptr);
    EXPECT_DOUBLE_EQ(j->piece()->length, 0.001);
    EXPECT_EQ(o.messages(), std::vector<std::string>{"Item 7: Zero length track found "});
}

struct NormalCase {
    Point3 from, to;
    double a, b;
    Point3 expectS, expectT;
};

class JointSquaredEnds : public ::testing::TestWithParam<NormalCase> {};

TEST_P(JointSquaredEnds, LateralVectorsPointLeftOfTravel)
{
    const NormalCase c = GetParam();
    Point3 s, t;
    squaredNormals(c.from, c.to, c.a, c.b, s, t);
    EXPECT_NEAR(s.x, c.expectS.x, 1e-7);
    EXPECT_NEAR(s.y, c.expectS.y, 1e-7);
    EXPECT_NEAR(t.x, c.expectT.x, 1e-7);
    EXPECT_NEAR(t.y, c.expectT.y, 1e-7);
    EXPECT_EQ(s.z, 0.0);
    EXPECT_EQ(t.z, 0.0);
}

const double kHalf = std::sqrt(0.5);
INSTANTIATE_TEST_SUITE_P(
    Cases, JointSquaredEnds,
    ::testing::Values(NormalCase{{0, 0, 0}, {10, 0, 0}, 90, 270, {0, 1, 0}, {0, 1, 0}},   // east
                      NormalCase{{10, 0, 0}, {0, 0, 0}, 90, 270, {0, -1, 0}, {0, -1, 0}}, // west
                      NormalCase{{0, 0, 0}, {0, 10, 5}, 0, 180, {-1, 0, 0}, {-1, 0, 0}},  // north, rising
                      // a skewed end keeps its own direction, only its side is chosen
                      NormalCase{{0, 0, 0}, {10, 0, 0}, 45, 270, {-kHalf, kHalf, 0}, {0, 1, 0}}));

TEST(Joint, SquaredEndsReachThePiece)
{
    Opened o("JOINT 7 0 0 0 0 HO 1\nE 10 0 90\nE 0 0 270\nEND\n");
    const StraightTrack* p = o.joint(7)->piece();
    ASSERT_NE(p, nullptr);
    EXPECT_NEAR(p->startNormal.y, -1.0, 1e-7);
    EXPECT_NEAR(p->endNormal.y, -1.0, 1e-7);
}

TEST(Joint, FewerThanTwoEndsBuildNothing)
{
    for (const char* body : {"E 3 4 90\nEND\n", "END\n"}) {
        Opened o(std::string("JOINT 7 0 0 0 0 HO 1\n") + body);
        Joint* j = o.joint(7);
        ASSERT_NE(j, nullptr);
        EXPECT_EQ(j->segments, nullptr);
        EXPECT_EQ(o.messages().size(), 1u);
        EXPECT_EQ(j->centre(), j->ends.empty() ? Point3{} : (Point3{3, 4, 0}));
        std::ostringstream out;
        j->writeVrml(out, o.doc.outlineVertices);
        EXPECT_EQ(
            out.str(),
            "\n#________________________________\nTransform { # (T7) Joint\n children [\n ]\n} # (T7)\n");
        Host host;
        j->describe(false, host);
        ASSERT_FALSE(host.shown.rows.empty());
        EXPECT_EQ(host.shown.rows.back().label, "Layer");
        EXPECT_EQ(host.shown.rows.size(), j->ends.size() + 1);
    }
}

TEST(Joint, SecondInitDrawIsRefused)
{
    Opened o(kRising);
    Joint* j = o.joint(7);
    const ZPaths before = j->outline.clearance;
    const std::size_t vertices = o.doc.outlineVertices.size();
    boxes.clear();
    setGlMessageSink(recordBox);
    j->initDraw(o.doc.outlineVertices);
    setGlMessageSink(nullptr);
    EXPECT_EQ(boxes, std::vector<std::string>{"Joint::initDraw(): should only have one track item\n"});
    EXPECT_EQ(j->piece()->next, nullptr);
    EXPECT_EQ(j->outline.clearance, before);
    EXPECT_EQ(o.doc.outlineVertices.size(), vertices);
}

TEST(Joint, VrmlNodeWritesTunnelOnlyWhenHidden)
{
    for (const int visible : {0, 1}) {
        Opened o("JOINT -4 0 0 0 0 HO " + std::to_string(visible) + "\nE 0 0 90\nE 10 0 270\nEND\n");
        Joint* j = o.joint(-4);
        ASSERT_NE(j, nullptr);
        std::ostringstream out;
        j->writeVrml(out, o.doc.outlineVertices);
        const std::string s = out.str();
        EXPECT_EQ(s.rfind("\n#________________________________\nTransform { # (T-4) Joint\n children [\n", 0),
                  0u);
        EXPECT_EQ(count(s, "appearance USE HIDDEN"), visible == 0 ? 1 : 0);
        const std::size_t hidden = s.find("appearance USE HIDDEN");
        const std::size_t embankment = s.rfind("appearance USE TRACK_EMBANKMENT");
        const std::size_t rail = s.find("appearance USE RAIL");
        ASSERT_NE(rail, std::string::npos);
        ASSERT_NE(embankment, std::string::npos);
        if (visible == 0) {
            EXPECT_LT(rail, hidden);
            EXPECT_LT(hidden, embankment);
        }
        const std::string tail = " ]\n} # (T-4)\n";
        EXPECT_EQ(s.substr(s.size() - tail.size()), tail);
        Host host;
        j->describe(false, host);
        EXPECT_EQ(host.shown.title, "T-4 Easment Track");
    }
}

TEST(Joint, CoordinatesBeyondTheClippingRangeAreReported)
{
    Opened o("JOINT 7 0 0 0 0 HO 1\nE 0 0 90\nE 3e38 0 270\nEND\n");
    Joint* j = o.joint(7);
    ASSERT_NE(j, nullptr);
    ASSERT_NE(j->piece(), nullptr);
    EXPECT_EQ(j->outline.clearance, j->piece()->outline.clearance);
    bool reported = false;
    for (const std::string& m : o.messages())
        reported = reported || m.rfind("Item 7: track outline not merged (", 0) == 0;
    EXPECT_TRUE(reported);
}

} // namespace
