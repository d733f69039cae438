#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <numbers>
#include <sstream>

#include "mesh/gl_messages.h"
#include "mesh/rail_mesh.h"
#include "track/curve.h"
#include "track/curved_track.h"
#include "track/straight_track.h"
#include "track_fixture.h"

namespace {

constexpr double pi = std::numbers::pi;

// An end line at an angle around (0, 0) on a circle of radius 20, at height z.
std::string endAt(double angle, double z = 0.0, double radius = 20.0)
{
    char line[128];
    const double a = angle * pi / 180.0;
    std::snprintf(line, sizeof line, "E %.9g %.9g 0 9 0 0 %g\n", radius * std::sin(a), radius * std::cos(a),
                  z);
    return line;
}

std::string curveRecord(int number, double radius, int turns, const std::string& ends, int visible = 1)
{
    char header[128];
    std::snprintf(header, sizeof header, "CURVE %d 0 0 0 0 HO %d 0 0 0 %g %d\n", number, visible, radius,
                  turns);
    return header + ends + "END\n";
}

std::vector<std::string> glMessages;
void recordGlMessage(const char* text)
{
    glMessages.emplace_back(text);
}

} // namespace

TEST(CurveTest, QuarterArcLengthSweepAndLevels)
{
    LoadedLayout l(std::string(kLayer0) + curveRecord(1, 20, 0, endAt(10) + endAt(100)));
    Curve* c = l.item<Curve>(1);
    ASSERT_NE(c, nullptr);
    ASSERT_EQ(c->endAngles.size(), 2u);
    EXPECT_NEAR(c->endAngles[0], 10.0, 1e-5);
    EXPECT_NEAR(c->endAngles[1], 100.0, 1e-5);
    auto* arc = dynamic_cast<CurvedTrack*>(c->segments);
    ASSERT_NE(arc, nullptr);
    EXPECT_NEAR(c->length, 10.0 * pi, 1e-4);
    EXPECT_NEAR(arc->sweep, 90.0, 1e-5);
    EXPECT_NEAR(arc->startAngle, 10.0, 1e-5);
    // Middle at 55 degrees.
    EXPECT_NEAR(c->centre().x, 20 * std::sin(55 * pi / 180), 1e-4);
    EXPECT_NEAR(c->centre().y, 20 * std::cos(55 * pi / 180), 1e-4);
    EXPECT_NEAR(c->lengthBetween(c->ends[0], c->ends[1]), static_cast<float>(10.0 * pi), 1e-4);
    // 45 steps of 2 degrees.
    EXPECT_EQ(arc->rails->railVertices.size(), 36u * 46);
    EXPECT_FALSE(c->outline.footprint.empty());
    EXPECT_TRUE(l.messages().empty());
}

TEST(CurveTest, EndsInReverseOrderSweepTheLongWayClockwise)
{
    LoadedLayout l(std::string(kLayer0) + curveRecord(2, 20, 0, endAt(100) + endAt(10)));
    Curve* c = l.item<Curve>(2);
    auto* arc = dynamic_cast<CurvedTrack*>(c->segments);
    ASSERT_NE(arc, nullptr);
    EXPECT_NEAR(arc->startAngle, 100.0, 1e-5);
    EXPECT_NEAR(arc->sweep, 270.0, 1e-5);
    EXPECT_NEAR(c->length, 20 * 270 * pi / 180, 1e-4);
    // Middle at 100 + 135 = 235 degrees.
    EXPECT_NEAR(c->centre().x, 20 * std::sin(235 * pi / 180), 1e-4);
    EXPECT_NEAR(c->centre().y, 20 * std::cos(235 * pi / 180), 1e-4);
}

TEST(CurveTest, ShortArcIsAStraightSegment)
{
    LoadedLayout l(std::string(kLayer0) + curveRecord(3, 20, 0, endAt(10, 1.0) + endAt(11.5, 1.0)));
    Curve* c = l.item<Curve>(3);
    auto* straight = dynamic_cast<StraightTrack*>(c->segments);
    ASSERT_NE(straight, nullptr);
    const Point3 a = l.end(c->ends[0]).position, b = l.end(c->ends[1]).position;
    EXPECT_DOUBLE_EQ(c->length, std::hypot(b.x - a.x, b.y - a.y));
    EXPECT_NEAR(c->length, 2 * 20 * std::sin(0.75 * pi / 180), 1e-5);
    EXPECT_EQ(straight->rails->railVertices.size(), 24u * 3);
}

