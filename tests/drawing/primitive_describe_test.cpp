#include <gtest/gtest.h>

#include "drawing/bench_work3.h"
#include "drawing/circle3.h"
#include "drawing/curved_line3.h"
#include "drawing/line3.h"
#include "drawing/poly_line3.h"
#include "drawing/text3.h"
#include "drawing_test_support.h"

namespace {

using Labels = std::vector<std::string>;

TEST(PrimitiveProperties, LineInCentimetresAtDrawingOrigin)
{
    QuietGl quiet;
    Line3 l("L 0 0.5 0 0 0 10 0 0");
    l.buildGeometry();
    RecordingHost host(false);
    l.describe(12, Point3{5, 5, 0}, "1 - Main", true, host);
    EXPECT_EQ(host.title, "T12 Straight Line");
    EXPECT_EQ(host.labels(), (Labels{"Pt 1:", "Pt 2:", "Length", "Line width", "Layer"}));
    EXPECT_EQ(host.value("Pt 1:"), "(12.70 , 12.70 , 0.00)");
    EXPECT_EQ(host.value("Pt 2:"), "(38.10 , 12.70 , 0.00)");
    EXPECT_EQ(host.value("Length"), "25.40");
    EXPECT_EQ(host.value("Line width"), "1.27");
    EXPECT_EQ(host.value("Layer"), "1 - Main");
    // Point fields show the offset points too; six of them for two points.
    ASSERT_EQ(host.fields.size(), 6u);
    EXPECT_EQ(host.fields[0], (std::pair<int, std::string>{100, "12.70"}));
}

TEST(PrimitiveProperties, TableEdgeHeightsEditedOnOk)
{
    QuietGl quiet;
    Line3 q("Q 0 0.5 0 0 0 4 0 0");
    q.buildGeometry();
    // In centimetres with a drawing at height offset 0: 5.08 cm is 2 inches.
    RecordingHost host(true, [](CDescribe& d) {
        d.setFieldText(102, "5.08");
        d.setFieldText(105, "-2.54");
    });
    q.describe(-3, Point3{1, 1, 0}, "L", true, host);
    EXPECT_EQ(host.title, "T-3 Table Edge");
    EXPECT_NEAR(q.p1.z, 2.0, 1e-12);
    EXPECT_NEAR(q.p2.z, -1.0, 1e-12);
    EXPECT_DOUBLE_EQ(q.p1.x, 0.0); // plan positions stay
    // The band was rebuilt with the new heights.
    ASSERT_EQ(q.band.paths.size(), 1u);
    EXPECT_EQ(q.band.paths[0][0].Z, 2000);
    EXPECT_EQ(q.band.paths[0][1].Z, -1000);
}

TEST(PrimitiveProperties, CancelChangesNothing)
{
    QuietGl quiet;
    Line3 l("L 0 0 0 0 0 4 0 0");
    RecordingHost host(false, [](CDescribe& d) { d.setFieldText(102, "9"); });
    l.describe(1, Point3{}, "L", false, host);
    EXPECT_DOUBLE_EQ(l.p1.z, 0.0);
}

TEST(PrimitiveProperties, ArcTitleAndAngleRowsBySweep)
{
    QuietGl quiet;
    const struct {
        const char* line;
        const char* title;
        Labels labels;
    } cases[] = {
        {"A 0 0 2 1 1 0 0 360", "T1 Circle", {"Center: X", "Y", "Radius", "Layer", "Line width"}},
        {"A 0 0 2 1 1 0 10 359",
         "T1 Curved Line",
         {"Center: X", "Y", "Radius", "CCW angle", "CW angle", "Layer", "Line width"}},
    };
    for (const auto& c : cases) {
        CurvedLine3 a(c.line);
        a.buildGeometry();
        RecordingHost host(false);
        a.describe(1, Point3{1, 0, 0}, "L", false, host);
        EXPECT_EQ(host.title, c.title);
        EXPECT_EQ(host.labels(), c.labels);
        EXPECT_EQ(host.value("Center: X"), "2.00");
        EXPECT_EQ(host.rows[1].top, 22);
    }
    CurvedLine3 a("A 0 0 2 1 1 0 10 -30");
    RecordingHost host(false);
    a.describe(1, Point3{}, "L", true, host);
    EXPECT_EQ(host.value("CCW angle"), "10.00");
    EXPECT_EQ(host.value("CW angle"), "-30.00"); // angles are not scaled
    EXPECT_EQ(host.value("Radius"), "5.08");
}

TEST(PrimitiveProperties, ArcEndHeightsEditedOnOk)
{
    QuietGl quiet;
    CurvedLine3 a("A 0 0 1 0 0 0 0 90");
    a.buildGeometry();
    RecordingHost host(true, [](CDescribe& d) { d.setFieldText(105, "3"); });
    a.describe(1, Point3{}, "L", false, host);
    EXPECT_DOUBLE_EQ(a.endHeight, 3.0);
    EXPECT_DOUBLE_EQ(a.endPoint.z, 3.0);
    EXPECT_DOUBLE_EQ(a.points.back().z, 3.0);
}

TEST(PrimitiveProperties, FilledPolygonBaseOption)
{
    QuietGl quiet;
    PolyLine3 f("F 0 0.5 3");
    f.addPoint("0 0 1");
    f.addPoint("4 0 1");
    f.addPoint("4 3 1");
    f.buildGeometry();
    RecordingHost host(true, [](CDescribe& d) {
        d.toggleBase();
        d.setFieldText(CDescribe::BaseFieldId, "-1.5");
        d.setFieldText(108, "2");
    });
    f.describe(8, Point3{100, 100, 0}, "L", false, host);
    EXPECT_EQ(host.title, "T8 Filled Polygon");
    EXPECT_TRUE(host.offerBase);
    EXPECT_EQ(host.labels(), (Labels{"Point Count", "left", "top", "right", "bottom", "Layer"}));
    EXPECT_EQ(host.rows[0].top, 30);
    EXPECT_EQ(host.rows[2].top, 82); // "top" sits 8 above its slot after "left" at 60
    EXPECT_EQ(host.value("Point Count"), "3");
    // Extents and point fields are local: no offset is added.
    EXPECT_EQ(host.value("left"), "0.00");
    EXPECT_EQ(host.value("top"), "3.00");
    EXPECT_EQ(host.value("right"), "4.00");
    EXPECT_EQ(host.value("bottom"), "0.00");
    EXPECT_EQ(host.fields[3], (std::pair<int, std::string>{103, "4.00"}));
    EXPECT_TRUE(f.hasBase);
    EXPECT_DOUBLE_EQ(f.baseHeight, -1.5);
    EXPECT_DOUBLE_EQ(f.points[2].z, 2.0);
    EXPECT_DOUBLE_EQ(f.points[0].z, 1.0);

    // Clearing the check box again removes the base.
    RecordingHost clear(true, [](CDescribe& d) { d.toggleBase(); });
    f.describe(8, Point3{}, "L", false, clear);
    EXPECT_FALSE(f.hasBase);
}

TEST(PrimitiveProperties, OutlinePolygonRowsAndEmptyPolygon)
{
    QuietGl quiet;
    PolyLine3 y("Y 0 0.5 0");
    RecordingHost host(true);
    y.describe(2, Point3{}, "L", true, host);
    EXPECT_EQ(host.title, "T2 Polygon");
    EXPECT_FALSE(host.offerBase);
    EXPECT_EQ(host.labels(),
              (Labels{"Point Count", "left", "top", "right", "bottom", "Line width", "Layer"}));
    EXPECT_EQ(host.rows[0].top, 0);
    EXPECT_EQ(host.value("Point Count"), "0");
    EXPECT_EQ(host.value("left"), "0.00");
    EXPECT_EQ(host.value("Line width"), "1.27");
    EXPECT_TRUE(host.fields.empty());
}

TEST(PrimitiveProperties, CircleTextAndBenchwork)
{
    Circle3 g("G 0 0.1 2 3 4");
    RecordingHost circle;
    g.describe(5, Point3{1, 1, 0}, "L", false, circle);
    EXPECT_EQ(circle.title, "T5 Filled Circle ");
    EXPECT_EQ(circle.labels(), (Labels{"Center: X", "Y", "Radius", "Layer"}));
    EXPECT_EQ(circle.value("Y"), "5.00");
    EXPECT_TRUE(circle.fields.empty());

    Text3 z("Z 0 3 4 30 0 36 Hello");
    RecordingHost text;
    z.describe(6, Point3{1, 1, 0}, "L", true, text);
    EXPECT_EQ(text.title, "T6 Text");
    EXPECT_EQ(text.labels(), (Labels{"Origin: X", "Y", "Font size", "Text", "Layer"}));
    EXPECT_EQ(text.value("Origin: X"), "10.16");
    EXPECT_EQ(text.value("Font size"), "36.00");
    EXPECT_EQ(text.value("Text"), "Hello");

    BenchWork3 b("B 0 1 0 0 0 3 4 0 0");
    RecordingHost bench(true, [](CDescribe& d) { d.setFieldText(102, "7"); });
    b.describe(7, Point3{}, "L", false, bench);
    EXPECT_EQ(bench.title, "T7 BenchWork");
    EXPECT_EQ(bench.value("Length"), "5.00");
    EXPECT_TRUE(bench.fields.empty());
    EXPECT_DOUBLE_EQ(b.p1.z, 0.0);
}

} // namespace
