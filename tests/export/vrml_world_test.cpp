#include <gtest/gtest.h>

#include <iomanip>
#include <sstream>

#include "export/vrml_export.h"
#include "export_test_items.h"

namespace {

VrmlWorldInfo sampleInfo()
{
    VrmlWorldInfo info;
    info.targetPath = "/home/me/out.wrl";
    info.layoutPath = "/home/me/plan.mrv";
    info.created.tm_year = 2026 - 1900;
    info.created.tm_mon = 11;
    info.created.tm_mday = 9;
    info.created.tm_wday = 3;
    info.created.tm_hour = 17;
    info.created.tm_min = 55;
    info.created.tm_sec = 19;
    return info;
}

const std::string Header = "#VRML V2.0 utf8\n\n"
                           "WorldInfo{\n title \"/home/me/out.wrl\"\n info [\n"
                           "  \"Layout file : /home/me/plan.mrv\",\n"
                           "  \"Created : Wed 09 Dec 2026. 17:55:19\"\n"
                           "  \"With : RavloViewer\"\n"
                           " ]\n}\n"
                           "NavigationInfo {}\n";

const std::string Appearances =
    "Shape{appearance DEF RAIL Appearance{material Material{ emissiveColor 0.2 0.2 0.25 diffuseColor 0.4 0.4 "
    "0.5 "
    "shininess 0.6}}}\n"
    "Shape{appearance DEF TRACK_EMBANKMENT Appearance{material Material{ emissiveColor 0.18 0.1 0.0 "
    "diffuseColor "
    "0.35 0.2 0 shininess 0.2}}}\n"
    "Shape{appearance DEF TRACK_END Appearance{material Material{diffuseColor 0.35 0.2 0 shininess 0.2}}}\n"
    "Shape{appearance DEF TURNTABLE Appearance{material Material{ emissiveColor 0.18 0.1 0.0 diffuseColor "
    "0.35 0.2 "
    "0 }}}\n"
    "Shape{appearance DEF HIDDEN Appearance{material Material{ emissiveColor 0.1 0.1 0.1 diffuseColor 0.2 "
    "0.2 0.2 "
    "transparency 0.0 }}}\n"
    "\n\n";

const std::string CollisionHead = "Collision {\n children[\n";
const std::string CollisionTail = " ]\n}\n\n";

std::string worldText(CRavloViewerDoc& doc, const VrmlWorldInfo& info = sampleInfo())
{
    std::ostringstream out;
    writeVrmlWorld(out, doc, info);
    return out.str();
}

// The text between the head of the Collision group and its tail.
std::string collisionBody(const std::string& world)
{
    const std::size_t start = world.find(CollisionHead);
    EXPECT_NE(start, std::string::npos);
    EXPECT_TRUE(world.ends_with(CollisionTail));
    if (start == std::string::npos || !world.ends_with(CollisionTail))
        return world;
    const std::size_t from = start + CollisionHead.size();
    return world.substr(from, world.size() - CollisionTail.size() - from);
}

std::size_t count(const std::string& text, const std::string& what)
{
    std::size_t n = 0;
    for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1))
        ++n;
    return n;
}

} // namespace

TEST(VrmlWorld, EmptyLayoutWithoutBasePlaneWritesOnlyTheFrame)
{
    DocumentBuilder b;
    b.doc.showBasePlane = false;
    EXPECT_EQ(worldText(b.doc), Header + Appearances + CollisionHead + CollisionTail);
}