TEST(CurveTest, HelixOfTwoTurns)
{
    LoadedLayout l(std::string(kLayer0) + curveRecord(4, 20, 2, endAt(10, 0.0) + endAt(100, 8.0), 0));
    Curve* c = l.item<Curve>(4);
    auto* arc = dynamic_cast<CurvedTrack*>(c->segments);
    ASSERT_NE(arc, nullptr);
    EXPECT_EQ(arc->turns, 2);
    EXPECT_NEAR(arc->sweep, 810.0, 1e-5);
    EXPECT_NEAR(c->length, 20 * 810 * pi / 180, 1e-4);
    EXPECT_NEAR(arc->grade, 8.0 / c->length * 100, 1e-9);
    // 405 steps; the tube follows the whole climb.
    EXPECT_EQ(arc->rails->helixFrameVertices.size(), 12u * 406);
    EXPECT_TRUE(c->outline.footprint.empty());
    EXPECT_TRUE(c->outline.embankmentTop.empty());
    EXPECT_NEAR(c->lengthBetween(0, 0), static_cast<float>(20 * 810 * pi / 180), 1e-3);

    RecordingHost host;
    c->describe(false, host);
    EXPECT_EQ(host.shown.title, "T4 Helix Track");
    ASSERT_NE(host.row("Turns"), nullptr);
    EXPECT_EQ(host.row("Turns")->value, "2");

    // Hidden helix: its tunnel is the tube of the rail mesh, no embankment outline.
    std::ostringstream out;
    c->writeVrml(out, l.doc.outlineVertices);
    EXPECT_NE(out.str().find("appearance USE HIDDEN"), std::string::npos);
    EXPECT_EQ(out.str().find("solid FALSE"), std::string::npos);
}

TEST(CurveTest, HelixOfWholeTurnsIsBuilt)
{
    LoadedLayout l(std::string(kLayer0) + curveRecord(5, 20, 1, endAt(30, 0.0) + endAt(30, 4.0)));
    Curve* c = l.item<Curve>(5);
    auto* arc = dynamic_cast<CurvedTrack*>(c->segments);
    ASSERT_NE(arc, nullptr);
    EXPECT_NEAR(arc->sweep, 360.0, 1e-9);
    EXPECT_NEAR(c->length, 40 * pi, 1e-9);
    EXPECT_TRUE(l.messages().empty());
}

TEST(CurveTest, DegenerateRecordsAreReportedAndBuildNothing)
{
    struct Case {
        const char* name;
        double radius;
        int turns;
        std::string ends;
        std::string message;
    };
    const Case cases[] = {
        {"same angle", 20, 0, endAt(30) + endAt(30), "Item 6: Zero length track found "},
        {"radius zero", 0, 0, endAt(10) + endAt(100), "Item 6: Zero length track found "},
        {"one end", 20, 0, endAt(10), "Item 6: Track needs two endpoints "},
        {"no end", 20, 0, "", "Item 6: Track needs two endpoints "},
        {"negative turns", 20, -1, endAt(10) + endAt(100), "Item 6: Helix turns out of range "},
        {"huge turns", 20, 2000000000, endAt(10) + endAt(100), "Item 6: Helix turns out of range "},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        LoadedLayout l(std::string(kLayer0) + curveRecord(6, k.radius, k.turns, k.ends));
        Curve* c = l.item<Curve>(6);
        ASSERT_NE(c, nullptr);
        EXPECT_EQ(c->segments, nullptr);
        EXPECT_EQ(c->length, 0.0);
        EXPECT_EQ(l.messages(), std::vector<std::string>{k.message});
        EXPECT_GE(c->lengthBetween(0, 0), 0.001);
        std::ostringstream out;
        c->writeVrml(out, l.doc.outlineVertices);
        EXPECT_EQ(
            out.str(),
            "\n#________________________________\nTransform { #Curve (T6)\n children [\n ]\n} # (T6)\n");
        RecordingHost host;
        c->describe(true, host);
        EXPECT_EQ(host.shown.title, k.turns > 0 ? "T6 Helix Track" : "T6 Curved Track");
        EXPECT_EQ(host.row("Length"), nullptr);
    }
}

