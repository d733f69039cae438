#include <gtest/gtest.h>
#include <sstream>

#include "doc/layout_tables.h"
#include "doc/tokenizer.h"
#include "track/track_obj.h"

namespace {

// The smallest track item: the common header and the base body reading.
class PlainTrack : public CTrackObj {
public:
    PlainTrack(const std::string& line, LayoutTables& t, LayoutStream& in) : CTrackObj(t)
    {
        readHeader(LineTokenizer(line).splitTokens(" \t"));
        readBody(in, "PLAIN");
    }
};

struct Loaded {
    LayoutTables tables;
    std::unique_ptr<PlainTrack> item;
    std::string rest; // what the reader would see next
};

std::unique_ptr<Loaded> load(const std::string& header, const std::string& body)
{
    auto l = std::make_unique<Loaded>();
    l->tables.layerNames[0] = "1 - Main";
    loadProfiles(l->tables.profiles, "");
    std::istringstream in(body);
    LayoutStream stream(in);
    l->item = std::make_unique<PlainTrack>(header, l->tables, stream);
    stream.readLine(l->rest);
    return l;
}

TEST(EndPoint, JoinedEndLine)
{
    const EndPoint e("T 5 10.0 20.0 90.0");
    EXPECT_EQ(e.connection, 5);
    EXPECT_EQ(e.position, (Point3{10, 20, 0}));
    EXPECT_EQ(e.angle, 90.0f);
    EXPECT_FALSE(e.elevationDefined);
}

TEST(EndPoint, OpenEndLine)
{
    const EndPoint e("E 1.5 2.5 270");
    EXPECT_EQ(e.connection, -1);
    EXPECT_EQ(e.position, (Point3{1.5, 2.5, 0}));
    EXPECT_FALSE(e.elevationDefined);
    EXPECT_FALSE(e.elevationGiven);
}

TEST(EndPoint, HeightOptionKindNine)
{
    const EndPoint given("T 3 1 2 90 9 0 0 4.25");
    EXPECT_EQ(given.position.z, 4.25);
    EXPECT_TRUE(given.elevationDefined);
    EXPECT_TRUE(given.elevationGiven);
    const EndPoint other("T 3 1 2 90 1 0 0 4.25");
    EXPECT_EQ(other.position.z, 0);
    EXPECT_FALSE(other.elevationDefined);
    const EndPoint single("E 0 0 0 9 0 0 1.8");
    EXPECT_EQ(single.position.z, static_cast<double>(1.8f));
}

TEST(EndPoint, ShortOrBrokenLinesThrow)
{
    for (const char* line :
         {"T", "T 5 1 2", "E 1 2", "T x 1 2 3", "E 1 y 3", "T 3 1 2 90 9 0 0", "E 1 2 3 9"})
        EXPECT_THROW(EndPoint{line}, ParseError) << line;
}

TEST(EndPoint, ProfileFillsTheCrossSection)
{
    EndPoint e("E 0 0 0");
    e.applyProfile(ScaleProfile("N", {9, 1.8, 0.8, 4, 20, 30, 32, 41}));
    EXPECT_DOUBLE_EQ(e.halfTopWidth, 10 / 25.4);
    EXPECT_DOUBLE_EQ(e.halfBottomWidth, 15 / 25.4);
    EXPECT_DOUBLE_EQ(e.embankmentHeight, 4 / 25.4);
    EXPECT_DOUBLE_EQ(e.railHeight, 1.8 / 25.4);
    EXPECT_DOUBLE_EQ(e.railWidth, 0.8 / 25.4);
    EXPECT_DOUBLE_EQ(e.gauge, 9 / 25.4);
}

TEST(TrackBody, TrimsRegistersAndStopsAtEnd)
{
    auto l = load("PLAIN 4 0 0 0 0 N 1", "  T 5 10.0 20.0 90.0\n\tE 1 2 3\nEND\nNEXT\n");
    ASSERT_EQ(l->item->ends.size(), 2u);
    const EndPoint& joined = l->tables.endPoints[l->item->ends[0]];
    EXPECT_EQ(joined.owner, 4);
    EXPECT_EQ(joined.other, 5);
    EXPECT_EQ(joined.line, "T 5 10.0 20.0 90.0");
    EXPECT_DOUBLE_EQ(joined.gauge, 9 / 25.4); // the item's scale profile was applied
    EXPECT_EQ(l->tables.endPoints[l->item->ends[1]].other, -1);
    EXPECT_EQ(l->rest, "NEXT");
    EXPECT_EQ(l->item->number, 4);
    EXPECT_EQ(l->item->scale, "N");
    EXPECT_EQ(l->item->visible, 1);
}

TEST(TrackBody, EndSegsEndsTheBodyButEndxDoesNot)
{
    auto l = load("PLAIN 4 0 0 0 0 HO 0", "ENDX\nE 1 2 3\nEND$SEGS\nNEXT\n");
    EXPECT_EQ(l->item->ends.size(), 1u);
    EXPECT_EQ(l->rest, "NEXT");
    EXPECT_EQ(l->item->visible, 0);
    EXPECT_DOUBLE_EQ(l->tables.endPoints[0].gauge, 16.5 / 25.4);
}

TEST(TrackBody, MissingEndReadsToTheFileEnd)
{
    auto l = load("PLAIN 4 0 0 0 0 N 1", "E 1 2 3\nE 4 5 6");
    EXPECT_EQ(l->item->ends.size(), 2u);
}

TEST(TrackBody, BrokenEndLineIsReportedAndSkipped)
{
    auto l = load("PLAIN 4 0 0 0 0 N 1", "E 1 2\nT 9 1 2 3\nEND\n");
    ASSERT_EQ(l->item->ends.size(), 1u);
    ASSERT_EQ(l->tables.loadMessages.size(), 1u);
    const std::string m = narrowText(l->tables.loadMessages[0]);
    EXPECT_NE(m.find("Line 1"), std::string::npos) << m;
    EXPECT_NE(m.find("PLAIN"), std::string::npos) << m;
}

TEST(TrackBody, NoEndLinesGiveNoEnds)
{
    auto l = load("PLAIN -3 0 0 0 0 N 1", "END\n");
    EXPECT_TRUE(l->item->ends.empty());
    EXPECT_EQ(itemTitle(l->item->number), "T-3");
}

TEST(TrackHeader, ShortHeaderThrows)
{
    LayoutTables t;
    std::istringstream in("END\n");
    LayoutStream s(in);
    EXPECT_THROW(PlainTrack("PLAIN 4 0 0 0 0 N", t, s), ParseError);
    EXPECT_THROW(PlainTrack("PLAIN x 0 0 0 0 N 1", t, s), ParseError);
}

TEST(TrackHeader, UndefinedLayerIsReported)
{
    auto l = load("PLAIN 4 3 0 0 0 N 1", "END\n");
    ASSERT_EQ(l->tables.loadMessages.size(), 1u);
    EXPECT_EQ(l->tables.loadMessages[0], L"Item 4: Layer 3 undefined ");
}

TEST(Placement, IdentityAndDiagonal)
{
    const Placement p = identityPlacement();
    const Point3 q = p.placePoint({1, 2, 3});
    EXPECT_EQ(q, (Point3{1, 2, 3}));
    EXPECT_EQ(identityPlacement(2).m[5], 2.0);
    EXPECT_EQ(identityPlacement(2).m[1], 0.0);
}

} // namespace