TEST(VrmlWorld, BasePlaneSpansTheBoundsInVrmlAxes)
{
    DocumentBuilder b;
    b.doc.showBasePlane = true;
    b.doc.basePlaneColor = 0xC0C0C0;
    b.doc.basePlaneOpacity = 90;
    b.doc.basePlaneLevel = -0.2;
    b.doc.tables.bounds = {-1.5, 2, -0.01, 30.25, 40, 3};
    const std::string plane =
        "Transform{\n translation 0 -0.2 0\n children[\n  Shape{\n"
        "   appearance Appearance{ material Material{\n"
        "    emissiveColor 0.75 0.75 0.75\n"
        "    diffuseColor 0.75 0.75 0.75\n"
        "    transparency 0.1\n"
        "    }\n   }\n"
        "   geometry IndexedFaceSet{\n    solid FALSE\n    coord Coordinate{\n     point[\n"
        "      -1.5 0 -2\n"
        "      -1.5 0 -40\n"
        "      30.25 0 -40\n"
        "      30.25 0 -2\n"
        "     ]\n    }\n    coordIndex[ 0 1 2 3 -1 ]\n   }\n  }\n ]\n}\n####\n";
    EXPECT_EQ(worldText(b.doc), Header + Appearances + plane + CollisionHead + CollisionTail);
}

TEST(VrmlWorld, BasePlaneColourHasRedInTheLowByteDividedBy256)
{
    DocumentBuilder b;
    b.doc.basePlaneColor = 0x004080FF; // blue 0x40, green 0x80, red 0xFF
    b.doc.basePlaneOpacity = 25;
    const std::string text = worldText(b.doc);
    EXPECT_NE(text.find("    emissiveColor 0.996094 0.5 0.25\n    diffuseColor 0.996094 0.5 0.25\n"
                        "    transparency 0.75\n"),
              std::string::npos)
        << text;
}

TEST(VrmlWorld, PathsWithQuotesAndBackslashesStayInsideTheirStrings)
{
    DocumentBuilder b;
    b.doc.showBasePlane = false;
    VrmlWorldInfo info = sampleInfo();
    info.targetPath = "/tmp/my \"best\" plan.wrl";
    info.layoutPath = "C:\\plans\\a.mrv";
    const std::string text = worldText(b.doc, info);
    EXPECT_NE(text.find(" title \"/tmp/my \\\"best\\\" plan.wrl\"\n"), std::string::npos) << text;
    EXPECT_NE(text.find("  \"Layout file : C:\\\\plans\\\\a.mrv\",\n"), std::string::npos) << text;
}

TEST(VrmlWorld, CreationTimeUsesEnglishNamesAndTwoDigitFields)
{
    std::tm t{};
    t.tm_year = 2027 - 1900;
    t.tm_mon = 0;
    t.tm_mday = 3;
    t.tm_wday = 0;
    t.tm_hour = 7;
    t.tm_min = 5;
    t.tm_sec = 9;
    EXPECT_EQ(formatCreationTime(t), "Sun 03 Jan 2027. 07:05:09");
}

TEST(VrmlWorld, TrackItemsOfVisibleLayersAreWrittenFromTheHeadOfTheList)
{
    DocumentBuilder b;
    b.doc.showBasePlane = false;
    b.layer(0, true);
    b.layer(1, false);
    b.track(1, 0, {"T 2 0 0 0"});
    b.track(2, 1, {"T 1 0 0 180", "T 3 0 10 0"});
    b.track(3, 0, {"T 2 0 10 180"});
    b.track(4, 7, {}); // layer never defined: not shown
    EXPECT_EQ(collisionBody(worldText(b.doc)), "  # track 3\n  # track 1\n");
}

TEST(VrmlWorld, NonTrackItemsOnlyWhenStructuresAreShownAndTheirLayerIsVisible)
{
    for (const bool structures : {false, true}) {
        DocumentBuilder b;
        b.doc.showBasePlane = false;
        b.doc.drawStructures = structures;
        b.layer(0, true);
        b.layer(1, false);
        b.other(10, 0);
        b.other(11, 1);
        b.other(12, 0);
        b.track(1, 0, {});
        b.doc.tables.vrmlColours = {3, 4};
        // The colours of an earlier export are forgotten: the first item finds none defined.
        const std::string expected =
            structures ? "  # track 1\n  # other 12 colours 0\n  # other 10 colours 1\n" : "  # track 1\n";
        EXPECT_EQ(collisionBody(worldText(b.doc)), expected) << "structures " << structures;
    }
}

