#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "../support/temp_layout.h"
#include "doc/describe.h"
#include "doc/document.h"
#include "drawing/gl_3d_text.h"
#include "track/turntable.h"

namespace {

// A profile whose gauge is 0.65 inch; the other values are the defaults.
const std::vector<double> kGauge065 = {16.51, 2, 0.9, 9, 38, 59, 58, 72};

struct Opened {
    std::unique_ptr<CRavloViewerDoc> doc;
    std::unique_ptr<TempLayout> file;

    TurnTable* table() const { return dynamic_cast<TurnTable*>(doc->trackItems); }
};

Opened open(const std::string& text)
{
    Opened o;
    o.doc = std::make_unique<CRavloViewerDoc>("");
    o.doc->tables.profiles["G65"] = ScaleProfile("G65", kGauge065);
    o.file = std::make_unique<TempLayout>("LAYERS 0 1 0 0 255 0 0 0 0 Main\n" + text);
    EXPECT_TRUE(o.doc->onOpenDocument(o.file->path()));
    return o;
}

class RecordingHost : public DescribeHost {
public:
    bool showModal(CDescribe& dialog) override
    {
        rows = dialog.rows;
        title = dialog.title;
        return true;
    }
    std::vector<DescribeRow> rows;
    std::string title;
};

const std::string kThreeEnds = "TURNTABLE 5 0 0 0 0 G65 1 10 20 0 6\n"
                               "E 16 20 90 9 0 0 1\n"
                               "E 4 20 270 9 0 0 2\n"
                               "E 10 26 0 9 0 0 3\n"
                               "END\n";

TEST(TurnTable, ReadsOriginRadiusAndProfileDimensions)
{
    const Opened o = open(kThreeEnds);
    TurnTable* t = o.table();
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(t->number, 5);
    EXPECT_EQ(t->originX, 10.0);
    EXPECT_EQ(t->originY, 20.0);
    EXPECT_EQ(t->radius, 6.0);
    // sqrt(36 + 0.325^2)
    EXPECT_NEAR(t->pitRadius, 6.008795, 1e-5);
    EXPECT_NEAR(t->rimRadius, 6.0 + 21.0 / 25.4, 1e-12);
    EXPECT_NEAR(t->rimDepth, 1.8 / 25.4, 1e-12);
    EXPECT_NEAR(t->pitDepth, 9.0 / 25.4, 1e-12);
    EXPECT_EQ(t->ends.size(), 3u);
    EXPECT_TRUE(o.doc->tables.loadMessages.empty());
}

TEST(TurnTable, HeightIsMeanOfEndsAndEveryEndIsMarked)
{
    const Opened o = open(kThreeEnds + "STRAIGHT 6 0 0 0 0 G65 1\nE 30 30 0\nE 40 30 0\nEND\n");
    TurnTable* t = dynamic_cast<TurnTable*>(o.doc->tables.itemsByNumber[5]);
    ASSERT_NE(t, nullptr);
    EXPECT_DOUBLE_EQ(t->height, 2.0);
    const Point3 c = t->centre();
    EXPECT_EQ(c, (Point3{10, 20, 2}));
    for (int e : t->ends)
        EXPECT_TRUE(o.doc->tables.endPoints[static_cast<std::size_t>(e)].onTurntable);
    int marked = 0;
    for (const EndPoint& r : o.doc->tables.endPoints)
        marked += r.onTurntable ? 1 : 0;
    EXPECT_EQ(marked, 3);
}

TEST(TurnTable, WithoutEndsStaysAtHeightZero)
{
    const Opened o = open("TURNTABLE 5 0 0 0 0 G65 1 10 20 0 6\nEND\n");
    ASSERT_NE(o.table(), nullptr);
    EXPECT_EQ(o.table()->height, 0.0);
    EXPECT_TRUE(o.table()->ends.empty());
}

struct RadiusCase {
    const char* token;
    double radius;
    double lengthBetween;
    bool message;
};

class TurnTableRadius : public ::testing::TestWithParam<RadiusCase> {};

TEST_P(TurnTableRadius, RadiusAndEdgeWeight)
{
    const RadiusCase c = GetParam();
    const Opened o =
        open(std::string("TURNTABLE 5 0 0 0 0 G65 1 0 0 0 ") + c.token + "\nE 1 0 90\nE -1 0 270\nEND\n");
    TurnTable* t = o.table();
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(t->radius, c.radius);
    EXPECT_DOUBLE_EQ(t->lengthBetween(t->ends[0], t->ends[1]), c.lengthBetween);
    EXPECT_TRUE(std::isfinite(t->pitRadius));
    EXPECT_TRUE(std::isfinite(t->rimRadius));
    EXPECT_EQ(o.doc->tables.loadMessages.size(), c.message ? 1u : 0u);
}

INSTANTIATE_TEST_SUITE_P(Cases, TurnTableRadius,
                         ::testing::Values(RadiusCase{"6", 6.0, 0.006, false},
                                           RadiusCase{"0.5", 0.5, 0.001, false}, // 0.0005 is raised
                                           RadiusCase{"0", 0.0, 0.001, false},
                                           RadiusCase{"-6", 6.0, 0.006, false},     // same turntable
                                           RadiusCase{"1e300", 0.0, 0.001, true})); // pit would be infinite

TEST(TurnTable, BadRadiusTokenSkipsTheRecord)
{
    const Opened o = open("TURNTABLE 5 0 0 0 0 G65 1 10 20 0 wide\nE 1 0 90\nEND\n");
    EXPECT_EQ(o.doc->trackItems, nullptr);
    EXPECT_EQ(o.doc->tables.loadMessages.size(), 1u);
}

TEST(TurnTable, PropertiesRows)
{
    const Opened o = open(kThreeEnds);
    for (const bool cm : {false, true}) {
        RecordingHost host;
        o.table()->describe(cm, host);
        const double f = cm ? 2.54 : 1.0;
        EXPECT_EQ(host.title, "T5 TurnTable");
        ASSERT_EQ(host.rows.size(), 6u);
        const std::vector<std::pair<std::string, std::string>> expected = {
            {"Origin: X", CDescribe::formatNumber(10 * f)},
            {"Y", CDescribe::formatNumber(20 * f)},
            {"Z", CDescribe::formatNumber(2 * f)},
            {"Diameter", cm ? "30.48" : "12.00"},
            {"# End Pt", "3"},
            {"Layer", "1 - Main"}};
        const std::vector<int> tops = {0, 22, 44, 74, 104, 134};
        for (std::size_t i = 0; i < expected.size(); ++i) {
            EXPECT_EQ(host.rows[i].label, expected[i].first);
            EXPECT_EQ(host.rows[i].value, expected[i].second) << expected[i].first;
            EXPECT_EQ(host.rows[i].top, tops[i]) << expected[i].first;
        }
    }
}

std::vector<std::string> lines(const std::string& text)
{
    std::vector<std::string> out;
    std::istringstream in(text);
    for (std::string l; std::getline(in, l);)
        out.push_back(l);
    return out;
}

TEST(TurnTable, VrmlNodeHas361PointsAnd450Faces)
{
    const Opened o = open(kThreeEnds);
    std::ostringstream out;
    o.table()->writeVrml(out, o.doc->outlineVertices);
    const std::vector<std::string> l = lines(out.str());
    ASSERT_GT(l.size(), 10u);
    EXPECT_EQ(l[0], "");
    EXPECT_EQ(l[1], "#________________________________");
    EXPECT_EQ(l[2], "Transform { #TurnTable (T5) ");
    EXPECT_EQ(l[3], " translation 10 0 -20");
    EXPECT_EQ(l[4], " children [");
    EXPECT_EQ(l[5], "  Shape {");
    EXPECT_EQ(l[6], "   appearance USE TURNTABLE");
    std::size_t i = 0;
    while (i < l.size() && l[i] != "     point [")
        ++i;
    std::size_t j = i + 1;
    while (j < l.size() && l[j] != "     ]")
        ++j;
    ASSERT_LT(j, l.size());
    EXPECT_EQ(j - i - 1, 361u);
    // Point 0: the floor centre at height - pitDepth; the last step is back at angle 0.
    std::istringstream p0(l[i + 1]);
    double x, y, z;
    p0 >> x >> y >> z;
    EXPECT_NEAR(y, 2.0 - 9.0 / 25.4, 1e-5);
    std::istringstream p357(l[i + 1 + 357]);
    p357 >> x >> y >> z;
    EXPECT_NEAR(x, 6.0 + 21.0 / 25.4, 1e-4);
    EXPECT_NEAR(z, 0.0, 1e-4);
    std::istringstream p1(l[i + 2]);
    p1 >> x >> y >> z;
    const double rim = 6.0 + 21.0 / 25.4, a = 4.0 * M_PI / 180.0;
    EXPECT_NEAR(x, rim * std::cos(a), 1e-4);
    EXPECT_NEAR(z, -rim * std::sin(a), 1e-4);
    std::size_t k = j;
    while (k < l.size() && l[k] != "    coordIndex [")
        ++k;
    std::size_t m = k + 1;
    while (m < l.size() && l[m] != "    ]")
        ++m;
    ASSERT_LT(m, l.size());
    EXPECT_EQ(m - k - 1, 450u);
    EXPECT_EQ(l[k + 1], "1 5 6 2 -1");
    EXPECT_EQ(l[k + 4], "8 0 4 -1");
    EXPECT_EQ(l[m - 5], "357 1 2 358 -1");
    EXPECT_EQ(l[m - 1], "357 0 1 -1");
    EXPECT_EQ(l[l.size() - 2], " ]");
    EXPECT_EQ(l.back(), "} # (T5)");
}

} // namespace