TEST(CurveTest, NegativeRadiusDescribesTheSameCircle)
{
    LoadedLayout l(std::string(kLayer0) + curveRecord(7, -20, 0, endAt(10) + endAt(100)));
    Curve* c = l.item<Curve>(7);
    auto* arc = dynamic_cast<CurvedTrack*>(c->segments);
    ASSERT_NE(arc, nullptr);
    EXPECT_EQ(arc->radius, 20.0);
    EXPECT_NEAR(c->length, 10.0 * pi, 1e-4);
    EXPECT_NEAR(c->lengthBetween(0, 0), 10.0 * pi, 1e-4);
    EXPECT_NEAR(std::hypot(c->centre().x, c->centre().y), 20.0, 1e-9);
}

TEST(CurveTest, DescribeRowsAndPositions)
{
    LoadedLayout l(std::string(kLayer0) + curveRecord(8, 20, 0, endAt(10) + endAt(100)));
    RecordingHost host;
    l.item<Curve>(8)->describe(true, host);
    EXPECT_EQ(host.shown.title, "T8 Curved Track");
    EXPECT_EQ(host.labels(), (std::vector<std::string>{"Pt 1:", "Pt 2:", "Center: X", "Y", "Radius", "Length",
                                                       "Grade", "Layer"}));
    const int tops[] = {0, 30, 60, 82, 112, 142, 172, 202};
    for (std::size_t i = 0; i < host.shown.rows.size(); ++i)
        EXPECT_EQ(host.shown.rows[i].top, tops[i]) << host.shown.rows[i].label;
    EXPECT_EQ(host.row("Radius")->value, "50.80");
    EXPECT_EQ(host.row("Length")->value, "79.80");
    EXPECT_EQ(host.row("Turns"), nullptr);
}

TEST(CurveTest, SecondInitDrawShowsMessageBox)
{
    LoadedLayout l(std::string(kLayer0) + curveRecord(9, 20, 0, endAt(10) + endAt(100)));
    Curve* c = l.item<Curve>(9);
    TurnOutItem* before = c->segments;
    glMessages.clear();
    setGlMessageSink(recordGlMessage);
    c->initDraw(l.doc.outlineVertices);
    setGlMessageSink(nullptr);
    EXPECT_EQ(c->segments, before);
    EXPECT_EQ(glMessages,
              (std::vector<std::string>{"Curve::initDraw(): item T9 should only have one track item\n"}));
}

TEST(CurveTest, VrmlNodeHasThreeLevels)
{
    LoadedLayout l(std::string(kLayer0) + curveRecord(10, 20, 0, endAt(10) + endAt(100), 0));
    std::ostringstream out;
    l.item<Curve>(10)->writeVrml(out, l.doc.outlineVertices);
    const std::string s = out.str();
    EXPECT_EQ(
        s.rfind("\n#________________________________\nTransform { #Curve (T10)\n children [\n LOD { range "
                "[100,200]  center ",
                0),
        0u);
    const auto high = s.find("  Group{children[ #High resolution\n  Shape {");
    const auto medium = s.find("  ]}\n  Group{children[ #Medium resolution\n  Shape {");
    const auto low = s.find("  ]}\n  Group{children[ #Low resolution\n  Shape {");
    ASSERT_NE(high, std::string::npos);
    ASSERT_NE(medium, std::string::npos);
    ASSERT_NE(low, std::string::npos);
    EXPECT_LT(high, medium);
    EXPECT_LT(medium, low);
    const auto hidden = s.find("appearance USE HIDDEN\n   geometry IndexedFaceSet{\n    solid FALSE");
    const auto bank = s.find("appearance USE TRACK_EMBANKMENT\n   geometry IndexedFaceSet{\n    solid FALSE");
    ASSERT_NE(hidden, std::string::npos);
    ASSERT_NE(bank, std::string::npos);
    EXPECT_LT(hidden, bank);
    const std::string tail = "\n ]\n} # (T10)\n";
    EXPECT_EQ(s.substr(s.size() - tail.size()), tail);
}