TEST(VrmlWorld, OpenEndsOfVisibleItemsGetBufferStopsAfterTheItems)
{
    DocumentBuilder b;
    b.doc.showBasePlane = false;
    b.layer(0, true);
    b.layer(1, false);
    b.track(1, 0, {"E 0 0 0", "T 2 0 10 0"});
    b.track(2, 1, {"T 1 0 10 180", "E 0 20 180"});
    const std::string body = collisionBody(worldText(b.doc));
    // Item 2 is hidden: only item 1's open end is marked.
    EXPECT_EQ(count(body, "geometry Extrusion"), 1u) << body;
    EXPECT_EQ(count(body, "appearance USE TRACK_END"), 1u);
    EXPECT_EQ(body.find("  # track 1\n"), 0u);
    EXPECT_NE(body.find("translation 0 0 -0\n rotation 0 1 0 -0\n"), std::string::npos) << body;
}

TEST(VrmlWorld, EndOnTurntableIsMarkedWhenEitherItemIsVisible)
{
    // Item 5 on a hidden layer is joined to the turntable item 6; the end
    // record belongs to the connection of both.
    for (const bool turntableVisible : {true, false}) {
        DocumentBuilder b;
        b.doc.showBasePlane = false;
        b.layer(0, false);
        b.layer(1, turntableVisible);
        b.track(5, 0, {"T 6 3 4 90"});
        b.track(6, 1, {"T 5 3 4 270"});
        ASSERT_EQ(b.doc.tables.endPoints.size(), 1u);
        b.doc.tables.endPoints[0].onTurntable = true;
        const std::string body = collisionBody(worldText(b.doc));
        EXPECT_EQ(count(body, "     0 3 2 1 -1 4 7 6 5 -1\n"), turntableVisible ? 1u : 0u) << body;
        EXPECT_EQ(count(body, "Extrusion"), 0u);
    }
}

TEST(VrmlWorld, EndJoinedToAnUnknownItemFollowsItsOwnersLayer)
{
    for (const bool ownerVisible : {true, false}) {
        DocumentBuilder b;
        b.doc.showBasePlane = false;
        b.layer(0, ownerVisible);
        b.track(5, 0, {"T 99 3 4 90"});
        b.doc.tables.endPoints[0].onTurntable = true;
        const std::string body = collisionBody(worldText(b.doc));
        EXPECT_EQ(count(body, "     0 3 2 1 -1 4 7 6 5 -1\n"), ownerVisible ? 1u : 0u) << body;
        EXPECT_EQ(b.doc.tables.itemsByNumber.count(99), 0u) << "the export adds no table entries";
    }
}

TEST(VrmlWorld, EndMarkersUseFixedNotationOnceAMeshWriterRan)
{
    for (const bool meshWritten : {false, true}) {
        DocumentBuilder b;
        b.doc.showBasePlane = false;
        b.layer(0, true);
        b.track(1, 0, {"E 10 20 90"}, meshWritten);
        const std::string body = collisionBody(worldText(b.doc));
        const std::string translation = meshWritten
                                            ? "translation 10.0000 0.0000 -20.0000\n rotation 0 1 0 -1.5708\n"
                                            : "translation 10 0 -20\n rotation 0 1 0 -1.5708\n";
        EXPECT_NE(body.find(translation), std::string::npos) << body;
    }
}

TEST(VrmlWorld, CallersStreamFormatComesBack)
{
    DocumentBuilder b;
    b.layer(0, true);
    b.track(1, 0, {"E 10 20 90"}, true);
    std::ostringstream out;
    out << std::scientific << std::setprecision(2);
    writeVrmlWorld(out, b.doc, sampleInfo());
    EXPECT_NE(out.str().find("\nNavigationInfo {}\n"), std::string::npos);
    EXPECT_NE(out.str().find("transparency 0.1\n"), std::string::npos) << "header parts in the default form";
    out.str("");
    out << 0.5;
    EXPECT_EQ(out.str(), "5.00e-01");
}
