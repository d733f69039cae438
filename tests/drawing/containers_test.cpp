#include <cmath>
#include <gtest/gtest.h>
#include <sstream>

#include "doc/layout_tables.h"
#include "drawing/bzrln.h"
#include "drawing/draw.h"
#include "drawing/line3.h"
#include "drawing/poly_line3.h"
#include "drawing/structure.h"
#include "drawing/text3.h"
#include "drawing_test_support.h"

namespace {

template <class T> T* itemAs(const LoadedLayout& layout, std::size_t index)
{
    const auto items = layout.items();
    return index < items.size() ? dynamic_cast<T*>(items[index]) : nullptr;
}

std::size_t primitiveCountOf(const PrimitiveList& list)
{
    std::size_t n = 0;
    for (DrawItem* p = list.head(); p; p = p->next)
        ++n;
    return n;
}

TEST(StructureRecord, HeaderTitleAndPrimitivesNewestFirst)
{
    LoadedLayout layout(std::string(kLayer0) +
                        "STRUCTURE 12 0 x x x HO 1 5.5 6.5 x 30 \"Big \"\"Joe\"\"\tshed\"\n"
                        "  L 0 0 0 0 0 1 0 0\n"
                        "Z 0 0 0 0 0 12 Hi\n"
                        "END\n");
    ASSERT_TRUE(layout.loaded);
    auto* s = itemAs<Structure>(layout, 0);
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(s->number, 12);
    EXPECT_EQ(s->layer, 0);
    EXPECT_EQ(s->scale, "HO");
    EXPECT_DOUBLE_EQ(s->originX, 5.5);
    EXPECT_DOUBLE_EQ(s->originY, 6.5);
    EXPECT_DOUBLE_EQ(s->angle, 30.0);
    EXPECT_EQ(s->name, "Big \"Joe\" shed");
    ASSERT_NE(dynamic_cast<Text3*>(s->primitives.head()), nullptr);
    EXPECT_NE(dynamic_cast<Line3*>(s->primitives.head()->next), nullptr);
    EXPECT_EQ(s->primitiveCount, 2);
    EXPECT_TRUE(layout.messages().empty());
}

TEST(StructureRecord, UndefinedLayerIsReportedAndHidden)
{
    LoadedLayout layout("STRUCTURE 3 7 x x x HO 1 0 0 x 0 \"T\"\nEND\n");
    ASSERT_EQ(layout.messages().size(), 1u);
    EXPECT_EQ(layout.messages()[0], "Item 3: Layer 7 undefined ");
    EXPECT_EQ(layout.doc.tables.layerNames[7], "7 - undefined");
    EXPECT_FALSE(layout.doc.tables.layerVisible[7]);
    ASSERT_EQ(layout.items().size(), 1u);
}

TEST(StructureRecord, BadHeaderSkipsRecord)
{
    LoadedLayout layout(std::string(kLayer0) + "STRUCTURE 3 0 x x x HO 1 nope 0 x 0 \"T\"\nEND\n");
    EXPECT_TRUE(layout.items().empty());
    EXPECT_EQ(layout.messages().size(), 1u);
}

TEST(BodyDispatch, EndLinesAndIgnoredLines)
{
    const struct {
        const char* body;
        std::size_t primitives;
    } cases[] = {
        {"END\nL 0 0 0 0 0 1 0 0\n", 0},
        {"END$SEGS\nL 0 0 0 0 0 1 0 0\n", 0},
        {"END$TRACKS\nL 0 0 0 0 0 1 0 0\nEND\n", 1},
        {"  \t\n\nM 1 2 3\nx 1 2 3\n7 0 0\nL 0 0 0 0 0 1 0 0\nEND\n", 1},
        {"L 0 0 0 0 0 1 0 0\n", 1}, // the file ends without END
    };
    for (const auto& c : cases) {
        LoadedLayout layout(std::string(kLayer0) + "DRAW 1 0 x x x 0 0 x 0\n" + c.body);
        auto* d = itemAs<Draw>(layout, 0);
        ASSERT_NE(d, nullptr) << c.body;
        EXPECT_EQ(primitiveCountOf(d->primitives), c.primitives) << c.body;
        EXPECT_TRUE(layout.messages().empty()) << c.body;
    }
}

TEST(BodyDispatch, DLineIgnoredInStructureHandedToPolygonInDrawing)
{
    const std::string body = "Y 0 0 3\n0 0 0\nD 1 2 3\n1 0 0\nEND\n";
    LoadedLayout structure(std::string(kLayer0) + "STRUCTURE 1 0 x x x HO 1 0 0 x 0 \"S\"\n" + body);
    auto* s = itemAs<Structure>(structure, 0);
    ASSERT_NE(s, nullptr);
    auto* sp = dynamic_cast<PolyLine3*>(s->primitives.head());
    ASSERT_NE(sp, nullptr);
    EXPECT_EQ(sp->points.size(), 2u);
    EXPECT_TRUE(structure.messages().empty());

    LoadedLayout drawing(std::string(kLayer0) + "DRAW 2 0 x x x 0 0 x 0\n" + body);
    auto* d = itemAs<Draw>(drawing, 0);
    ASSERT_NE(d, nullptr);
    auto* dp = dynamic_cast<PolyLine3*>(d->primitives.head());
    ASSERT_NE(dp, nullptr);
    // The D line does not convert: reported, and the next point still read.
    EXPECT_EQ(dp->points.size(), 2u);
    ASSERT_EQ(drawing.messages().size(), 1u);
    EXPECT_NE(drawing.messages()[0].find("DRAW"), std::string::npos);
    EXPECT_NE(drawing.messages()[0].find("Line 5"), std::string::npos);
}

TEST(BodyDispatch, BadPrimitiveLineIsReportedAndReadingGoesOn)
{
    LoadedLayout layout(std::string(kLayer0) + "DRAW 5 0 x x x 0 0 x 0\n"
                                               "L 0 0 0\n" // too short
                                               "Y 0 0 3\n"
                                               "0 0\n" // a point line without its height
                                               "A 0 0 0 0 0 0 0 90\n"
                                               "END\nDRAW 6 0 x x x 0 0 x 0\nEND\n");
    ASSERT_EQ(layout.items().size(), 2u);
    auto* d = itemAs<Draw>(layout, 1);
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(primitiveCountOf(d->primitives), 2u);
    EXPECT_EQ(layout.messages().size(), 2u);
}

TEST(Placement, DrawingTurnedClockwise)
{
    LoadedLayout layout(std::string(kLayer0) + "DRAW 1 0 x x x 10 20 x 90\nG 0 0 1 1 0\nEND\n");
    auto* d = itemAs<Draw>(layout, 0);
    ASSERT_NE(d, nullptr);
    const Point3 c = d->centre();
    EXPECT_NEAR(c.x, 10.0, 1e-12);
    EXPECT_NEAR(c.y, 19.0, 1e-12);
}

TEST(Placement, CentresOfContainers)
{
    LoadedLayout layout(std::string(kLayer0) +
                        "DRAW 1 0 x x x 1 1 x 0\nG 0 0 1 0 0\nG 0 0 1 3 0\nG 0 0 1 0 3\nEND\n"
                        "DRAW 2 0 x x x 4 5 x 0\nEND\n"
                        "STRUCTURE 3 0 x x x HO 1 100 0 x 180\nG 0 0 1 0 0\nG 0 0 1 3 0\nG 0 0 1 0 3\nEND\n"
                        "STRUCTURE 4 0 x x x HO 1 7 8 x 0 \"E\"\nEND\n");
    const auto items = layout.items();
    ASSERT_EQ(items.size(), 4u);
    // Newest first: item 4, 3, 2, 1.
    EXPECT_EQ(items[0]->centre(), (Point3{7, 8, 0}));
    const Point3 s = items[1]->centre(); // box centre (1.5, 1.5) turned half round
    EXPECT_NEAR(s.x, 98.5, 1e-12);
    EXPECT_NEAR(s.y, -1.5, 1e-12);
    EXPECT_EQ(items[2]->centre(), (Point3{4, 5, 0}));
    const Point3 m = items[3]->centre(); // mean (1, 1) moved by (1, 1)
    EXPECT_NEAR(m.x, 2.0, 1e-12);
    EXPECT_NEAR(m.y, 2.0, 1e-12);
}

TEST(Sequence, EachNonTrackItemTakesTheNextNumber)
{
    LoadedLayout layout(std::string(kLayer0) +
                        "STRUCTURE 1 0 x x x HO 1 0 0 x 0 \"A\"\nL 0 0 0 0 0 1 0 0\nEND\n"
                        "STRUCTURE 2 0 x x x HO 1 0 0 x 0 \"B\"\nL 0 0 0 0 0 1 0 0\nEND\n");
    auto* second = itemAs<Structure>(layout, 0);
    auto* first = itemAs<Structure>(layout, 1);
    ASSERT_TRUE(first && second);
    EXPECT_EQ(second->sequence, first->sequence + 1);
}

const char* kTwoSegments = "BZRLIN 9 0 x x x HO 1\n"
                           "L 0 0 0 0 0 2 0 0\n"
                           "L 0 0 2 0 0 5 0 0\n"
                           "END\n";

TEST(BezierLine, ChainOfJoinedSegments)
{
    LoadedLayout layout(std::string(kLayer0) + kTwoSegments);
    auto* b = itemAs<Bzrln>(layout, 0);
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(b->primitiveCount, 2);
    EXPECT_DOUBLE_EQ(b->totalLength, 5.0);
    ASSERT_EQ(b->links.size(), 2u);
    // Link 0 is the segment written last (2..5), joined at its end 0 to end 1 of link 1.
    EXPECT_EQ(b->links[0].neighbour[0], 1);
    EXPECT_EQ(b->links[0].neighbourEnd[0], 1);
    EXPECT_EQ(b->links[1].neighbour[1], 0);
    EXPECT_EQ(b->links[1].neighbourEnd[1], 0);
    const std::vector<std::pair<int, int>> ends{{0, 1}, {1, 0}};
    EXPECT_EQ(b->freeEnds, ends);
    EXPECT_EQ(b->startPoint, (Point3{5, 0, 0}));
    EXPECT_EQ(b->endPoint, (Point3{0, 0, 0}));
}

TEST(BezierLine, EndsJoinBelowOneThousandth)
{
    const struct {
        const char* secondStart;
        std::size_t freeEnds;
    } cases[] = {{"2.0009", 2}, {"2.0011", 4}};
    for (const auto& c : cases) {
        LoadedLayout layout(std::string(kLayer0) + "BZRLIN 9 0 x x x HO 1\nL 0 0 0 0 0 2 0 0\nL 0 0 " +
                            c.secondStart + " 0 0 5 0 0\nEND\n");
        auto* b = itemAs<Bzrln>(layout, 0);
        ASSERT_NE(b, nullptr);
        EXPECT_EQ(b->freeEnds.size(), c.freeEnds) << c.secondStart;
    }
}

TEST(BezierLine, RegradeFromTheLastWrittenSegment)
{
    LoadedLayout layout(std::string(kLayer0) + kTwoSegments);
    auto* b = itemAs<Bzrln>(layout, 0);
    ASSERT_NE(b, nullptr);
    // In inches, set the end height (second point, field 105) to 5.
    RecordingHost host(true, [](CDescribe& d) { d.setFieldText(105, "5"); });
    b->describe(false, host);
    EXPECT_EQ(host.title, "T9 Bzrlin");
    EXPECT_EQ(host.labels(), (std::vector<std::string>{"# Segments", "Length", "Layer"}));
    EXPECT_EQ(host.value("Length"), "5.00");
    EXPECT_EQ(host.value("Layer"), "1 - Main");
    auto* last = dynamic_cast<Line3*>(b->links[0].segment);
    auto* first = dynamic_cast<Line3*>(b->links[1].segment);
    ASSERT_TRUE(last && first);
    EXPECT_DOUBLE_EQ(last->p2.z, 0.0); // the start: the free end at x = 5
    EXPECT_DOUBLE_EQ(last->p1.z, 3.0); // the joint
    EXPECT_DOUBLE_EQ(first->p2.z, 3.0);
    EXPECT_DOUBLE_EQ(first->p1.z, 5.0);

    RecordingHost cancel(false, [](CDescribe& d) { d.setFieldText(105, "9"); });
    b->describe(false, cancel);
    EXPECT_DOUBLE_EQ(first->p1.z, 5.0);
}

TEST(BezierLine, LinkJoinsOnlyItsFirstLaterMatch)
{
    // A closed triangle: the segment written last finds the middle one first
    // and stops searching, so the loop stays open where it started.
    LoadedLayout layout(std::string(kLayer0) +
                        "BZRLIN 9 0 x x x HO 1\n"
                        "L 0 0 0 0 0 2 0 0\nL 0 0 2 0 0 2 2 0\nL 0 0 2 2 0 0 0 0\nEND\n");
    auto* b = itemAs<Bzrln>(layout, 0);
    ASSERT_NE(b, nullptr);
    const std::vector<std::pair<int, int>> ends{{0, 1}, {2, 0}};
    EXPECT_EQ(b->freeEnds, ends);
    EXPECT_EQ(b->startPoint, (Point3{0, 0, 0}));
    EXPECT_EQ(b->endPoint, (Point3{0, 0, 0}));
    // Re-grading walks all three segments from the start to 6 at the end.
    RecordingHost host(true, [](CDescribe& d) { d.setFieldText(105, "6"); });
    b->describe(false, host);
    EXPECT_NEAR(b->links[2].segment->endPosition(0).z, 6.0, 1e-9);
    const double slope = 6.0 / (4.0 + std::sqrt(8.0));
    EXPECT_NEAR(b->links[0].segment->endPosition(0).z, std::sqrt(8.0) * slope, 1e-9);
    EXPECT_NEAR(b->links[1].segment->endPosition(0).z, (std::sqrt(8.0) + 2.0) * slope, 1e-9);
}

TEST(BezierLine, EmptyChainRegradesNothing)
{
    LoadedLayout layout(std::string(kLayer0) + "BZRLIN 9 0 x x x HO 1\nEND\n");
    auto* b = itemAs<Bzrln>(layout, 0);
    ASSERT_NE(b, nullptr);
    EXPECT_TRUE(b->freeEnds.empty());
    EXPECT_EQ(b->primitiveCount, 0);
    RecordingHost host(true, [](CDescribe& d) { d.setFieldText(105, "5"); });
    b->describe(false, host);
    EXPECT_EQ(host.shown, 1);
    EXPECT_EQ(b->startPoint, (Point3{0, 0, 0}));
}

TEST(BezierLine, ZeroLengthChainKeepsFiniteHeights)
{
    LoadedLayout layout(std::string(kLayer0) + "BZRLIN 9 0 x x x HO 1\nL 0 0 1 1 0 1 1 0\nEND\n");
    auto* b = itemAs<Bzrln>(layout, 0);
    ASSERT_NE(b, nullptr);
    b->endPoint.z = 4.0;
    b->regradeChain();
    EXPECT_TRUE(std::isfinite(b->links[0].segment->endPosition(1).z));
}

TEST(StructureProperties, RowsAndTitle)
{
    LoadedLayout layout(std::string(kLayer0) +
                        "STRUCTURE -3 0 x x x HO 1 1 2 x 0 \"Shed\"\nG 0 0 1 0 0\nG 0 0 1 0 0\nEND\n");
    auto* s = itemAs<Structure>(layout, 0);
    ASSERT_NE(s, nullptr);
    RecordingHost host;
    s->describe(true, host);
    EXPECT_EQ(host.title, "T-3 Structure");
    EXPECT_EQ(host.labels(), (std::vector<std::string>{"Origin: X", "Y", "Name", "# Segments", "Layer"}));
    EXPECT_EQ(host.value("Origin: X"), "2.54");
    EXPECT_EQ(host.value("Y"), "5.08");
    EXPECT_EQ(host.rows[1].top, 22);
    EXPECT_EQ(host.value("Name"), "Shed");
    EXPECT_EQ(host.value("# Segments"), "2");
}

TEST(DrawingProperties, ShowNewestPrimitive)
{
    LoadedLayout layout(std::string(kLayer0) +
                        "DRAW 4 0 x x x 0 0 x 0\nL 0 0 0 0 0 1 0 0\nZ 0 1 2 0 0 12 Hello\nEND\n"
                        "DRAW 5 0 x x x 0 0 x 0\nEND\n");
    auto* d = itemAs<Draw>(layout, 1);
    ASSERT_NE(d, nullptr);
    RecordingHost host;
    d->describe(false, host);
    EXPECT_EQ(host.title, "T4 Text");
    EXPECT_EQ(host.value("Text"), "Hello");
    // A drawing without primitives shows nothing.
    RecordingHost none;
    itemAs<Draw>(layout, 0)->describe(false, none);
    EXPECT_EQ(none.shown, 0);
}

} // namespace
