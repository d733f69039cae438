#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <regex>
#include <set>
#include <sstream>
#include <typeinfo>

#include "drawing/bench_work3.h"
#include "drawing/bzrln.h"
#include "drawing/circle3.h"
#include "drawing/curved_line3.h"
#include "drawing/draw.h"
#include "drawing/line3.h"
#include "drawing/poly_line3.h"
#include "drawing/structure.h"
#include "drawing/text3.h"
#include "drawing_test_support.h"
#include "export/vrml_export.h"

namespace {

class EveryPrimitive : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(doc.onOpenDocument(std::string(RAVLO_FIXTURES) + "/every_primitive.mrv"));
    }

    std::vector<CXObj*> items() const
    {
        std::vector<CXObj*> out;
        for (CXObj* o = doc.otherItems; o; o = o->nextOther())
            out.push_back(o);
        return out;
    }

    QuietGl quiet;
    CRavloViewerDoc doc{"/nonexistent-profile-folder"};
};

std::multiset<std::string> kindsOf(const PrimitiveList& list)
{
    std::multiset<std::string> out;
    for (DrawItem* p = list.head(); p; p = p->next) {
        if (dynamic_cast<Line3*>(p))
            out.insert(static_cast<Line3*>(p)->letter);
        else if (dynamic_cast<BenchWork3*>(p))
            out.insert("B");
        else if (dynamic_cast<CurvedLine3*>(p))
            out.insert("A");
        else if (auto* poly = dynamic_cast<PolyLine3*>(p))
            out.insert(poly->filled ? "F" : "Y");
        else if (dynamic_cast<Circle3*>(p))
            out.insert("G");
        else if (dynamic_cast<Text3*>(p))
            out.insert("Z");
    }
    return out;
}

TEST_F(EveryPrimitive, EveryKindIsReadWithoutMessages)
{
    EXPECT_TRUE(doc.tables.loadMessages.empty());
    const auto all = items();
    ASSERT_EQ(all.size(), 3u);
    auto* drawing = dynamic_cast<Draw*>(all[0]);
    auto* bezier = dynamic_cast<Bzrln*>(all[1]);
    auto* structure = dynamic_cast<Structure*>(all[2]);
    ASSERT_TRUE(drawing && bezier && structure);
    EXPECT_EQ(structure->name, "Engine \"Shed\"");
    EXPECT_EQ(kindsOf(structure->primitives),
              (std::multiset<std::string>{"L", "L", "Q", "A", "A", "Y", "F", "G", "Z"}));
    EXPECT_EQ(structure->primitiveCount, 9);
    EXPECT_EQ(kindsOf(drawing->primitives),
              (std::multiset<std::string>{"B", "B", "F", "L", "A", "G", "Y", "Z"}));
    // The Bezier line's three segments form one chain from (20, 10) to (0, 30).
    EXPECT_EQ(bezier->freeEnds.size(), 2u);
    EXPECT_NEAR(bezier->totalLength, 20 + 5 * 3.14159265358979, 1e-5);
    EXPECT_NEAR(bezier->startPoint.x, 20, 1e-5);
    EXPECT_NEAR(bezier->startPoint.y, 10, 1e-5);
    EXPECT_NEAR(bezier->endPoint.x, 0, 1e-5);
    EXPECT_NEAR(bezier->endPoint.y, 30, 1e-5);
    EXPECT_EQ(doc.tables.itemSerial, 3);
}

TEST_F(EveryPrimitive, VrmlUsesOnlyDefinedAppearances)
{
    doc.tables.vrmlColours.clear();
    std::ostringstream out;
    for (CXObj* o : items())
        o->writeVrml(out);
    const std::string text = out.str();
    std::set<std::string> defined;
    const std::regex appearance("appearance (DEF|USE) (C[0-9]+)");
    int uses = 0;
    for (auto it = std::sregex_iterator(text.begin(), text.end(), appearance); it != std::sregex_iterator();
         ++it) {
        const std::string name = (*it)[2];
        if ((*it)[1] == "DEF") {
            EXPECT_TRUE(defined.insert(name).second) << name << " defined twice";
        } else {
            ++uses;
            EXPECT_TRUE(defined.count(name)) << name << " used before it was defined";
        }
    }
    EXPECT_GT(uses, 0);
    // Benchwork colour 12632256 is defined by the filled polygon of that colour.
    EXPECT_TRUE(defined.count("C12632256"));
    // Brackets and braces balance.
    EXPECT_EQ(std::count(text.begin(), text.end(), '['), std::count(text.begin(), text.end(), ']'));
    EXPECT_EQ(std::count(text.begin(), text.end(), '{'), std::count(text.begin(), text.end(), '}'));
}

TEST_F(EveryPrimitive, DrawingShowsItsLastPrimitiveLine)
{
    RecordingHost host;
    items()[0]->describe(false, host);
    EXPECT_EQ(host.title, "T103 Text");
    EXPECT_EQ(host.value("Text"), "Yard \"\"A\"\"");
    EXPECT_EQ(host.value("Origin: X"), "0.00"); // (30 - 30)
    EXPECT_EQ(host.value("Layer"), "2 - Benchwork");
}

// tovrmlx3d reads the world and writes it back; its complaints are the lines
// of its standard error holding "Warning" or "Error".
TEST_F(EveryPrimitive, ExportedWorldParses)
{
    if (std::system("command -v tovrmlx3d > /dev/null 2>&1") != 0)
        GTEST_SKIP() << "tovrmlx3d is not installed";
    doc.drawStructures = true;
    const TempLayout world("", ".wrl");
    const std::string path = std::string(RAVLO_FIXTURES) + "/every_primitive.mrv";
    ASSERT_TRUE(exportVrml(doc, world.path(), path).ok);
    {
        std::ifstream in(world.path());
        const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        EXPECT_NE(text.find("(T101) Structure Engine \"Shed\""), std::string::npos);
        EXPECT_NE(text.find("(T103) DRAW"), std::string::npos);
    }
    const std::string errors = world.path() + ".stderr";
    ASSERT_EQ(std::system(("tovrmlx3d '" + world.path() + "' > /dev/null 2> '" + errors + "'").c_str()), 0);
    std::ifstream in(errors);
    std::string line, complaints;
    while (std::getline(in, line))
        if (line.find("Warning") != std::string::npos || line.find("Error") != std::string::npos)
            complaints += line + "\n";
    std::filesystem::remove(errors);
    EXPECT_EQ(complaints, "");
}

} // namespace
